#include "drills/frmAddition.h"

frmAddition::frmAddition(FormHost &host, const QString &strFullName)
    : IntegerDrillWindow(host, additionLayout(), strFullName, &additionProblem)
{
}
