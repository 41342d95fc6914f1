#include "drills/frmDivision.h"

frmDivision::frmDivision(FormHost &host, const QString &strFullName)
    : DrillWindow(host, divisionLayout(), strFullName, &divisionProblem)
{
}
