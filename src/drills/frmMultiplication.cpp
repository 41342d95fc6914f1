#include "drills/frmMultiplication.h"

frmMultiplication::frmMultiplication(Program &program)
    : IntegerDrillWindow(program, multiplicationLayout(), &multiplicationProblem)
{
}
