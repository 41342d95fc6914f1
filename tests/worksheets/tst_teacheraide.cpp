#include "PrintServerWords.h"
#include "ProgramFixture.h"
#include "app/Program.h"
#include "app/frmSelection.h"
#include "platform/Controls.h"
#include "platform/RandomSource.h"
#include "platform/Twips.h"
#include "printing/DeliveryText.h"
#include "printing/TextSurface.h"
#include "worksheets/Worksheets.h"
#include "worksheets/frmTeacherAide.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

namespace
{

QStringList shownMessages(const ScriptedDialogs &dialogs)
{
    QStringList result;
    for (const ScriptedDialogs::Shown &shown : dialogs.shown()) {
        result.append(shown.kind + ": " + shown.prompt + " / " + shown.title);
    }
    return result;
}

// An outcome as the window tells it: its sentence in a message box with the window's title.
QString shownMessage(const DeliveryOutcome &outcome)
{
    return "message: " + outcomeSentence(outcome, Reader::Window) + " / Print Test";
}

} // namespace

class tst_TeacherAide : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void controls_data();
    void controls();
    void geometry();
    void window();
    void comboItems_data();
    void comboItems();
    void listsAreNamedByTheirPrompts_data();
    void listsAreNamedByTheirPrompts();
    void stateAtLoad();
    void tabOrder();
    void tabReachesCheckedChoice_data();
    void tabReachesCheckedChoice();
    void questionSaidOnce();
    void submitChecks_data();
    void submitChecks();
    void typedTextIsNoChoice();
    void requestState_data();
    void requestState();
    void printsTheCoreWorksheet_data();
    void printsTheCoreWorksheet();
    void subtractionQuestion_data();
    void subtractionQuestion();
    void secondSubmitPrintsOtherProblems();
    void noPrinterOffersPdf_data();
    void noPrinterOffersPdf();
    void printerOutcomes_data();
    void printerOutcomes();
    void jobFailingLaterIsReported_data();
    void jobFailingLaterIsReported();
    void waitingJobIsTold();
    void exitBringsMenuBack_data();
    void exitBringsMenuBack();
    void reloadStartsFresh();
};

// Every box, type size and caption's fit is the request layout test's; here one control of each
// kind keeps its caption, alignment and background.
void tst_TeacherAide::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("right");

    QTest::addRow("Label1") << "Label1"
                            << "This Form is Designed to Aid You in the Creation of a Test."
                            << false;
    QTest::addRow("Label3") << "Label3"
                            << "Enter Grade Level: (1 - 6):" << true;
    QTest::addRow("Frame1") << "Frame1"
                            << "Would you like a copy of the test with answers?" << false;
    QTest::addRow("optYes") << "optYes"
                            << "Yes" << false;
    QTest::addRow("cmdExit") << "cmdExit"
                             << "Exit" << false;
}

void tst_TeacherAide::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, right);
    ProgramFixture f;
    f.aide().load();
    QWidget *widget = f.aide().window()->findChild<QWidget *>(name);
    QVERIFY(widget != nullptr);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(bool(label->alignment() & Qt::AlignRight), right);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        QCOMPARE(button->text(), caption);
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QCOMPARE(frame->title(), caption);
    }
    const QColor colour = qobject_cast<QPushButton *>(widget) ? bgrColor(DesignColor::LightPink)
                                                              : bgrColor(DesignColor::Cyan);
    QCOMPARE(widget->palette().color(widget->backgroundRole()), colour);
}

void tst_TeacherAide::geometry()
{
    ProgramFixture f;
    f.aide().load();
    // The whole table is checked in every language by the request layout test; here, as
    // designed at 100%: the subject list right of its prompt, the buttons at the foot.
    QCOMPARE(f.child<QComboBox>(f.aide(), "cboSubject")->geometry(), QRect(360, 72, 121, 21));
    QCOMPARE(f.child<QPushButton>(f.aide(), "cmdExit")->geometry(), QRect(364, 284, 81, 33));
}

void tst_TeacherAide::window()
{
    ProgramFixture f;
    f.aide().load();
    FormWindow *window = f.aide().window();
    QCOMPARE(window->windowTitle(), QString("Teachers Aide"));
    QCOMPARE(window->client()->size(), QSize(twipsToPixels(7560), twipsToPixels(5175)));
    QCOMPARE(window->client()->palette().color(QPalette::Window), bgrColor(DesignColor::Cyan));
    QCOMPARE(f.child<QGroupBox>(f.aide(), "Frame1")->toolTip(),
             QString("Due to the nature of a random generator, it will only perform one or the "
                     "other"));
    QCOMPARE(f.child<QRadioButton>(f.aide(), "optYes")->parentWidget(),
             f.child<QGroupBox>(f.aide(), "Frame1"));
    QCOMPARE(f.child<QRadioButton>(f.aide(), "optNo")->parentWidget(),
             f.child<QGroupBox>(f.aide(), "Frame1"));
}

void tst_TeacherAide::comboItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addRow("subjects") << "cboSubject"
                              << QStringList{"Addition", "Subtraction", "Division",
                                             "Multiplication", "Percents"};
    QTest::addRow("grades, the first with a tab")
        << "cboGrade" << QStringList{"1\t", "2", "3", "4", "5", "6"};
    QStringList seeds;
    for (int i = 1; i <= 20; ++i) {
        seeds.append(QString::number(i));
    }
    QTest::addRow("seeds filled at load") << "cboSeed" << seeds;
}

void tst_TeacherAide::comboItems()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    ProgramFixture f;
    f.aide().load();
    auto *combo = f.aide().window()->findChild<QComboBox *>(name);
    QStringList actual;
    for (int i = 0; i < combo->count(); ++i) {
        actual.append(combo->itemText(i));
    }
    QCOMPARE(actual, items);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->currentIndex(), -1);
}

void tst_TeacherAide::listsAreNamedByTheirPrompts_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("prompt");
    QTest::addRow("subject") << "cboSubject"
                             << "Label2";
    QTest::addRow("grade") << "cboGrade"
                           << "Label3";
    QTest::addRow("seed") << "cboSeed"
                          << "Label4";
}

void tst_TeacherAide::listsAreNamedByTheirPrompts()
{
    QFETCH(QString, list);
    QFETCH(QString, prompt);
    ProgramFixture f;
    f.aide().load();
    auto *combo = f.aide().window()->findChild<QComboBox *>(list);
    auto *label = f.aide().window()->findChild<QLabel *>(prompt);
    QVERIFY(combo != nullptr && label != nullptr);
    QAccessibleInterface *listInterface = QAccessible::queryAccessibleInterface(combo);
    QAccessibleInterface *labelInterface = QAccessible::queryAccessibleInterface(label);
    QVERIFY(listInterface != nullptr && labelInterface != nullptr);
    QCOMPARE(listInterface->text(QAccessible::Name), label->text());
    // Screen readers on Linux follow the relation from the list to its label.
    bool labelled = false;
    for (const auto &relation : listInterface->relations(QAccessible::Label)) {
        labelled = labelled || relation.first == labelInterface;
    }
    QVERIFY(labelled);
}

void tst_TeacherAide::stateAtLoad()
{
    ProgramFixture f;
    f.aide().load();
    QVERIFY(f.aide().isVisible());
    QVERIFY(f.child<QRadioButton>(f.aide(), "optNo")->isChecked());
    QVERIFY(!f.child<QRadioButton>(f.aide(), "optYes")->isChecked());
    QVERIFY(QTest::qWaitForWindowActive(f.aide().window()));
    QCOMPARE(f.focused(f.aide()), f.child<QComboBox>(f.aide(), "cboSubject"));
    QCOMPARE(int(f.aide().intGrade), 0);
    QCOMPARE(int(f.aide().intSeed), 0);
}

void tst_TeacherAide::tabOrder()
{
    ProgramFixture f;
    f.aide().load();
    const QStringList order{"cmdSubmit",  "optYes",   "optNo",  "cmdExit",
                            "cboSubject", "cboGrade", "cboSeed"};
    QList<QWidget *> widgets;
    for (const QString &name : order) {
        widgets.append(f.aide().window()->findChild<QWidget *>(name));
    }
    QStringList chain;
    QWidget *widget = widgets.first();
    for (int step = 0; step < 200 && chain.size() < order.size(); ++step) {
        if (widgets.contains(widget) && !chain.contains(widget->objectName())) {
            chain.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(chain, order);
}

// The keyboard reaches the answer choice where it stands: Tab and Shift+Tab stop on the checked
// button only, and an arrow moves to the other one and checks it.
void tst_TeacherAide::tabReachesCheckedChoice_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("landing");
    QTest::addRow("No as loaded, Tab from Submit") << "" << 0 << false << "optNo";
    QTest::addRow("No as loaded, Shift+Tab from Exit") << "" << 0 << true << "optNo";
    QTest::addRow("Yes clicked, Tab") << "optYes" << 0 << false << "optYes";
    QTest::addRow("Yes clicked, Shift+Tab") << "optYes" << 0 << true << "optYes";
    QTest::addRow("Left from No, Tab") << "" << int(Qt::Key_Left) << false << "optYes";
    QTest::addRow("Right from Yes, Shift+Tab") << "optYes" << int(Qt::Key_Right) << true << "optNo";
}

void tst_TeacherAide::tabReachesCheckedChoice()
{
    QFETCH(QString, clicked);
    QFETCH(int, arrow);
    QFETCH(bool, backwards);
    QFETCH(QString, landing);
    ProgramFixture f;
    f.aide().load();
    QVERIFY(QTest::qWaitForWindowActive(f.aide().window()));
    QRadioButton *checked = f.aide().optNo();
    if (!clicked.isEmpty()) {
        checked = f.child<QRadioButton>(f.aide(), clicked.toLatin1().constData());
        QTest::mouseClick(checked, Qt::LeftButton);
    }
    if (arrow != 0) {
        checked->setFocus(Qt::TabFocusReason);
        QTest::keyClick(checked, static_cast<Qt::Key>(arrow));
        QCOMPARE(f.focused(f.aide())->objectName(), landing);
    }
    QCOMPARE(f.aide().optYes()->isChecked(), landing == QLatin1String("optYes"));
    QCOMPARE(f.aide().optNo()->isChecked(), landing == QLatin1String("optNo"));

    const Qt::Key tab = backwards ? Qt::Key_Backtab : Qt::Key_Tab;
    const Qt::KeyboardModifiers shift = backwards ? Qt::ShiftModifier : Qt::NoModifier;
    QWidget *start = f.child<QWidget>(f.aide(), backwards ? "cmdExit" : "cmdSubmit");
    start->setFocus(Qt::TabFocusReason);
    QTest::keyClick(start, tab, shift);
    QCOMPARE(f.focused(f.aide())->objectName(), landing);
    // The other choice is no stop of its own: one more Tab leaves the frame.
    QTest::keyClick(f.focused(f.aide()), tab, shift);
    QCOMPARE(f.focused(f.aide())->objectName(), QString(backwards ? "cmdSubmit" : "cmdExit"));
}

// The frame says the question as the focus enters it; the buttons are not labelled by it again.
void tst_TeacherAide::questionSaidOnce()
{
    ProgramFixture f;
    f.aide().load();
    QAccessibleInterface *frame =
        QAccessible::queryAccessibleInterface(f.child<QGroupBox>(f.aide(), "Frame1"));
    QCOMPARE(frame->text(QAccessible::Name),
             QStringLiteral("Would you like a copy of the test with answers?"));
    for (const char *name : {"optYes", "optNo"}) {
        QAccessibleInterface *option =
            QAccessible::queryAccessibleInterface(f.child<QRadioButton>(f.aide(), name));
        QCOMPARE(option->role(), QAccessible::RadioButton);
        QCOMPARE(option->text(QAccessible::Name), QString::fromLatin1(name).mid(3));
        QCOMPARE(option->parent()->object(), frame->object());
        QVERIFY(option->relations(QAccessible::Label).isEmpty());
        QCOMPARE(bool(option->state().checked), QByteArray(name) == "optNo");
    }
}

void tst_TeacherAide::submitChecks_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("seed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus");

    const QString subjectMessage = "message: Please Select A Subject / Subject";
    const QString gradeMessage = "message: Please Enter A Grade Level / Grade";
    const QString seedMessage = "message: Please enter seed from 1 to 20 / Seed";
    QTest::addRow("nothing chosen")
        << -1 << -1 << -1 << QStringList{subjectMessage, gradeMessage, seedMessage} << "cboSeed";
    QTest::addRow("no subject") << -1 << 2 << 3 << QStringList{subjectMessage} << "cboSubject";
    QTest::addRow("no grade") << 0 << -1 << 3 << QStringList{gradeMessage} << "cboGrade";
    QTest::addRow("no seed") << 0 << 2 << -1 << QStringList{seedMessage} << "cboSeed";
    QTest::addRow("no subject, no grade")
        << -1 << -1 << 5 << QStringList{subjectMessage, gradeMessage} << "cboGrade";
    QTest::addRow("no subject, no seed")
        << -1 << 1 << -1 << QStringList{subjectMessage, seedMessage} << "cboSeed";
    QTest::addRow("no grade, no seed")
        << 4 << -1 << -1 << QStringList{gradeMessage, seedMessage} << "cboSeed";
    QTest::addRow("all chosen") << 0 << 0 << 0 << QStringList{} << "";
}

void tst_TeacherAide::submitChecks()
{
    QFETCH(int, subject);
    QFETCH(int, grade);
    QFETCH(int, seed);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    ProgramFixture f;
    f.aide().load();
    f.choose("cboSubject", subject);
    f.choose("cboGrade", grade);
    f.choose("cboSeed", seed);
    f.child<QPushButton>(f.aide(), "cmdSubmit")->setFocus();
    for (int i = 0; i < messages.size(); ++i) {
        f.dialogs.answerMessage(Dialogs::Answer::Ok);
    }
    f.submit();
    QCOMPARE(shownMessages(f.dialogs), messages);
    for (const ScriptedDialogs::Shown &shown : f.dialogs.shown()) {
        QCOMPARE(shown.buttons, Dialogs::Buttons::Ok);
    }
    QCOMPARE(f.printed().size(), messages.isEmpty() ? 1 : 0);
    if (!focus.isEmpty()) {
        QCOMPARE(f.focused(f.aide()), f.child<QWidget>(f.aide(), qPrintable(focus)));
    }
    QVERIFY(f.aide().isLoaded());
}

void tst_TeacherAide::typedTextIsNoChoice()
{
    ProgramFixture f;
    f.aide().load();
    f.choose("cboSubject", 1);
    f.choose("cboGrade", 2);
    f.choose("cboSeed", 3);
    QComboBox *subject = f.child<QComboBox>(f.aide(), "cboSubject");
    subject->lineEdit()->selectAll();
    QTest::keyClicks(subject->lineEdit(), "Addition");
    QCOMPARE(subject->currentIndex(), -1);
    QCOMPARE(subject->currentText(), QString("Addition"));
    QTest::keyClick(subject->lineEdit(), Qt::Key_Return);
    QCOMPARE(subject->currentIndex(), -1);
    QCOMPARE(subject->currentText(), QString("Addition"));
    QCOMPARE(subject->count(), 5);
    // Leaving the box by the mouse does not turn the text into a choice either.
    QTest::mouseClick(f.child<QRadioButton>(f.aide(), "optYes"), Qt::LeftButton);
    QCOMPARE(subject->currentIndex(), -1);
    f.dialogs.answerMessage(Dialogs::Answer::Ok);
    f.submit();
    QCOMPARE(shownMessages(f.dialogs), QStringList{"message: Please Select A Subject / Subject"});
    QVERIFY(f.printed().isEmpty());

    // Choosing from the list after typing is a choice again.
    subject->setFocus();
    QTest::keyClick(subject, Qt::Key_Down);
    QVERIFY(subject->currentIndex() >= 0);
    const int chosen = subject->currentIndex();
    QTest::mouseClick(f.child<QRadioButton>(f.aide(), "optNo"), Qt::LeftButton);
    QCOMPARE(subject->currentIndex(), chosen);
    f.submit();
    QCOMPARE(f.printed().size(), 1);
}

void tst_TeacherAide::requestState_data()
{
    QTest::addColumn<int>("gradeIndex");
    QTest::addColumn<int>("seedIndex");
    QTest::addColumn<int>("firstOperand");
    QTest::addRow("grade item with a tab, seed 1 (range 20, offset 0)") << 0 << 0 << 10;
    QTest::addRow("grade 6, seed 20 (range 999, offset 19)") << 5 << 19 << 518;
    QTest::addRow("grade 3, seed 7 (range 99, offset 6)") << 2 << 6 << 55;
}

void tst_TeacherAide::requestState()
{
    QFETCH(int, gradeIndex);
    QFETCH(int, seedIndex);
    QFETCH(int, firstOperand);
    DrillFixture f;
    for (int i = 0; i < 40; ++i) {
        f.random.push(0.5f);
    }
    f.aide().load();
    f.choose("cboSubject", 0);
    f.choose("cboGrade", gradeIndex);
    f.choose("cboSeed", seedIndex);
    f.submit();
    QCOMPARE(f.random.draws(), 40);
    // Cleanup after the print; the lists keep their choices.
    QCOMPARE(int(f.aide().intGrade), 0);
    QCOMPARE(int(f.aide().intSeed), 0);
    QCOMPARE(f.child<QComboBox>(f.aide(), "cboGrade")->currentIndex(), gradeIndex);
    QCOMPARE(f.child<QComboBox>(f.aide(), "cboSeed")->currentIndex(), seedIndex);
    // r = 0.5 gives half the grade's range plus the seed offset: both were set while drawing.
    const QStringList lines = textLines(f.printed().at(0));
    QVERIFY2(lines.at(8).endsWith(QString(" %1").arg(firstOperand)), qPrintable(lines.at(8)));
}

// The list positions, the grade, the seed and the answer choice reach the sheet: its first
// problem as a fresh start draws it at grade 4, seed 5. The sheets' own rules are the worksheets'
// test.
void tst_TeacherAide::printsTheCoreWorksheet_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("addition, blank")
        << 0 << false
        << QStringList{" 1 )                        66             2 )                      51",
                       "                          + 75                                    + 54",
                       "              Answer__________                          Answer__________"};
    QTest::addRow("division, answers")
        << 2 << true << QStringList{" 1 )         66  /     51   Answer  1.294"};
    QTest::addRow("multiplication, answers")
        << 3 << true
        << QStringList{" 1 )                        66             2 )                      51",
                       "                          x 75                                    x 54",
                       "              Answer        4950                        Answer      2754"};
    QTest::addRow("percents, blank")
        << 4 << false
        << QStringList{" 1 )         66 IS WHAT PERCENT OF:             51  Answer  __________"};
}

void tst_TeacherAide::printsTheCoreWorksheet()
{
    QFETCH(int, subject);
    QFETCH(bool, answers);
    QFETCH(QStringList, lines);
    ProgramFixture f;
    f.aide().load();
    f.choose("cboSubject", subject);
    f.choose("cboGrade", 3);
    f.choose("cboSeed", 4);
    if (answers) {
        QTest::mouseClick(f.child<QRadioButton>(f.aide(), "optYes"), Qt::LeftButton);
    }
    f.submit();
    QCOMPARE(f.printed().size(), 1);
    QCOMPARE(textLines(f.printed().at(0)).mid(8, lines.size()), lines);
    QVERIFY(f.dialogs.shown().isEmpty());
}

void tst_TeacherAide::subtractionQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("answers");
    // What the answer does with either choice is the worksheets' test.
    QTest::addRow("Yes, answers") << true << true;
    QTest::addRow("No, blank") << false << false;
}

void tst_TeacherAide::subtractionQuestion()
{
    QFETCH(bool, yes);
    QFETCH(bool, answers);
    // Row 1 draws a = 5, b = 12, c = 12, d = 5 at grade 5, seed 1.
    DrillFixture f;
    const auto r = [](int value) { return valueFor(value, 999, 0); };
    for (int row = 0; row < 10; ++row) {
        f.random.push({r(5), r(12), r(12), r(5)});
    }
    f.aide().load();
    f.choose("cboSubject", 1);
    f.choose("cboGrade", 4);
    f.choose("cboSeed", 0);
    f.child<QRadioButton>(f.aide(), answers ? "optYes" : "optNo")->setChecked(true);
    f.dialogs.answerMessage(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    f.submit();
    QCOMPARE(shownMessages(f.dialogs),
             QStringList{"message: Do You Want Negative Answers Mixed In? / Subtraction"});
    QCOMPARE(f.dialogs.shown().at(0).buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(f.printed().size(), 1);
    const QStringList lines = textLines(f.printed().at(0));
    QCOMPARE(lines.at(6), QString("Subtract the following numbers"));
    QVERIFY2(lines.at(8).startsWith(yes ? " 1 )                         5"
                                        : " 1 )                        17"),
             qPrintable(lines.at(8)));
    QVERIFY2(lines.at(10).mid(14).startsWith(answers ? "Answer        -7" : "Answer_"),
             qPrintable(lines.at(10)));
}

void tst_TeacherAide::secondSubmitPrintsOtherProblems()
{
    ProgramFixture f;
    f.aide().load();
    f.choose("cboSubject", 0);
    f.choose("cboGrade", 5);
    f.choose("cboSeed", 0);
    f.submit();
    f.submit();
    QCOMPARE(f.printed().size(), 2);
    QVERIFY(textLines(f.printed().at(0)) != textLines(f.printed().at(1)));
    QCOMPARE(textLines(f.printed().at(0)).mid(0, 8), textLines(f.printed().at(1)).mid(0, 8));
}

void tst_TeacherAide::noPrinterOffersPdf_data()
{
    QTest::addColumn<int>("printerState");
    QTest::addColumn<QString>("answer"); // typed into the save dialog
    QTest::addColumn<bool>("existing");  // a sheet.pdf of last week is there
    QTest::addColumn<bool>("replace");   // the answer to the dialog's question about it
    QTest::addColumn<QString>("saved");  // what sheet.pdf holds afterwards: new, old or none
    QTest::addColumn<bool>("told");      // a message says how the saving went
    const int none = int(PrinterLookup::State::None);
    QTest::addRow("saved") << none << "sheet.pdf" << false << true << "new" << true;
    QTest::addRow("no print server, saved")
        << int(PrinterLookup::State::NoServer) << "sheet.pdf" << false << true << "new" << true;
    QTest::addRow("no CUPS client library, saved")
        << int(PrinterLookup::State::NoLibrary) << "sheet.pdf" << false << true << "new" << true;
    QTest::addRow("an existing sheet, typed without its suffix, replaced when asked")
        << none << "sheet" << true << true << "new" << true;
    QTest::addRow("an existing sheet kept when the teacher says no")
        << none << "sheet" << true << false << "old" << false;
    QTest::addRow("cancelled") << none << "" << false << true << "none" << false;
    QTest::addRow("missing folder")
        << none << "missing/sheet.pdf" << false << true << "none" << true;
}

void tst_TeacherAide::noPrinterOffersPdf()
{
    QFETCH(int, printerState);
    QFETCH(QString, answer);
    QFETCH(bool, existing);
    QFETCH(bool, replace);
    QFETCH(QString, saved);
    QFETCH(bool, told);
    QTemporaryDir dir;
    const QString sheet = dir.filePath("sheet.pdf");
    if (existing) {
        QFile old(sheet);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QVERIFY(old.write("last week's sheet") > 0);
    }
    ProgramFixture f;
    PrinterLookup printer =
        ScriptedPrinterService::printer(QString(), PrinterLookup::State(printerState));
    printer.reason = "The printing library could not be loaded (libcups.so.2: cannot open shared "
                     "object file: No such file or directory). Install the CUPS client library "
                     "(libcups2), then try again.";
    f.printers.setPrinter(printer);
    f.aide().load();
    f.choose("cboSubject", 2);
    f.choose("cboGrade", 1);
    f.choose("cboSeed", 1);
    f.dialogs.answerSave(answer.isEmpty() ? QString() : dir.filePath(answer),
                         replace ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    if (told) {
        f.dialogs.answerMessage(Dialogs::Answer::Ok);
    }
    f.submit();
    QCOMPARE(f.dialogs.shown().size(), told ? 2 : 1);
    const ScriptedDialogs::Shown &save = f.dialogs.shown().at(0);
    QCOMPARE(save.kind, QString("save"));
    static const QMap<int, DeliveryOutcome::Fault> faults = {
        {int(PrinterLookup::State::None), DeliveryOutcome::Fault::NoPrinter},
        {int(PrinterLookup::State::NoServer), DeliveryOutcome::Fault::NoServer},
        {int(PrinterLookup::State::NoLibrary), DeliveryOutcome::Fault::NoLibrary},
    };
    QCOMPARE(save.title, DeliveryText::pdfOffer(faults.value(printerState)));
    QVERIFY(save.defaultText.endsWith("worksheet.pdf"));
    // The dialog itself asked about the file to be written, the suffix included.
    QCOMPARE(save.replaceAsked, existing ? sheet : QString());
    if (told) {
        DestinationCheck missing;
        missing.problem = DestinationCheck::Problem::FolderUnusable;
        missing.folder = dir.filePath("missing");
        missing.error = ENOENT;
        const DeliveryOutcome outcome =
            saved == QLatin1String("new")
                ? DeliveryOutcome::saved(sheet)
                : DeliveryOutcome::failed(
                      DeliveryOutcome::Fault::BadDestination,
                      DeliveryText::badDestination(dir.filePath(answer), missing));
        QCOMPARE(shownMessages(f.dialogs).mid(1), QStringList{shownMessage(outcome)});
    }
    QVERIFY(f.printed().isEmpty());
    const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files, saved == QLatin1String("none") ? QStringList{} : QStringList{"sheet.pdf"});
    if (saved != QLatin1String("none")) {
        QFile file(sheet);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(saved == QLatin1String("new") ? bytes.startsWith("%PDF-")
                                               : bytes == "last week's sheet",
                 bytes.left(20).constData());
    }
    QCOMPARE(int(f.aide().intGrade), 0);
    QVERIFY(f.aide().isVisible());
}

// The window hands the sheet to the printer service and shows what came of it; the sentences
// themselves are tst_delivery's.
void tst_TeacherAide::printerOutcomes_data()
{
    QTest::addColumn<int>("printerState");
    QTest::addColumn<JobSubmission>("answer");
    QTest::addColumn<DeliveryOutcome>("outcome"); // what the window is to tell
    QTest::addColumn<int>("followed");
    const JobSubmission accepted{JobSubmission::State::Accepted, 100, QString()};
    DeliveryOutcome printed;
    printed.kind = DeliveryOutcome::Kind::Printed;
    QTest::addRow("printed") << int(PrinterLookup::State::Ready) << accepted << printed << 1;
    // Told at once, and followed: it may still fail once the printer is resumed.
    DeliveryOutcome paused;
    paused.kind = DeliveryOutcome::Kind::Pending;
    paused.reason = DeliveryText::paused("Room12", 1);
    QTest::addRow("paused printer") << int(PrinterLookup::State::Paused) << accepted << paused << 1;
    const QString notAccepting = "Destination \"Room12\" is not accepting jobs.";
    QTest::addRow("queue refuses")
        << int(PrinterLookup::State::Ready)
        << JobSubmission{JobSubmission::State::Refused, 0, notAccepting}
        << DeliveryOutcome::failed(DeliveryOutcome::Fault::Refused,
                                   DeliveryText::refused("Room12", notAccepting, 0, 0))
        << 0;
}

void tst_TeacherAide::printerOutcomes()
{
    QFETCH(int, printerState);
    QFETCH(JobSubmission, answer);
    QFETCH(DeliveryOutcome, outcome);
    QFETCH(int, followed);
    ProgramFixture f;
    f.printers.setPrinter(
        ScriptedPrinterService::printer("Room12", PrinterLookup::State(printerState)));
    f.printers.answerSubmit(answer);
    f.aide().load();
    f.choose("cboSubject", 3);
    f.choose("cboGrade", 1);
    f.choose("cboSeed", 1);
    const bool told = !outcome.reason.isEmpty();
    if (told) {
        f.dialogs.answerMessage(Dialogs::Answer::Ok);
    }
    f.submit();
    QCOMPARE(f.printers.lookups(), 1);
    QCOMPARE(shownMessages(f.dialogs), told ? QStringList{shownMessage(outcome)} : QStringList{});
    QCOMPARE(f.aide().jobsFollowed(), followed);
    QVERIFY(f.aide().isVisible());
    QCOMPARE(f.quits, 0);
    QVERIFY(!f.program.hasEnded());
}

void tst_TeacherAide::jobFailingLaterIsReported_data()
{
    QTest::addColumn<JobStatus>("status");
    QTest::addRow("completed") << JobStatus{JobStatus::State::Done, QString()};
    QTest::addRow("aborted") << JobStatus{JobStatus::State::Failed, "The paper tray is jammed"};
}

void tst_TeacherAide::jobFailingLaterIsReported()
{
    QFETCH(JobStatus, status);
    const bool fails = status.state != JobStatus::State::Done;
    ProgramFixture f;
    f.aide().load();
    f.choose("cboSubject", 0);
    f.choose("cboGrade", 1);
    f.choose("cboSeed", 1);
    f.submit();
    QCOMPARE(f.aide().jobsFollowed(), 1);
    QVERIFY(f.dialogs.shown().isEmpty());
    // The window is free while the job waits: a second order goes out at once.
    f.submit();
    QCOMPARE(f.printed().size(), 2);
    QCOMPARE(f.aide().jobsFollowed(), 2);
    QTRY_VERIFY(f.printers.statusQueries() >= 2);
    QCOMPARE(f.aide().jobsFollowed(), 2);

    if (fails) {
        f.dialogs.answerMessage(Dialogs::Answer::Ok);
    }
    f.printers.setJobStatus(100, status);
    QTRY_COMPARE(f.aide().jobsFollowed(), 1);
    QCOMPARE(shownMessages(f.dialogs), fails ? QStringList{shownMessage(DeliveryOutcome::failed(
                                                   DeliveryOutcome::Fault::JobFailed,
                                                   DeliveryText::jobFailed("Room12", status)))}
                                             : QStringList{});
    f.printers.setJobStatus(101, {JobStatus::State::Done, QString()});
    QTRY_COMPARE(f.aide().jobsFollowed(), 0);
    QCOMPARE(f.dialogs.shown().size(), fails ? 1 : 0);
}

// The teacher hears of a sheet that does not come out, and can go on working meanwhile.
void tst_TeacherAide::waitingJobIsTold()
{
    ProgramFixture f;
    f.aide().setWaitNotice(100);
    f.aide().load();
    f.choose("cboSubject", 0);
    f.choose("cboGrade", 1);
    f.choose("cboSeed", 1);
    // A printer that has the sheet and prints it slowly is no news.
    f.printers.setJobStatus(100, {JobStatus::State::Waiting, "Printing.", true});
    f.submit();
    QTest::qWait(150);
    const int printing = f.printers.statusQueries();
    QTRY_VERIFY(f.printers.statusQueries() >= printing + 3);
    QVERIFY(f.dialogs.shown().isEmpty());
    const QString unavailable = printerUnavailable();
    f.printers.setJobStatus(100, {JobStatus::State::Waiting, unavailable});
    QTRY_COMPARE(f.dialogs.shown().size(), 1);
    const QString notice =
        "notice: " + DeliveryText::stillWaiting("Room12", 100, unavailable) + " / Print Test";
    QCOMPARE(shownMessages(f.dialogs), QStringList{notice});
    // Told once, and still followed.
    const int asked = f.printers.statusQueries();
    QTRY_VERIFY(f.printers.statusQueries() >= asked + 3);
    QCOMPARE(f.dialogs.shown().size(), 1);
    QCOMPARE(f.aide().jobsFollowed(), 1);
    f.dialogs.answerMessage(Dialogs::Answer::Ok);
    const JobStatus failed{JobStatus::State::Failed, "Cancelled by the teacher"};
    f.printers.setJobStatus(100, failed);
    QTRY_COMPARE(f.aide().jobsFollowed(), 0);
    QCOMPARE(shownMessages(f.dialogs),
             (QStringList{notice, shownMessage(DeliveryOutcome::failed(
                                      DeliveryOutcome::Fault::JobFailed,
                                      DeliveryText::jobFailed("Room12", failed)))}));
    QTRY_COMPARE(f.printers.settled(), 1);
}

void tst_TeacherAide::exitBringsMenuBack_data()
{
    QTest::addColumn<bool>("menuLoaded");
    QTest::addColumn<bool>("titleBar");
    QTest::addRow("Exit, menu unloaded") << false << false;
    QTest::addRow("Exit, menu hidden") << true << false;
    QTest::addRow("title bar, menu unloaded") << false << true;
    QTest::addRow("title bar, menu hidden") << true << true;
}

void tst_TeacherAide::exitBringsMenuBack()
{
    QFETCH(bool, menuLoaded);
    QFETCH(bool, titleBar);
    ProgramFixture f;
    QLineEdit *nameBox = nullptr;
    if (menuLoaded) {
        f.program.selection().show();
        nameBox = f.program.selection().txtFirstName();
        nameBox->setText("ann");
        f.program.selection().hide();
    }
    f.aide().load();
    QVERIFY(f.aide().isVisible());
    if (titleBar) {
        f.aide().window()->close();
    } else {
        QTest::mouseClick(f.child<QPushButton>(f.aide(), "cmdExit"), Qt::LeftButton);
    }
    QVERIFY(!f.aide().isLoaded());
    QVERIFY(f.program.selection().isVisible());
    QCOMPARE(f.program.visibleCount(), 1);
    if (menuLoaded) {
        QCOMPARE(f.program.selection().txtFirstName(), nameBox);
        QCOMPARE(nameBox->text(), QString("ann"));
    } else {
        QVERIFY(f.program.selection().txtFirstName()->text().isEmpty());
    }
    QCOMPARE(f.quits, 0);
}

void tst_TeacherAide::reloadStartsFresh()
{
    ProgramFixture f;
    f.aide().load();
    f.choose("cboSubject", 2);
    f.child<QRadioButton>(f.aide(), "optYes")->setChecked(true);
    QTest::mouseClick(f.child<QPushButton>(f.aide(), "cmdExit"), Qt::LeftButton);
    f.aide().load();
    QCOMPARE(f.child<QComboBox>(f.aide(), "cboSubject")->currentIndex(), -1);
    QVERIFY(f.child<QRadioButton>(f.aide(), "optNo")->isChecked());
    QCOMPARE(f.child<QComboBox>(f.aide(), "cboSeed")->count(), 20);
}

QTEST_MAIN(tst_TeacherAide)
#include "tst_teacheraide.moc"
