#include "drills/frmPercent.h"

frmPercent::frmPercent(FormHost &host, const QString &strFullName)
    : DoubleDrillWindow(host, percentLayout(), strFullName, &percentProblem)
{
}
