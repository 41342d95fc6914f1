#pragma once

#include "drills/DrillWindow.h"

class Program;

// The division drill.
class frmDivision final : public DoubleDrillWindow
{
    Q_OBJECT
public:
    explicit frmDivision(Program &program);
};
