#include "drills/frmDivision.h"

frmDivision::frmDivision(Program &program)
    : DoubleDrillWindow(program, divisionLayout(), &divisionProblem)
{
}
