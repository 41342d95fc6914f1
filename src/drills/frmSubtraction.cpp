#include "drills/frmSubtraction.h"

frmSubtraction::frmSubtraction(Program &program)
    : IntegerDrillWindow(program, subtractionLayout(), &subtractionProblem)
{
}
