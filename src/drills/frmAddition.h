#pragma once

#include "drills/DrillWindow.h"

class Program;

// The addition drill.
class frmAddition final : public IntegerDrillWindow
{
    Q_OBJECT
public:
    explicit frmAddition(Program &program);
};
