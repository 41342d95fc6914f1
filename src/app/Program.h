#pragma once

#include "app/frmSelection.h"
#include "platform/Form.h"

#include <memory>

class PrinterService;

class frmSplash;
class frmAddition;
class frmSubtraction;
class frmMultiplication;
class frmDivision;
class frmPercent;
class frmTeacherAide;

// One run of the program: owns the eight forms, each of which lives for the whole run, and
// reaches the shared dialogs and random source. It is the one place that knows every window:
// the windows ask to go somewhere through their signals, and the way is wired here. Only the
// request window prints; it gets the printer service from here. Tests build one with scripted
// doubles.
class Program final : public FormHost
{
public:
    // Without a print service of its own, the request window prints through the system's print
    // server.
    Program(Dialogs &dialogs, RandomSource &random, QuitHook quit);
    Program(Dialogs &dialogs, RandomSource &random, PrinterService &printers, QuitHook quit);
    ~Program() override;

    frmSplash &splash() const { return *m_splash; }
    frmSelection &selection() const { return *m_selection; }
    frmAddition &addition() const { return *m_addition; }
    frmSubtraction &subtraction() const { return *m_subtraction; }
    frmMultiplication &multiplication() const { return *m_multiplication; }
    frmDivision &division() const { return *m_division; }
    frmPercent &percent() const { return *m_percent; }
    frmTeacherAide &teacherAide() const { return *m_teacherAide; }

    // The run starts with the splash: loaded, shown, its timer running.
    void start();

    Form &drill(Category category) const;

private:
    void createForms(PrinterService &printers);

    std::unique_ptr<PrinterService> m_systemPrinters;

    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<frmSelection> m_selection;
    std::unique_ptr<frmAddition> m_addition;
    std::unique_ptr<frmSubtraction> m_subtraction;
    std::unique_ptr<frmMultiplication> m_multiplication;
    std::unique_ptr<frmDivision> m_division;
    std::unique_ptr<frmPercent> m_percent;
    std::unique_ptr<frmTeacherAide> m_teacherAide;
};
