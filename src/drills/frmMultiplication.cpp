#include "drills/frmMultiplication.h"

frmMultiplication::frmMultiplication(FormHost &host, const QString &strFullName)
    : IntegerDrillWindow(host, multiplicationLayout(), strFullName, &multiplicationProblem)
{
}
