#include "drills/frmPercent.h"

frmPercent::frmPercent(Program &program)
    : DoubleDrillWindow(program, percentLayout(), &percentProblem)
{
}
