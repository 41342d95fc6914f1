#include "drills/frmAddition.h"

frmAddition::frmAddition(FormHost &host, const QString &strFullName)
    : DrillWindow(host, additionLayout(), strFullName, &additionProblem)
{
}
