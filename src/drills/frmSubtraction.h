#pragma once

#include "drills/DrillWindow.h"

// The subtraction drill.
class frmSubtraction final : public DrillWindow
{
    Q_OBJECT
public:
    frmSubtraction(FormHost &host, const QString &strFullName);
};
