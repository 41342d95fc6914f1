#pragma once

#include "drills/DrillWindow.h"

class Program;

// The multiplication drill.
class frmMultiplication final : public IntegerDrillWindow
{
    Q_OBJECT
public:
    explicit frmMultiplication(Program &program);
};
