#pragma once

#include "platform/Form.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>

class Program;

// The main menu: takes the child's first name and opens the drills and the test request window.
// It owns the stored name, which outlives its screen.
class frmSelection final : public Form
{
    Q_OBJECT
public:
    explicit frmSelection(Program &program);

    // The child's first name in upper case, as last taken from the name box; empty until then.
    QString strFullName;

    void FirstName();

    void cmdAddition_Click();
    void cmdSubtraction_Click();
    void cmdMultiplication_Click();
    void cmdDivision_Click();
    void cmdPercent_Click();
    void cmdQuit_Click();
    void mnuTeacherPrint_Click();

    QLineEdit *txtFirstName() const { return m_txtFirstName; }

protected:
    void buildScreen(FormWindow &window) override;
    void screenUnloaded() override;
    void Form_Load() override;
    void titleBarClose() override;

private:
    void openDrill(Form &drill);

    Program &m_program;
    QPointer<QLineEdit> m_txtFirstName;
};
