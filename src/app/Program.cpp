#include "app/Program.h"

#include "app/frmSelection.h"
#include "app/frmSplash.h"
#include "drills/frmAddition.h"
#include "drills/frmDivision.h"
#include "drills/frmMultiplication.h"
#include "drills/frmPercent.h"
#include "drills/frmSubtraction.h"
#include "worksheets/frmTeacherAide.h"

#include <QApplication>
#include <QTimer>

Program::Program(Dialogs &dialogs, RandomSource &random, QuitHook quit)
    : FormHost(dialogs, random, std::move(quit))
{
    createForms();
}

Program::Program(Dialogs &dialogs, RandomSource &random, PrinterService &printers, QuitHook quit)
    : FormHost(dialogs, random, printers, std::move(quit))
{
    createForms();
}

void Program::createForms()
{
    m_splash = std::make_unique<frmSplash>(*this);
    m_selection = std::make_unique<frmSelection>(*this);
    m_addition = std::make_unique<frmAddition>(*this);
    m_subtraction = std::make_unique<frmSubtraction>(*this);
    m_multiplication = std::make_unique<frmMultiplication>(*this);
    m_division = std::make_unique<frmDivision>(*this);
    m_percent = std::make_unique<frmPercent>(*this);
    m_teacherAide = std::make_unique<frmTeacherAide>(*this);
}

Program::~Program() = default;

void Program::start()
{
    splash().show();
    // The icon is painted at six sizes; doing that after the splash is shown keeps it off the
    // way to the first window. Every window without an icon of its own takes the program's.
    QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(sumtopiaIcon()); });
}
