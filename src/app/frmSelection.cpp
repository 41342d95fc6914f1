#include "app/frmSelection.h"

#include "platform/Controls.h"
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
    using R = SelectionRole;
    constexpr CaptionAlign L = CaptionAlign::Left;
    constexpr CaptionAlign C = CaptionAlign::Centre;
    static const QList<SelectionControl> rows = {
        // role, name, caption, left, top, width, height, points, tab index, alignment
        {R::Heading, "Label1",
         QT_TRANSLATE_NOOP("frmSelection", "Sumtopia:  Choose Your Category Please"), 360, 240,
         6735, 495, 13.5, 7, L},
        {R::Prompt, "Label3", QT_TRANSLATE_NOOP("frmSelection", "Enter Your First Name:"), 420, 960,
         1695, 495, 8.25, 9, L},
        {R::Name, "txtFirstName", "", 2213, 960, 2775, 555, 18, 0, L},
        {R::Addition, "cmdAddition", QT_TRANSLATE_NOOP("frmSelection", "Addition"), 293, 1958, 1695,
         975, 12, 2, C},
        {R::Subtraction, "cmdSubtraction", QT_TRANSLATE_NOOP("frmSelection", "Subtraction"), 2933,
         1958, 1695, 975, 12, 3, C},
        {R::Multiplication, "cmdMultiplication",
         QT_TRANSLATE_NOOP("frmSelection", "Multiplication"), 5573, 1958, 1695, 975, 12, 4, C},
        {R::Division, "cmdDivision", QT_TRANSLATE_NOOP("frmSelection", "Division"), 293, 3158, 1695,
         975, 12, 5, C},
        {R::Percent, "cmdPercent", QT_TRANSLATE_NOOP("frmSelection", "Percent"), 5640, 3120, 1695,
         975, 12, 6, C},
        {R::Quit, "cmdQuit", QT_TRANSLATE_NOOP("frmSelection", "Exit"), 3120, 3600, 1215, 495, 8.25,
         1, C},
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
    QList<TabStop> focusable;
    QLabel *prompt = nullptr;
    for (const SelectionControl &row : selectionControls()) {
        switch (row.role) {
        case SelectionRole::Heading: {
            QLabel *label =
                makeLabel(client, row.name, translated("frmSelection", row.caption), row.left,
                          row.top, row.width, row.height, row.points, alignmentFor(row.align));
            setSingleBorder(label);
            setTransparent(label);
            break;
        }
        case SelectionRole::Prompt:
            prompt = makeLabel(client, row.name, translated("frmSelection", row.caption), row.left,
                               row.top, row.width, row.height, row.points, alignmentFor(row.align));
            setBackground(prompt, DesignColor::Cyan);
            break;
        case SelectionRole::Name:
            m_txtFirstName = new QLineEdit(client);
            m_txtFirstName->setObjectName(row.name);
            m_txtFirstName->setFont(designFont(row.points));
            setBackground(m_txtFirstName, DesignColor::Cyan);
            placeTwips(m_txtFirstName, row.left, row.top, row.width, row.height);
            // Read by its prompt, which stands before it.
            if (prompt != nullptr) {
                prompt->setBuddy(m_txtFirstName);
            }
            focusable.append({row.tabIndex, m_txtFirstName.data()});
            break;
        case SelectionRole::Addition:
        case SelectionRole::Subtraction:
        case SelectionRole::Multiplication:
        case SelectionRole::Division:
        case SelectionRole::Percent:
        case SelectionRole::Quit: {
            QPushButton *button =
                makeButton(client, row.name, translated("frmSelection", row.caption), row.left,
                           row.top, row.width, row.height, row.points);
            connect(button, &QPushButton::clicked, this, handlers.at(row.role));
            focusable.append({row.tabIndex, button});
            break;
        }
        }
    }

    QMenu *mnuTeacher = window.menuBar()->addMenu(tr("Teacher's Guide"));
    mnuTeacher->setObjectName(QStringLiteral("mnuTeacher"));
    QAction *mnuTeacherPrint = mnuTeacher->addAction(tr("Print Test"));
    mnuTeacherPrint->setObjectName(QStringLiteral("mnuTeacherPrint"));
    connect(mnuTeacherPrint, &QAction::triggered, this, &frmSelection::mnuTeacherPrint_Click);

    setTabOrder(focusable)->setFocus();
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
