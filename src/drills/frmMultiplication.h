#pragma once

#include "drills/DrillWindow.h"

// The multiplication drill.
class frmMultiplication final : public DrillWindow
{
    Q_OBJECT
public:
    frmMultiplication(FormHost &host, const QString &strFullName);
};
