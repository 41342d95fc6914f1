#include "drills/frmAddition.h"

frmAddition::frmAddition(Program &program)
    : IntegerDrillWindow(program, additionLayout(), &additionProblem)
{
}
