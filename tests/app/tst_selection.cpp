#include "ProgramFixture.h"
#include "ScreenChecks.h"
#include "Shown.h"
#include "app/frmSelection.h"
#include "app/frmSplash.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

// How the main menu looks when it comes up: every control as designed.
class tst_Selection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void windowAsDesigned();
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void geometry();
    void tabOrderAndFirstFocus();
    void menuBar();

private:
    std::unique_ptr<ProgramFixture> m_f;
};

void tst_Selection::init()
{
    m_f = std::make_unique<ProgramFixture>();
    m_f->program.start();
    m_f->program.splash().Timer1_Timer();
}

void tst_Selection::cleanup()
{
    m_f.reset();
}

void tst_Selection::windowAsDesigned()
{
    FormWindow *window = m_f->program.selection().window();
    QCOMPARE(window->windowTitle(), shown("frmSelection", "Math Application Choices"));
    QCOMPARE(window->client()->size(), QSize(504, 326));
    QCOMPARE(window->client()->palette().color(QPalette::Window), QColor(0, 255, 255));
    QCOMPARE(m_f->child<QLineEdit>(m_f->program.selection(), "txtFirstName")->text(), QString());
    QCOMPARE(m_f->program.selection().strFullName, QString());
}

// Boxes and type sizes are the screen check's; here a row of each kind keeps its caption and the
// background it is built with.
void tst_Selection::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("background");
    QTest::addRow("heading on the window's own cyan")
        << "Label1"
        << "Sumtopia:  Choose Your Category Please" << QColor();
    QTest::addRow("prompt") << "Label3"
                            << "Enter Your First Name:" << QColor(0, 255, 255);
    QTest::addRow("name box") << "txtFirstName"
                              << "" << QColor(0, 255, 255);
    QTest::addRow("button") << "cmdQuit"
                            << "Exit" << QColor(255, 192, 255);
}

void tst_Selection::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QColor, background);
    auto *widget = m_f->program.selection().window()->findChild<QWidget *>(name);
    QVERIFY(widget != nullptr);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), shown("frmSelection", caption));
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(button->text(), shown("frmSelection", caption));
        QCOMPARE(button->palette().color(QPalette::Button), background);
    }
    if (background.isValid()) {
        QCOMPARE(widget->palette().color(widget->backgroundRole()), background);
    } else {
        QVERIFY(!widget->autoFillBackground());
    }
}

void tst_Selection::geometry()
{
    const QString faults =
        screenFaults(m_f->program.selection().window()->client(), selectionControls());
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    // As designed, at 100%: the name box and the Exit button between the lower category buttons.
    QCOMPARE(m_f->program.selection().txtFirstName()->geometry(), QRect(148, 64, 185, 37));
    QCOMPARE(m_f->program.selection().window()->findChild<QWidget *>("cmdQuit")->geometry(),
             QRect(208, 240, 81, 33));
}

void tst_Selection::tabOrderAndFirstFocus()
{
    FormWindow *window = m_f->program.selection().window();
    QWidget *first = window->findChild<QWidget *>(QStringLiteral("txtFirstName"));
    QCOMPARE(window->focusWidget(), first);
    const QStringList expected = {"txtFirstName",   "cmdQuit",           "cmdAddition",
                                  "cmdSubtraction", "cmdMultiplication", "cmdDivision",
                                  "cmdPercent"};
    QWidget *widget = first;
    for (const QString &name : expected) {
        QCOMPARE(widget->objectName(), name);
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible()) {
            widget = widget->nextInFocusChain();
        }
    }
}

void tst_Selection::menuBar()
{
    auto *menu = m_f->child<QMenu>(m_f->program.selection(), "mnuTeacher");
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->title(), shown("frmSelection", "Teacher's Guide"));
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().at(0)->objectName(), QStringLiteral("mnuTeacherPrint"));
    QCOMPARE(menu->actions().at(0)->text(), shown("frmSelection", "Print Test"));
}

QTEST_MAIN(tst_Selection)
#include "tst_selection.moc"
