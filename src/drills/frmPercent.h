#pragma once

#include "drills/DrillWindow.h"

// The percent drill.
class frmPercent final : public DrillWindow
{
    Q_OBJECT
public:
    frmPercent(FormHost &host, const QString &strFullName);
};
