#include "drills/frmDivision.h"

frmDivision::frmDivision(FormHost &host, const QString &strFullName)
    : DoubleDrillWindow(host, divisionLayout(), strFullName, &divisionProblem)
{
}
