#include "drills/frmPercent.h"

frmPercent::frmPercent(FormHost &host, const QString &strFullName)
    : DrillWindow(host, percentLayout(), strFullName, &percentProblem)
{
}
