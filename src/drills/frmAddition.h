#pragma once

#include "drills/DrillWindow.h"

// The addition drill.
class frmAddition final : public DrillWindow
{
    Q_OBJECT
public:
    frmAddition(FormHost &host, const QString &strFullName);
};
