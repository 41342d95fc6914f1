#include "drills/frmSubtraction.h"

frmSubtraction::frmSubtraction(FormHost &host, const QString &strFullName)
    : DrillWindow(host, subtractionLayout(), strFullName, &subtractionProblem)
{
}
