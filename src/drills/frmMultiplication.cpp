#include "drills/frmMultiplication.h"

frmMultiplication::frmMultiplication(FormHost &host, const QString &strFullName)
    : DrillWindow(host, multiplicationLayout(), strFullName, &multiplicationProblem)
{
}
