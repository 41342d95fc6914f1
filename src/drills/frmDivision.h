#pragma once

#include "drills/DrillWindow.h"

// The division drill.
class frmDivision final : public DrillWindow
{
    Q_OBJECT
public:
    frmDivision(FormHost &host, const QString &strFullName);
};
