#pragma once

#include "platform/Form.h"

class Program;

// The test request window: the teacher picks subject, grade and seed and prints a worksheet.
class frmTeacherAide final : public Form
{
    Q_OBJECT
public:
    explicit frmTeacherAide(Program &program);

    void cmdExit_Click();

protected:
    void buildScreen(FormWindow &window) override;
    void Form_Load() override;
    void titleBarClose() override;
    bool centredOnScreen() const override { return false; }

private:
    Program &m_program;
};
