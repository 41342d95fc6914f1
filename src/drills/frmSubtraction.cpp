#include "drills/frmSubtraction.h"

frmSubtraction::frmSubtraction(FormHost &host, const QString &strFullName)
    : IntegerDrillWindow(host, subtractionLayout(), strFullName, &subtractionProblem)
{
}
