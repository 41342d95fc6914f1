#include "app/frmSelection.h"

#include "app/Program.h"
#include "drills/frmAddition.h"
#include "drills/frmDivision.h"
#include "drills/frmMultiplication.h"
#include "drills/frmPercent.h"
#include "drills/frmSubtraction.h"
#include "platform/Controls.h"
#include "worksheets/frmTeacherAide.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

frmSelection::frmSelection(Program &program)
    : Form(program, QStringLiteral("frmSelection")), m_program(program)
{
}

void frmSelection::buildScreen(FormWindow &window)
{
    window.setWindowTitle(QStringLiteral("Math Application Choices"));
    window.setClientSizeTwips(7560, 4890);
    QWidget *client = window.client();
    setBackground(client, DesignColor::Cyan);
    client->setFont(defaultDesignFont());

    QLabel *label1 = makeLabel(client, QStringLiteral("Label1"),
                               QStringLiteral("Sumtopia:  Choose Your Category Please"), 360, 240,
                               6735, 495, 13.5);
    setSingleBorder(label1);
    setTransparent(label1);
    QLabel *label3 = makeLabel(client, QStringLiteral("Label3"),
                               QStringLiteral("Enter Your First Name:"), 420, 960, 1695, 495, 8.25);
    setBackground(label3, DesignColor::Cyan);

    m_txtFirstName = new QLineEdit(client);
    m_txtFirstName->setObjectName(QStringLiteral("txtFirstName"));
    m_txtFirstName->setFont(designFont(18));
    setBackground(m_txtFirstName, DesignColor::Cyan);
    placeTwips(m_txtFirstName, 2213, 960, 2775, 555);

    QPushButton *cmdAddition = makeButton(client, QStringLiteral("cmdAddition"),
                                          QStringLiteral("Addition"), 293, 1958, 1695, 975, 12);
    QPushButton *cmdSubtraction =
        makeButton(client, QStringLiteral("cmdSubtraction"), QStringLiteral("Subtraction"), 2933,
                   1958, 1695, 975, 12);
    QPushButton *cmdMultiplication =
        makeButton(client, QStringLiteral("cmdMultiplication"), QStringLiteral("Multiplication"),
                   5573, 1958, 1695, 975, 12);
    QPushButton *cmdDivision = makeButton(client, QStringLiteral("cmdDivision"),
                                          QStringLiteral("Division"), 293, 3158, 1695, 975, 12);
    QPushButton *cmdPercent = makeButton(client, QStringLiteral("cmdPercent"),
                                         QStringLiteral("Percent"), 5640, 3120, 1695, 975, 12);
    QPushButton *cmdQuit = makeButton(client, QStringLiteral("cmdQuit"), QStringLiteral("Exit"),
                                      3120, 3600, 1215, 495);

    QMenu *mnuTeacher = window.menuBar()->addMenu(QStringLiteral("Teacher's Guide"));
    mnuTeacher->setObjectName(QStringLiteral("mnuTeacher"));
    QAction *mnuTeacherPrint = mnuTeacher->addAction(QStringLiteral("Print Test"));
    mnuTeacherPrint->setObjectName(QStringLiteral("mnuTeacherPrint"));

    setTabOrder({m_txtFirstName, cmdQuit, cmdAddition, cmdSubtraction, cmdMultiplication,
                 cmdDivision, cmdPercent});
    m_txtFirstName->setFocus();

    connect(cmdAddition, &QPushButton::clicked, this, &frmSelection::cmdAddition_Click);
    connect(cmdSubtraction, &QPushButton::clicked, this, &frmSelection::cmdSubtraction_Click);
    connect(cmdMultiplication, &QPushButton::clicked, this, &frmSelection::cmdMultiplication_Click);
    connect(cmdDivision, &QPushButton::clicked, this, &frmSelection::cmdDivision_Click);
    connect(cmdPercent, &QPushButton::clicked, this, &frmSelection::cmdPercent_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmSelection::cmdQuit_Click);
    connect(mnuTeacherPrint, &QAction::triggered, this, &frmSelection::mnuTeacherPrint_Click);
}

void frmSelection::screenUnloaded()
{
    m_txtFirstName = nullptr;
}

void frmSelection::Form_Load()
{
    show();
}

void frmSelection::FirstName()
{
    if (m_txtFirstName == nullptr) {
        return;
    }
    const QString text = m_txtFirstName->text();
    if (text.isEmpty()) {
        return;
    }
    // Full Unicode case mapping: the name is taken whole, blanks and all.
    strFullName = text.toUpper();
}

void frmSelection::openDrill(Form &drill)
{
    FirstName();
    hide();
    drill.load();
}

void frmSelection::cmdAddition_Click()
{
    openDrill(m_program.addition());
}

void frmSelection::cmdSubtraction_Click()
{
    openDrill(m_program.subtraction());
}

void frmSelection::cmdMultiplication_Click()
{
    openDrill(m_program.multiplication());
}

void frmSelection::cmdDivision_Click()
{
    openDrill(m_program.division());
}

void frmSelection::cmdPercent_Click()
{
    openDrill(m_program.percent());
}

void frmSelection::cmdQuit_Click()
{
    m_program.endProgram();
}

void frmSelection::mnuTeacherPrint_Click()
{
    unload();
    m_program.teacherAide().load();
}

void frmSelection::titleBarClose()
{
    cmdQuit_Click();
}
