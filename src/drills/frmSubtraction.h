#pragma once

#include "drills/DrillWindow.h"

class Program;

// The subtraction drill.
class frmSubtraction final : public IntegerDrillWindow
{
    Q_OBJECT
public:
    explicit frmSubtraction(Program &program);
};
