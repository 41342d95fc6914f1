#include "app/Program.h"

#include "app/frmSelection.h"
#include "app/frmSplash.h"
#include "drills/frmAddition.h"
#include "drills/frmDivision.h"
#include "drills/frmMultiplication.h"
#include "drills/frmPercent.h"
#include "drills/frmSubtraction.h"
#include "printing/CupsPrinterService.h"
#include "worksheets/frmTeacherAide.h"

#include <QApplication>
#include <QTimer>

Program::Program(Dialogs &dialogs, RandomSource &random, QuitHook quit)
    : FormHost(dialogs, random, std::move(quit)),
      m_systemPrinters(std::make_unique<CupsPrinterService>())
{
    createForms(*m_systemPrinters);
}

Program::Program(Dialogs &dialogs, RandomSource &random, PrinterService &printers, QuitHook quit)
    : FormHost(dialogs, random, std::move(quit))
{
    createForms(printers);
}

void Program::createForms(PrinterService &printers)
{
    m_splash = std::make_unique<frmSplash>(*this);
    m_selection = std::make_unique<frmSelection>(*this);
    m_addition = std::make_unique<frmAddition>(*this, m_selection->strFullName);
    m_subtraction = std::make_unique<frmSubtraction>(*this, m_selection->strFullName);
    m_multiplication = std::make_unique<frmMultiplication>(*this, m_selection->strFullName);
    m_division = std::make_unique<frmDivision>(*this, m_selection->strFullName);
    m_percent = std::make_unique<frmPercent>(*this, m_selection->strFullName);
    m_teacherAide = std::make_unique<frmTeacherAide>(*this, printers);

    frmSelection *menu = m_selection.get();
    frmTeacherAide *teacherAide = m_teacherAide.get();
    const auto showMenu = [menu] { menu->show(); };
    const auto openTeacherAide = [teacherAide] { teacherAide->load(); };

    QObject::connect(m_splash.get(), &frmSplash::menuRequested, menu, showMenu);
    QObject::connect(menu, &frmSelection::drillRequested, menu,
                     [this](Category category) { drill(category).load(); });
    QObject::connect(menu, &frmSelection::printTestRequested, menu, openTeacherAide);
    for (DrillWindow *window : {static_cast<DrillWindow *>(m_addition.get()),
                                static_cast<DrillWindow *>(m_subtraction.get()),
                                static_cast<DrillWindow *>(m_multiplication.get()),
                                static_cast<DrillWindow *>(m_division.get()),
                                static_cast<DrillWindow *>(m_percent.get())}) {
        QObject::connect(window, &DrillWindow::backRequested, menu, showMenu);
        QObject::connect(window, &DrillWindow::printTestRequested, menu, openTeacherAide);
    }
    // An unloaded menu is loaded and shown; a hidden one is only shown again.
    QObject::connect(teacherAide, &frmTeacherAide::exitRequested, menu, showMenu);
}

Program::~Program() = default;

Form &Program::drill(Category category) const
{
    switch (category) {
    case Category::Addition:
        return *m_addition;
    case Category::Subtraction:
        return *m_subtraction;
    case Category::Multiplication:
        return *m_multiplication;
    case Category::Division:
        return *m_division;
    case Category::Percent:
        break;
    }
    return *m_percent;
}

void Program::start()
{
    splash().show();
    // The icon is painted at six sizes; doing that after the splash is shown keeps it off the
    // way to the first window. Every window without an icon of its own takes the program's.
    QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(sumtopiaIcon()); });
}
