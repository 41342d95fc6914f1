#pragma once

#include "drills/DrillWindow.h"

class Program;

// The percent drill.
class frmPercent final : public DoubleDrillWindow
{
    Q_OBJECT
public:
    explicit frmPercent(Program &program);
};
