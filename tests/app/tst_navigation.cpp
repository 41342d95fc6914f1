#include "ProgramFixture.h"
#include "app/frmSelection.h"
#include "app/frmSplash.h"
#include "drills/frmAddition.h"
#include "worksheets/frmTeacherAide.h"

#include <QLineEdit>

// The hand-over between the windows, row by row, with the splash already given way as in a run.
class tst_Navigation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void categoryOpensDrill_data();
    void categoryOpensDrill();
    void menuExitEndsRun();
    void menuTitleBarCloseEndsRun();
    void menuPrintTestOpensRequestWindow();
    void requestExitBringsBackUnloadedMenu();
    void drillBackShowsMenuAsLeft_data();
    void drillBackShowsMenuAsLeft();
    void drillExitAndEmptyGradeEndRun_data();
    void drillExitAndEmptyGradeEndRun();
    void drillPrintTestThenExitShowsHiddenMenu();
    void nameIsStoredUpperCased_data();
    void nameIsStoredUpperCased();
    void emptyBoxKeepsEarlierName();
    void nameSurvivesMenuUnload();

private:
    static void startToMenu(ProgramFixture &f);
    static Form &drillNamed(ProgramFixture &f, const QString &name);
};

void tst_Navigation::startToMenu(ProgramFixture &f)
{
    f.program.start();
    f.program.splash().Timer1_Timer();
    QVERIFY(f.program.selection().isVisible());
}

Form &tst_Navigation::drillNamed(ProgramFixture &f, const QString &name)
{
    for (Form *form : f.program.forms()) {
        if (form->name() == name) {
            return *form;
        }
    }
    qFatal("no form %s", qPrintable(name));
}

void tst_Navigation::categoryOpensDrill_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("drill");
    QTest::addRow("addition") << "cmdAddition"
                              << "frmAddition";
    QTest::addRow("subtraction") << "cmdSubtraction"
                                 << "frmSubtraction";
    QTest::addRow("multiplication") << "cmdMultiplication"
                                    << "frmMultiplication";
    QTest::addRow("division") << "cmdDivision"
                              << "frmDivision";
    QTest::addRow("percent") << "cmdPercent"
                             << "frmPercent";
}

void tst_Navigation::categoryOpensDrill()
{
    QFETCH(QString, button);
    QFETCH(QString, drill);
    ProgramFixture f;
    startToMenu(f);
    f.child<QLineEdit>(f.program.selection(), "txtFirstName")->setText(QStringLiteral("ann"));
    f.dialogs.answerInput(QStringLiteral("3"));
    QVERIFY(f.click(f.program.selection(), button.toLatin1().constData()));

    Form &form = drillNamed(f, drill);
    QCOMPARE(f.program.selection().strFullName, QStringLiteral("ANN"));
    QVERIFY(f.program.selection().isLoaded());
    QVERIFY(!f.program.selection().isVisible());
    QVERIFY(form.isVisible());
    QCOMPARE(f.program.visibleCount(), 1);
    // The prompt's texts are the drill window's test; here, that the drill asked once.
    QCOMPARE(f.dialogs.shown().size(), 1);
}

void tst_Navigation::menuExitEndsRun()
{
    ProgramFixture f;
    startToMenu(f);
    QVERIFY(f.click(f.program.selection(), "cmdQuit"));
    QCOMPARE(f.quits, 1);
    QCOMPARE(f.program.loadedCount(), 0);
}

void tst_Navigation::menuTitleBarCloseEndsRun()
{
    ProgramFixture f;
    startToMenu(f);
    f.program.selection().window()->close();
    QCOMPARE(f.quits, 1);
    QCOMPARE(f.program.loadedCount(), 0);
}

void tst_Navigation::menuPrintTestOpensRequestWindow()
{
    ProgramFixture f;
    startToMenu(f);
    QVERIFY(f.trigger(f.program.selection(), "mnuTeacherPrint"));
    ProgramFixture::settle();
    QVERIFY(!f.program.selection().isLoaded());
    QVERIFY(f.program.teacherAide().isVisible());
    QCOMPARE(f.program.visibleCount(), 1);
    QCOMPARE(f.quits, 0);
}

void tst_Navigation::requestExitBringsBackUnloadedMenu()
{
    ProgramFixture f;
    startToMenu(f);
    f.child<QLineEdit>(f.program.selection(), "txtFirstName")->setText(QStringLiteral("bo"));
    f.dialogs.answerInput(QStringLiteral("1"));
    QVERIFY(f.click(f.program.selection(), "cmdAddition"));
    QVERIFY(f.click(f.program.addition(), "cmdBack"));
    QVERIFY(f.trigger(f.program.selection(), "mnuTeacherPrint"));
    QVERIFY(f.click(f.program.teacherAide(), "cmdExit"));
    ProgramFixture::settle();
    QVERIFY(!f.program.teacherAide().isLoaded());
    QVERIFY(f.program.selection().isVisible());
    // A fresh menu: the box is empty again, but the stored name stays.
    QCOMPARE(f.child<QLineEdit>(f.program.selection(), "txtFirstName")->text(), QString());
    QCOMPARE(f.program.selection().strFullName, QStringLiteral("BO"));
    QCOMPARE(f.program.visibleCount(), 1);
    QCOMPARE(f.quits, 0);
}

void tst_Navigation::drillBackShowsMenuAsLeft_data()
{
    categoryOpensDrill_data();
}

void tst_Navigation::drillBackShowsMenuAsLeft()
{
    QFETCH(QString, button);
    QFETCH(QString, drill);
    ProgramFixture f;
    startToMenu(f);
    f.child<QLineEdit>(f.program.selection(), "txtFirstName")->setText(QStringLiteral("Zoë"));
    f.dialogs.answerInput(QStringLiteral("5"));
    QVERIFY(f.click(f.program.selection(), button.toLatin1().constData()));
    Form &form = drillNamed(f, drill);
    QVERIFY(f.click(form, "cmdBack"));
    ProgramFixture::settle();
    QVERIFY(!form.isLoaded());
    QVERIFY(f.program.selection().isVisible());
    QCOMPARE(f.child<QLineEdit>(f.program.selection(), "txtFirstName")->text(),
             QStringLiteral("Zoë"));
    QCOMPARE(f.program.visibleCount(), 1);

    // The same category again asks for the grade again.
    f.dialogs.answerInput(QStringLiteral("2"));
    QVERIFY(f.click(f.program.selection(), button.toLatin1().constData()));
    QVERIFY(form.isVisible());
    QCOMPARE(f.dialogs.shown().size(), 2);
    QCOMPARE(f.quits, 0);
}

void tst_Navigation::drillExitAndEmptyGradeEndRun_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("how");
    const QList<QPair<QString, QString>> drills = {{"cmdAddition", "frmAddition"},
                                                   {"cmdSubtraction", "frmSubtraction"},
                                                   {"cmdMultiplication", "frmMultiplication"},
                                                   {"cmdDivision", "frmDivision"},
                                                   {"cmdPercent", "frmPercent"}};
    // Each drill's table gives its own Exit button; the cancelled prompt and the title bar are
    // the one window class's, so once each.
    for (const auto &[button, drill] : drills) {
        QTest::addRow("%s exit", qPrintable(drill)) << button << drill << "exit";
    }
    QTest::addRow("frmSubtraction empty grade") << "cmdSubtraction"
                                                << "frmSubtraction"
                                                << "empty";
    QTest::addRow("frmPercent title-bar close") << "cmdPercent"
                                                << "frmPercent"
                                                << "close";
}

void tst_Navigation::drillExitAndEmptyGradeEndRun()
{
    QFETCH(QString, button);
    QFETCH(QString, drill);
    QFETCH(QString, how);
    ProgramFixture f;
    startToMenu(f);
    f.dialogs.answerInput(how == "empty" ? QString() : QStringLiteral("4"));
    QVERIFY(f.click(f.program.selection(), button.toLatin1().constData()));
    Form &form = drillNamed(f, drill);
    if (how == "exit") {
        QVERIFY(f.click(form, "cmdExit"));
    } else if (how == "close") {
        form.window()->close();
    }
    ProgramFixture::settle();
    QCOMPARE(f.quits, 1);
    QCOMPARE(f.program.loadedCount(), 0);
    QCOMPARE(f.program.visibleCount(), 0);
}

// Every drill's menu opening the request window is the drill access test's; here, the way back.
void tst_Navigation::drillPrintTestThenExitShowsHiddenMenu()
{
    const QString button = QStringLiteral("cmdDivision");
    const QString drill = QStringLiteral("frmDivision");
    ProgramFixture f;
    startToMenu(f);
    f.child<QLineEdit>(f.program.selection(), "txtFirstName")->setText(QStringLiteral("kim"));
    f.dialogs.answerInput(QStringLiteral("6"));
    QVERIFY(f.click(f.program.selection(), button.toLatin1().constData()));
    Form &form = drillNamed(f, drill);
    QVERIFY(f.trigger(form, "mnuTeacherPrint"));
    ProgramFixture::settle();
    QVERIFY(!form.isLoaded());
    QVERIFY(f.program.teacherAide().isVisible());
    QVERIFY(f.program.selection().isLoaded());
    QVERIFY(!f.program.selection().isVisible());
    QCOMPARE(f.program.visibleCount(), 1);

    QVERIFY(f.click(f.program.teacherAide(), "cmdExit"));
    ProgramFixture::settle();
    QVERIFY(f.program.selection().isVisible());
    QCOMPARE(f.child<QLineEdit>(f.program.selection(), "txtFirstName")->text(),
             QStringLiteral("kim"));
    QCOMPARE(f.program.visibleCount(), 1);
    QCOMPARE(f.quits, 0);
}

void tst_Navigation::nameIsStoredUpperCased_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addRow("lower case") << "ann"
                                << "ANN";
    QTest::addRow("blanks kept") << "  ann lee "
                                 << "  ANN LEE ";
    QTest::addRow("only blanks, still a name") << "   "
                                               << "   ";
    QTest::addRow("sharp s") << QString::fromUtf8("straße") << "STRASSE";
    QTest::addRow("greek") << QString::fromUtf8("σοφία") << QString::fromUtf8("ΣΟΦΊΑ");
    QTest::addRow("cyrillic") << QString::fromUtf8("юля") << QString::fromUtf8("ЮЛЯ");
    QTest::addRow("emoji kept") << QString::fromUtf8("mia 🦊") << QString::fromUtf8("MIA 🦊");
    QTest::addRow("not a name at all") << "3 + 4"
                                       << "3 + 4";
}

void tst_Navigation::nameIsStoredUpperCased()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    ProgramFixture f;
    startToMenu(f);
    f.child<QLineEdit>(f.program.selection(), "txtFirstName")->setText(typed);
    f.program.selection().FirstName();
    QCOMPARE(f.program.selection().strFullName, stored);
}

void tst_Navigation::emptyBoxKeepsEarlierName()
{
    ProgramFixture f;
    startToMenu(f);
    auto *box = f.child<QLineEdit>(f.program.selection(), "txtFirstName");
    box->setText(QStringLiteral("ann"));
    f.dialogs.answerInput(QStringLiteral("1"));
    QVERIFY(f.click(f.program.selection(), "cmdAddition"));
    QVERIFY(f.click(f.program.addition(), "cmdBack"));
    box->clear();
    f.dialogs.answerInput(QStringLiteral("1"));
    QVERIFY(f.click(f.program.selection(), "cmdSubtraction"));
    QCOMPARE(f.program.selection().strFullName, QStringLiteral("ANN"));
}

void tst_Navigation::nameSurvivesMenuUnload()
{
    ProgramFixture f;
    startToMenu(f);
    auto *box = f.child<QLineEdit>(f.program.selection(), "txtFirstName");
    // A pasted megabyte is taken whole without trouble.
    box->setMaxLength(2 * 1024 * 1024);
    box->setText(QString(1024 * 1024, QLatin1Char('x')));
    f.program.selection().FirstName();
    QCOMPARE(f.program.selection().strFullName.size(), 1024 * 1024);
    QVERIFY(f.trigger(f.program.selection(), "mnuTeacherPrint"));
    ProgramFixture::settle();
    QVERIFY(!f.program.selection().isLoaded());
    QCOMPARE(f.program.selection().strFullName, QString(1024 * 1024, QLatin1Char('X')));
}

QTEST_MAIN(tst_Navigation)
#include "tst_navigation.moc"
