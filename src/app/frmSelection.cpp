#include "app/frmSelection.h"

#include "platform/Controls.h"
#include "platform/ScreenBuilder.h"
#include "platform/Texts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <map>

const QList<SelectionControl> &selectionControls()
{
    using Role = SelectionRole;
    constexpr CaptionAlign Left = CaptionAlign::Left;
    constexpr CaptionAlign Centre = CaptionAlign::Centre;
    static const QList<SelectionControl> rows = {
        // role, name, caption, left, top, width, height, points, tab index, alignment; the prompt
        // names the box beside it
        {Role::Heading, "Label1",
         QT_TRANSLATE_NOOP("frmSelection", "Sumtopia:  Choose Your Category Please"), 360, 240,
         6735, 495, 13.5, 7, Left},
        {Role::Prompt, "Label3", QT_TRANSLATE_NOOP("frmSelection", "Enter Your First Name:"), 420,
         960, 1695, 495, 8.25, 9, Left, false, "txtFirstName"},
        {Role::Name, "txtFirstName", "", 2213, 960, 2775, 555, 18, 0, Left},
        {Role::Addition, "cmdAddition", QT_TRANSLATE_NOOP("frmSelection", "Addition"), 293, 1958,
         1695, 975, 12, 2, Centre},
        {Role::Subtraction, "cmdSubtraction", QT_TRANSLATE_NOOP("frmSelection", "Subtraction"),
         2933, 1958, 1695, 975, 12, 3, Centre},
        {Role::Multiplication, "cmdMultiplication",
         QT_TRANSLATE_NOOP("frmSelection", "Multiplication"), 5573, 1958, 1695, 975, 12, 4, Centre},
        {Role::Division, "cmdDivision", QT_TRANSLATE_NOOP("frmSelection", "Division"), 293, 3158,
         1695, 975, 12, 5, Centre},
        //: The button that opens the percent drill: the arithmetic of percentages.
        {Role::Percent, "cmdPercent", QT_TRANSLATE_NOOP("frmSelection", "Percent"), 5640, 3120,
         1695, 975, 12, 6, Centre},
        //: The button that ends the whole program at once.
        {Role::Quit, "cmdQuit", QT_TRANSLATE_NOOP("frmSelection", "Exit"), 3120, 3600, 1215, 495,
         8.25, 1, Centre},
    };
    return rows;
}

frmSelection::frmSelection(FormHost &host) : Form(host, QStringLiteral("frmSelection")) {}

void frmSelection::buildScreen(FormWindow &window)
{
    using Handler = void (frmSelection::*)();
    static const std::map<SelectionRole, Handler> handlers = {
        {SelectionRole::Addition, &frmSelection::cmdAddition_Click},
        {SelectionRole::Subtraction, &frmSelection::cmdSubtraction_Click},
        {SelectionRole::Multiplication, &frmSelection::cmdMultiplication_Click},
        {SelectionRole::Division, &frmSelection::cmdDivision_Click},
        {SelectionRole::Percent, &frmSelection::cmdPercent_Click},
        {SelectionRole::Quit, &frmSelection::cmdQuit_Click},
    };

    window.setWindowTitle(tr("Math Application Choices"));
    window.setClientSizeTwips(7560, 4890);
    QWidget *client = window.client();
    setBackground(client, DesignColor::Cyan);
    client->setFont(defaultDesignFont());

    // Only the name box and the buttons take the focus; the labels' tab indexes order nothing.
    ScreenBuilder build(client, "frmSelection");
    for (const SelectionControl &row : selectionControls()) {
        switch (row.role) {
        case SelectionRole::Heading: {
            QLabel *label = build.label(row);
            setSingleBorder(label);
            setTransparent(label);
            break;
        }
        case SelectionRole::Prompt:
            setBackground(build.label(row), DesignColor::Cyan);
            break;
        case SelectionRole::Name:
            m_txtFirstName = new QLineEdit(client);
            build.place(m_txtFirstName, row);
            setBackground(m_txtFirstName, DesignColor::Cyan);
            break;
        case SelectionRole::Addition:
        case SelectionRole::Subtraction:
        case SelectionRole::Multiplication:
        case SelectionRole::Division:
        case SelectionRole::Percent:
        case SelectionRole::Quit:
            connect(build.button(row), &QPushButton::clicked, this, handlers.at(row.role));
            break;
        }
    }

    QMenu *mnuTeacher = window.menuBar()->addMenu(tr("Teacher's Guide"));
    mnuTeacher->setObjectName(QStringLiteral("mnuTeacher"));
    //: Opens the window where a teacher orders a printed worksheet.
    QAction *mnuTeacherPrint = mnuTeacher->addAction(tr("Print Test"));
    mnuTeacherPrint->setObjectName(QStringLiteral("mnuTeacherPrint"));
    connect(mnuTeacherPrint, &QAction::triggered, this, &frmSelection::mnuTeacherPrint_Click);

    build.finish()->setFocus();
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
    // By the rules of the child's language; the name is taken whole, blanks and all.
    strFullName = upperCaseName(text, languageLocale());
}

void frmSelection::openDrill(Category category)
{
    FirstName();
    hide();
    Q_EMIT drillRequested(category);
}

void frmSelection::cmdAddition_Click()
{
    openDrill(Category::Addition);
}

void frmSelection::cmdSubtraction_Click()
{
    openDrill(Category::Subtraction);
}

void frmSelection::cmdMultiplication_Click()
{
    openDrill(Category::Multiplication);
}

void frmSelection::cmdDivision_Click()
{
    openDrill(Category::Division);
}

void frmSelection::cmdPercent_Click()
{
    openDrill(Category::Percent);
}

void frmSelection::cmdQuit_Click()
{
    host().endProgram();
}

void frmSelection::mnuTeacherPrint_Click()
{
    unload();
    Q_EMIT printTestRequested();
}

void frmSelection::titleBarClose()
{
    cmdQuit_Click();
}
