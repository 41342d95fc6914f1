#include "DrillProblems.h"
#include "MouseDrag.h"
#include "ProgramFixture.h"
#include "app/frmSplash.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "worksheets/frmTeacherAide.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

// The drills without dragging and with a screen reader: keys and clicks answer as drops do, the
// focus reaches the candidates, Return presses buttons, F10 opens the menu, and what a screen
// reader is told.

namespace
{

// What a user sees of the answer: the verdict as drawn and where, the answer box, the candidates.
struct Seen {
    bool verdictShown;
    QString verdict;
    QRect verdictPlace;
    QImage verdictImage;
    QString answer;
    int enabled;

    bool operator==(const Seen &o) const
    {
        return verdictShown == o.verdictShown && verdict == o.verdict &&
               verdictPlace == o.verdictPlace && verdictImage == o.verdictImage &&
               answer == o.answer && enabled == o.enabled;
    }
};

Seen seen(DrillWindow &w)
{
    return {w.lblWinner()->isVisible(),      w.lblWinner()->text(), w.lblWinner()->geometry(),
            w.lblWinner()->grab().toImage(), w.txtAnswer()->text(), enabledCandidates(w)};
}

void activate(FormWindow *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Answers with candidate `index` the way named, without any drag.
void answerBy(const QString &way, DrillWindow &w, int index)
{
    CandidateLabel *candidate = static_cast<CandidateLabel *>(w.lblfirst(index));
    const auto digit = static_cast<Qt::Key>(Qt::Key_0 + index);
    if (way == QLatin1String("Space") || way == QLatin1String("Return") ||
        way == QLatin1String("Enter")) {
        // A disabled candidate cannot take the focus; the key then goes to it all the same.
        candidate->setFocus(Qt::TabFocusReason);
        const Qt::Key key = way == QLatin1String("Space")    ? Qt::Key_Space
                            : way == QLatin1String("Return") ? Qt::Key_Return
                                                             : Qt::Key_Enter;
        QTest::keyClick(candidate, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    } else if (way == QLatin1String("Alt in answer box")) {
        w.txtAnswer()->setFocus();
        QTest::keyClick(w.txtAnswer(), digit, Qt::AltModifier);
    } else if (way == QLatin1String("digit")) {
        QWidget *next = w.window()->findChild<QPushButton *>(QStringLiteral("cmdNext"));
        next->setFocus();
        QTest::keyClick(next, digit);
    } else if (way == QLatin1String("click")) {
        QTest::mouseClick(candidate, Qt::LeftButton);
        QTest::mouseClick(w.txtAnswer(), Qt::LeftButton);
    } else {
        QFAIL(qPrintable(way));
    }
}

// Records what the verdict and the problem hand to the accessibility layer to be spoken, with
// the role and name a screen reader then reads from each. The offscreen platform has no screen
// reader behind it, so Qt's own events stop short of the layer; the labels' own signal stands
// for them.
struct Told {
    QObject *object;
    QString text;
    QString name;
    QAccessible::Role role;
};
QList<Told> g_told;

// Listens to every announcing label as it is first shown, before its window's Form_Load runs.
class Listener final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *label = qobject_cast<AnnouncementLabel *>(watched);
        if (label != nullptr && event->type() == QEvent::Polish) {
            connect(label, &AnnouncementLabel::announced, label, [label](const QString &text) {
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
                g_told.append({label, text, iface->text(QAccessible::Name), iface->role()});
            });
        }
        return false;
    }
};

// Whether the object was announced with the text as its name, as a notification.
bool announced(QObject *object, const QString &text)
{
    for (const Told &told : std::as_const(g_told)) {
        if (told.object == object && told.text == text && told.name == text &&
            told.role == QAccessible::Notification) {
            return true;
        }
    }
    return false;
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class tst_DrillAccess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void answersLikeDrops_data();
    void answersLikeDrops();
    void clickSelects_data();
    void clickSelects();
    void candidatesTakeTabFocusOnly();
    void focusFrameAndMarkDrawnOnlyWhenThere();
    void tabOrder_data();
    void tabOrder();
    void returnPressesButtons_data();
    void returnPressesButtons();
    void altAndDigit_data();
    void altAndDigit();
    void f10OpensMenu_data();
    void f10OpensMenu();
    void answerBoxHeardAsAnswer_data();
    void answerBoxHeardAsAnswer();
    void lineEditReadWhole_data();
    void lineEditReadWhole();
    void textSelection_data();
    void textSelection();
    void characterPlaces();
    void names_data();
    void names();
    void problemReadsInOrder_data();
    void problemReadsInOrder();
    void candidatesDescribed();
    void announcements_data();
    void announcements();
    void splashName();
};

void tst_DrillAccess::initTestCase()
{
    installFontSubstitutes();
}

void tst_DrillAccess::answersLikeDrops_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("way");
    // The five drills are one window class: each way once, the drills taking turns, so that a
    // right answer is found in each slot.
    const QStringList ways = {"Space", "Return", "Enter", "Alt in answer box", "digit", "click"};
    for (int i = 0; i < ways.size(); ++i) {
        const QString &drill = kDrills.at(i % kDrills.size());
        QTest::addRow("%s %s", qPrintable(drill), qPrintable(ways.at(i))) << drill << ways.at(i);
    }
}

void tst_DrillAccess::answersLikeDrops()
{
    QFETCH(QString, drill);
    QFETCH(QString, way);
    const ScriptedProblem s = scriptedProblem(drill);
    DrillFixture dropped;
    dropped.random.push(s.values);
    DrillWindow &d = dropped.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    DrillFixture chosen;
    chosen.random.push(s.values);
    DrillWindow &c = chosen.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    activate(c.window());

    // Wrong, then right.
    QVERIFY(DrillFixture::dropCandidate(d, wrongIndex(s.slot)));
    answerBy(way, c, wrongIndex(s.slot));
    QCOMPARE(c.lblWinner()->text(), QStringLiteral("Sorry,Try Again ANN"));
    QCOMPARE(c.txtAnswer()->text(), QString());
    QVERIFY(seen(c) == seen(d));

    QVERIFY(DrillFixture::dropCandidate(d, s.slot));
    answerBy(way, c, s.slot);
    QCOMPARE(c.lblWinner()->text(), QStringLiteral("CORRECT ANN"));
    QCOMPARE(c.txtAnswer()->text(), s.answerText);
    QCOMPARE(enabledCandidates(c), 0);
    QVERIFY(seen(c) == seen(d));
    if (way == QLatin1String("Space") || way == QLatin1String("Return") ||
        way == QLatin1String("Enter")) {
        // The greyed candidate lost the focus to the next step.
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdNext"));
    }

    // A disabled candidate ignores keys and clicks: a wrong one would undo the verdict.
    const Seen answered = seen(c);
    answerBy(way, c, wrongIndex(s.slot));
    QVERIFY(seen(c) == answered);
    QCOMPARE(c.lblWinner()->text(), QStringLiteral("CORRECT ANN"));
}

void tst_DrillAccess::clickSelects_data()
{
    QTest::addColumn<QString>("clear");
    QTest::addRow("second click") << "second click";
    QTest::addRow("Escape") << "Escape";
    QTest::addRow("Escape in answer box") << "Escape in answer box";
    QTest::addRow("Next Question") << "Next Question";
}

void tst_DrillAccess::clickSelects()
{
    QFETCH(QString, clear);
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(QStringLiteral("frmAddition"));
    f.random.push(s.values);
    f.random.push(s.values);
    DrillWindow &w = f.open(QStringLiteral("frmAddition"), QStringLiteral("ANN"), "3");
    activate(w.window());
    auto *third = static_cast<CandidateLabel *>(w.lblfirst(3));

    QTest::mouseClick(w.lblfirst(1), Qt::LeftButton);
    QTest::mouseClick(third, Qt::LeftButton);
    QCOMPARE(w.selectedCandidate(), 3);
    QVERIFY(third->isSelected());
    QVERIFY(!static_cast<CandidateLabel *>(w.lblfirst(1))->isSelected());
    QVERIFY(accessible(third)->state().selected);
    // Selecting is no answer.
    QVERIFY(!w.lblWinner()->isVisible());

    if (clear == QLatin1String("second click")) {
        QTest::mouseClick(third, Qt::LeftButton);
    } else if (clear == QLatin1String("Escape")) {
        QTest::keyClick(w.window()->focusWidget(), Qt::Key_Escape);
    } else if (clear == QLatin1String("Escape in answer box")) {
        w.txtAnswer()->setFocus();
        QTest::keyClick(w.txtAnswer(), Qt::Key_Escape);
    } else {
        QVERIFY(f.click(w, "cmdNext"));
    }
    QCOMPARE(w.selectedCandidate(), 0);
    QVERIFY(!third->isSelected());
    // With nothing selected a click on the answer box answers nothing.
    QTest::mouseClick(w.txtAnswer(), Qt::LeftButton);
    QVERIFY(!w.lblWinner()->isVisible());

    // A press and a move beyond the drag distance is still a drag, and selects nothing.
    const int far = QApplication::startDragDistance() + 20;
    QVERIFY(mouseDragStarts(w.lblfirst(2), QPoint(10, 10), far));
    QCOMPARE(w.selectedCandidate(), 0);
}

void tst_DrillAccess::candidatesTakeTabFocusOnly()
{
    DrillFixture f;
    f.random.push(scriptedProblem(QStringLiteral("frmAddition")).values);
    DrillWindow &w = f.open(QStringLiteral("frmAddition"), QStringLiteral("ANN"), "3");
    activate(w.window());
    QWidget *before = w.window()->focusWidget();
    QVERIFY(before != nullptr);
    for (int index = 1; index <= 4; ++index) {
        QCOMPARE(w.lblfirst(index)->focusPolicy(), Qt::TabFocus);
        QTest::mouseClick(w.lblfirst(index), Qt::LeftButton);
        QCOMPARE(w.window()->focusWidget(), before);
    }
}

void tst_DrillAccess::focusFrameAndMarkDrawnOnlyWhenThere()
{
    DrillFixture f;
    f.random.push(scriptedProblem(QStringLiteral("frmAddition")).values);
    DrillWindow &w = f.open(QStringLiteral("frmAddition"), QStringLiteral("ANN"), "3");
    activate(w.window());
    // The window opens with the focus on the first answer, framed only once a key is pressed.
    QLabel *first = w.lblfirst(1);
    QCOMPARE(QApplication::focusWidget(), first);
    const QImage opened = first->grab().toImage();
    QTest::keyClick(first, Qt::Key_Shift);
    const QImage keyed = first->grab().toImage();
    QVERIFY(keyed != opened);
    w.txtAnswer()->setFocus();
    QCOMPARE(first->grab().toImage(), opened);

    QLabel *candidate = w.lblfirst(2);
    const QImage plain = candidate->grab().toImage();

    candidate->setFocus(Qt::TabFocusReason);
    const QImage focused = candidate->grab().toImage();
    QVERIFY(focused != plain);
    w.txtAnswer()->setFocus();
    QCOMPARE(candidate->grab().toImage(), plain);
    // Shift+Tab comes back to it framed the same.
    candidate->setFocus(Qt::BacktabFocusReason);
    QCOMPARE(candidate->grab().toImage(), focused);
    w.txtAnswer()->setFocus();

    QTest::mouseClick(candidate, Qt::LeftButton);
    const QImage selected = candidate->grab().toImage();
    QVERIFY(selected != plain);
    QVERIFY(selected != focused);
    QTest::keyClick(w.txtAnswer(), Qt::Key_Escape);
    QCOMPARE(candidate->grab().toImage(), plain);
}

// The window opens on the first answer choice, and Tab goes round in the designed order from
// there.
void tst_DrillAccess::tabOrder_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QStringList>("order");
    // The designed order starts at Exit in two windows and at the answer box in three; either
    // way the round from the first choice is the same.
    const QStringList order = {"lblfirst1", "lblfirst2", "lblfirst3", "lblfirst4",
                               "txtAnswer", "cmdExit",   "cmdBack",   "cmdNext"};
    for (const QString &drill : kDrills) {
        QTest::addRow("%s", qPrintable(drill)) << drill << order;
    }
}

void tst_DrillAccess::tabOrder()
{
    QFETCH(QString, drill);
    QFETCH(QStringList, order);
    DrillFixture f;
    f.random.push(scriptedProblem(drill).values);
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    activate(w.window());
    QStringList chain;
    for (int press = 0; press <= order.size(); ++press) {
        chain.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Round the window and back to the start.
    QCOMPARE(chain, order + QStringList{order.first()});
}

void tst_DrillAccess::returnPressesButtons_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    // Every button is the same command button; where each leads is the navigation's test.
    QTest::addRow("drill cmdExit Return") << "frmAddition"
                                          << "cmdExit" << int(Qt::Key_Return);
    QTest::addRow("drill cmdNext Enter") << "frmPercent"
                                         << "cmdNext" << int(Qt::Key_Enter);
    QTest::addRow("drill cmdBack Return") << "frmDivision"
                                          << "cmdBack" << int(Qt::Key_Return);
    QTest::addRow("menu cmdPercent Return") << "frmSelection"
                                            << "cmdPercent" << int(Qt::Key_Return);
    QTest::addRow("menu cmdQuit Enter") << "frmSelection"
                                        << "cmdQuit" << int(Qt::Key_Enter);
}

void tst_DrillAccess::returnPressesButtons()
{
    QFETCH(QString, form);
    QFETCH(QString, button);
    QFETCH(int, key);
    DrillFixture f;
    f.random.push(scriptedProblem(QStringLiteral("frmAddition")).values);
    f.random.push(scriptedProblem(QStringLiteral("frmAddition")).values);
    Form *target = &f.program.selection();
    if (form == QLatin1String("frmSelection")) {
        f.program.selection().show();
        f.dialogs.answerInput(QStringLiteral("3"));
    } else {
        target = &f.open(form, QStringLiteral("ANN"), QStringLiteral("3"));
    }
    activate(target->window());
    auto *pushButton = target->window()->findChild<QPushButton *>(button);
    QVERIFY(pushButton != nullptr);
    QSignalSpy clicks(pushButton, &QPushButton::clicked);
    pushButton->setFocus();
    QTest::keyClick(pushButton, static_cast<Qt::Key>(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicks.count(), 1);
    if (button == QLatin1String("cmdExit") || button == QLatin1String("cmdQuit")) {
        QCOMPARE(f.quits, 1);
    }
}

// Alt with a digit answers, in whatever order a screen reader hands on the releases, and Alt
// alone does nothing: the keyboard never ends in the menu bar, where Tab does nothing.
void tst_DrillAccess::altAndDigit_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("focus");
    const QStringList digitFirst = {"+Alt", "+2", "-2", "-Alt"};
    const QStringList altFirst = {"+Alt", "+2", "-Alt", "-2"};
    QTest::addRow("choice, digit let go first") << "lblfirst1" << digitFirst << "CORRECT ANN"
                                                << "cmdNext";
    QTest::addRow("choice, Alt let go first") << "lblfirst1" << altFirst << "CORRECT ANN"
                                              << "cmdNext";
    QTest::addRow("answer box, Alt let go first") << "txtAnswer" << altFirst << "CORRECT ANN"
                                                  << "txtAnswer";
    QTest::addRow("button, Alt let go first") << "cmdBack" << altFirst << "CORRECT ANN"
                                              << "cmdBack";
    QTest::addRow("choice, Alt alone") << "lblfirst1" << QStringList{"+Alt", "-Alt"} << ""
                                       << "lblfirst1";
    QTest::addRow("answer box, Alt alone") << "txtAnswer" << QStringList{"+Alt", "-Alt"} << ""
                                           << "txtAnswer";
}

void tst_DrillAccess::altAndDigit()
{
    QFETCH(QString, from);
    QFETCH(QStringList, keys);
    QFETCH(QString, verdict);
    QFETCH(QString, focus);
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(QStringLiteral("frmAddition"));
    f.random.push(s.values);
    DrillWindow &w = f.open(QStringLiteral("frmAddition"), QStringLiteral("ANN"), "3");
    activate(w.window());
    w.window()->findChild<QWidget *>(from)->setFocus(Qt::TabFocusReason);
    for (const QString &key : std::as_const(keys)) {
        const bool press = key.startsWith(QLatin1Char('+'));
        const Qt::Key code = key.mid(1) == QLatin1String("Alt") ? Qt::Key_Alt : Qt::Key_2;
        // Alt is held while the digit goes down, and the digit's release may come after.
        const Qt::KeyboardModifiers held =
            code == Qt::Key_Alt
                ? (press ? Qt::AltModifier : Qt::NoModifier)
                : (keys.indexOf(QStringLiteral("-Alt")) > keys.indexOf(key) ? Qt::AltModifier
                                                                            : Qt::NoModifier);
        if (press) {
            QTest::keyPress(QApplication::focusWidget(), code, held);
        } else {
            QTest::keyRelease(QApplication::focusWidget(), code, held);
        }
    }
    QCoreApplication::processEvents();
    QCOMPARE(w.lblWinner()->isVisible(), !verdict.isEmpty());
    if (!verdict.isEmpty()) {
        QCOMPARE(w.lblWinner()->text(), verdict);
    }
    QCOMPARE(w.window()->menuBar()->activeAction(), nullptr);
    QVERIFY(!w.window()->menuBar()->hasFocus());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // Tab goes on from there, inside the window.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(w.window()->client()->isAncestorOf(QApplication::focusWidget()));
}

void tst_DrillAccess::f10OpensMenu_data()
{
    QTest::addColumn<QString>("form");
    QTest::addRow("menu") << "frmSelection";
    for (const QString &drill : kDrills) {
        QTest::addRow("%s", qPrintable(drill)) << drill;
    }
}

void tst_DrillAccess::f10OpensMenu()
{
    QFETCH(QString, form);
    DrillFixture f;
    Form *target = &f.program.selection();
    if (form == QLatin1String("frmSelection")) {
        f.program.selection().show();
    } else {
        f.random.push(scriptedProblem(form).values);
        target = &f.open(form, QStringLiteral("ANN"), QStringLiteral("3"));
    }
    activate(target->window());
    auto *mnuTeacher = target->window()->findChild<QMenu *>(QStringLiteral("mnuTeacher"));
    QVERIFY(mnuTeacher != nullptr);
    QVERIFY(!mnuTeacher->isVisible());
    // The captions keep no mnemonic.
    QCOMPARE(mnuTeacher->title(), QStringLiteral("Teacher's Guide"));
    QCOMPARE(mnuTeacher->actions().size(), 1);
    QCOMPARE(mnuTeacher->actions().at(0)->objectName(), QStringLiteral("mnuTeacherPrint"));
    QCOMPARE(mnuTeacher->actions().at(0)->text(), QStringLiteral("Print Test"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QTRY_VERIFY(mnuTeacher->isVisible());
    QCOMPARE(target->window()->menuBar()->activeAction(), mnuTeacher->menuAction());
    QCOMPARE(mnuTeacher->activeAction(), mnuTeacher->actions().at(0));
    // Return on the highlighted item chooses it.
    QTest::keyClick(mnuTeacher, Qt::Key_Return);
    QTRY_VERIFY(!target->isLoaded());
    QVERIFY(f.program.teacherAide().isVisible());
}

// The answer box is called "Answer", not by the sign before it, and its hint tells only what can
// be done: answering while the choices are live, the next problem once they are greyed.
void tst_DrillAccess::answerBoxHeardAsAnswer_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addRow("sign =") << "frmAddition";
    QTest::addRow("sign Answer =") << "frmPercent";
}

void tst_DrillAccess::answerBoxHeardAsAnswer()
{
    QFETCH(QString, drill);
    const QString answering =
        QStringLiteral("Answer with Alt+1 to Alt+4, or Tab to an answer choice and press Space");
    const QString answered =
        QStringLiteral("Tab to Next Question and press Space for a new problem");
    const ScriptedProblem s = scriptedProblem(drill);
    DrillFixture f;
    f.random.push(s.values);
    f.random.push(s.values);
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    QAccessibleInterface *box = accessible(w.txtAnswer());
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Answer"));
    QVERIFY(box->relations(QAccessible::Label).isEmpty());
    QCOMPARE(box->text(QAccessible::Description), answering);
    QVERIFY(DrillFixture::dropCandidate(w, wrongIndex(s.slot)));
    QCOMPARE(box->text(QAccessible::Description), answering);
    QVERIFY(DrillFixture::dropCandidate(w, s.slot));
    QCOMPARE(box->text(QAccessible::Description), answered);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Answer"));
    QVERIFY(f.click(w, "cmdNext"));
    QCOMPARE(box->text(QAccessible::Description), answering);
}

// A line edit's text is one run of attributes from its first character to its last, so a screen
// reader that reads run by run says all of it.
void tst_DrillAccess::lineEditReadWhole_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addRow("answer box, a number") << "frmDivision"
                                          << "txtAnswer"
                                          << "90.79";
    QTest::addRow("answer box, empty") << "frmAddition"
                                       << "txtAnswer"
                                       << "";
    QTest::addRow("name box") << "frmSelection"
                              << "txtFirstName"
                              << "Mia";
}

void tst_DrillAccess::lineEditReadWhole()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, text);
    DrillFixture f;
    Form *target = &f.program.selection();
    if (form == QLatin1String("frmSelection")) {
        f.program.selection().show();
    } else {
        f.random.push(scriptedProblem(form).values);
        target = &f.open(form, QStringLiteral("ANN"), QStringLiteral("3"));
    }
    auto *edit = target->window()->findChild<QLineEdit *>(control);
    QVERIFY(edit != nullptr);
    edit->setText(text);
    QAccessibleTextInterface *read = accessible(edit)->textInterface();
    QVERIFY(read != nullptr);
    const int length = static_cast<int>(text.size());
    QCOMPARE(read->characterCount(), length);
    QCOMPARE(read->text(0, length), text);
    QCOMPARE(accessible(edit)->text(QAccessible::Value), text);
    for (int offset : {0, length - 1}) {
        int start = -1;
        int end = -1;
        read->attributes(std::max(offset, 0), &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, length);
    }
    // The selection's offsets are textSelection's.
    QCOMPARE(read->cursorPosition(), length);
}

// A screen reader reads and sets a selection as start and end offsets; the line edit counts a
// start and a length. A selection that starts at 0 cannot tell the two apart.
void tst_DrillAccess::textSelection_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("selected");
    QTest::addRow("set by the reader, inside") << "setSelection" << 1 << 4 << "0.7";
    QTest::addRow("added by the reader, to the end") << "addSelection" << 2 << 5 << ".79";
    QTest::addRow("made by the user, inside") << "user" << 3 << 4 << "7";
}

void tst_DrillAccess::textSelection()
{
    QFETCH(QString, by);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, selected);
    DrillFixture f;
    f.random.push(scriptedProblem(QStringLiteral("frmDivision")).values);
    DrillWindow &w = f.open(QStringLiteral("frmDivision"), QStringLiteral("ANN"), "3");
    QLineEdit *edit = w.txtAnswer();
    edit->setText(QStringLiteral("90.79"));
    QAccessibleTextInterface *read = accessible(edit)->textInterface();
    if (by == QLatin1String("setSelection")) {
        read->setSelection(0, start, end);
    } else if (by == QLatin1String("addSelection")) {
        read->addSelection(start, end);
    } else {
        edit->setSelection(start, end - start);
    }
    QCOMPARE(edit->selectedText(), selected);
    QCOMPARE(read->selectionCount(), 1);
    int readStart = -1;
    int readEnd = -1;
    read->selection(0, &readStart, &readEnd);
    QCOMPARE(readStart, start);
    QCOMPARE(readEnd, end);
    read->removeSelection(0);
    QCOMPARE(read->selectionCount(), 0);
}

// A magnifier follows the reader by the characters' places: in the right-aligned answer box each
// character is where the box draws it, and a point there is that character's offset.
void tst_DrillAccess::characterPlaces()
{
    DrillFixture f;
    f.random.push(scriptedProblem(QStringLiteral("frmDivision")).values);
    DrillWindow &w = f.open(QStringLiteral("frmDivision"), QStringLiteral("ANN"), "3");
    QLineEdit *edit = w.txtAnswer();
    edit->setText(QStringLiteral("0.67"));
    // The box lays its text out as it paints: once, as on screen.
    edit->grab();
    QAccessibleTextInterface *read = accessible(edit)->textInterface();
    const QRect box(edit->mapToGlobal(QPoint(0, 0)), edit->size());
    for (int offset = 0; offset < 4; ++offset) {
        const QRect place = read->characterRect(offset);
        QVERIFY2(box.contains(place), qPrintable(QString::number(offset)));
        QCOMPARE(read->offsetAtPoint(place.center() - QPoint(place.width() / 4, 0)), offset);
    }
    // Right-aligned: the last character ends near the box's right edge, far from its left.
    QVERIFY(read->characterRect(3).right() > box.center().x());
    QCOMPARE(read->offsetAtPoint(box.topLeft() - QPoint(5, 5)), -1);
}

void tst_DrillAccess::names_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("role");
    const int text = QAccessible::StaticText;
    const int edit = QAccessible::EditableText;
    QTest::addRow("name box") << "frmSelection"
                              << "txtFirstName"
                              << "Enter Your First Name:"
                              << "" << edit;
    QTest::addRow("plus") << "frmAddition"
                          << "Label3"
                          << "plus"
                          << "" << text;
    QTest::addRow("minus") << "frmSubtraction"
                           << "Label3"
                           << "minus"
                           << "" << text;
    QTest::addRow("times") << "frmMultiplication"
                           << "Label3"
                           << "times"
                           << "" << text;
    QTest::addRow("equals") << "frmDivision"
                            << "Label5"
                            << "equals"
                            << "" << text;
    QTest::addRow("percent words") << "frmPercent"
                                   << "Label3"
                                   << "What Percent of:"
                                   << "" << text;
    QTest::addRow("bracket") << "frmDivision"
                             << "Line3"
                             << "divided by"
                             << "" << text;
    QTest::addRow("dividend") << "frmDivision"
                              << "Label1"
                              << "2"
                              << "dividend" << text;
    QTest::addRow("divisor") << "frmDivision"
                             << "Label2"
                             << "3"
                             << "divisor" << text;
    QTest::addRow("addition operand") << "frmAddition"
                                      << "Label1"
                                      << "5"
                                      << "" << text;
    QTest::addRow("verdict") << "frmAddition"
                             << "lblWinner"
                             << ""
                             << "" << int(QAccessible::Notification);
    QTest::addRow("buttons by caption") << "frmAddition"
                                        << "cmdNext"
                                        << "Next Question"
                                        << "" << int(QAccessible::Button);
}

void tst_DrillAccess::names()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(int, role);
    DrillFixture f;
    Form *target = &f.program.selection();
    if (form == QLatin1String("frmSelection")) {
        f.program.selection().show();
    } else {
        f.random.push(scriptedProblem(form).values);
        target = &f.open(form, QStringLiteral("ANN"), QStringLiteral("3"));
    }
    QObject *object = target->window()->findChild<QObject *>(control);
    QVERIFY(object != nullptr);
    QAccessibleInterface *iface = accessible(object);
    QVERIFY(iface != nullptr);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->state().invisible, !static_cast<QWidget *>(object)->isVisible());
}

void tst_DrillAccess::problemReadsInOrder_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QStringList>("read");
    QTest::addRow("addition") << "frmAddition" << QStringList{"5", "plus", "7", "equals", "Answer"};
    QTest::addRow("subtraction") << "frmSubtraction"
                                 << QStringList{"5", "minus", "7", "equals", "Answer"};
    QTest::addRow("multiplication")
        << "frmMultiplication" << QStringList{"6", "times", "7", "equals", "Answer"};
    QTest::addRow("division") << "frmDivision"
                              << QStringList{"2", "divided by", "3", "equals", "Answer"};
    QTest::addRow("percent") << "frmPercent" << QStringList{"What Percent of:", "4",     "is:", "3",
                                                            "Answer equals",    "Answer"};
}

void tst_DrillAccess::problemReadsInOrder()
{
    QFETCH(QString, drill);
    QFETCH(QStringList, read);
    DrillFixture f;
    f.random.push(scriptedProblem(drill).values);
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    // What a screen reader reads of the problem, in its order: the named objects between the
    // instruction and the first candidate; plain rules are not read at all.
    QAccessibleInterface *client = accessible(w.window()->client());
    QStringList names;
    bool inProblem = false;
    for (int i = 0; i < client->childCount(); ++i) {
        QAccessibleInterface *child = client->child(i);
        const QString objectName = child->object()->objectName();
        if (objectName == QLatin1String("Label4")) {
            inProblem = true;
            continue;
        }
        if (objectName == QLatin1String("lblWinner") || objectName == QLatin1String("lblfirst1")) {
            break;
        }
        if (inProblem && !child->state().invisible) {
            names.append(child->text(QAccessible::Name));
        }
        if (objectName.startsWith(QLatin1String("Line")) &&
            child->text(QAccessible::Name).isEmpty()) {
            QVERIFY2(child->state().invisible, qPrintable(objectName));
        }
    }
    QCOMPARE(names, read);
}

void tst_DrillAccess::candidatesDescribed()
{
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(QStringLiteral("frmDivision"));
    f.random.push(s.values);
    DrillWindow &w = f.open(QStringLiteral("frmDivision"), QStringLiteral("ANN"), "3");
    for (int index = 1; index <= 4; ++index) {
        QAccessibleInterface *iface = accessible(w.lblfirst(index));
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), s.candidates.at(index - 1));
        QCOMPARE(iface->text(QAccessible::Description),
                 QStringLiteral("answer choice %1 of 4").arg(index));
        QVERIFY(iface->state().focusable);
    }
    // An assistive tool's press is a drop too.
    QAccessibleActionInterface *action = accessible(w.lblfirst(s.slot))->actionInterface();
    QVERIFY(action != nullptr);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("CORRECT ANN"));
    QCOMPARE(w.txtAnswer()->text(), s.answerText);
    QVERIFY(!accessible(w.lblfirst(1))
                 ->actionInterface()
                 ->actionNames()
                 .contains(QAccessibleActionInterface::pressAction()));
}

void tst_DrillAccess::announcements_data()
{
    QTest::addColumn<QString>("drill");
    for (const QString &drill : kDrills) {
        QTest::addRow("%s", qPrintable(drill)) << drill;
    }
}

void tst_DrillAccess::announcements()
{
    QFETCH(QString, drill);
    const ScriptedProblem s = scriptedProblem(drill);
    DrillFixture f;
    for (int problem = 0; problem < 3; ++problem) {
        f.random.push(s.values);
    }
    Listener listener;
    qApp->installEventFilter(&listener);
    g_told.clear();
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    qApp->removeEventFilter(&listener);
    auto *problem = w.window()->findChild<QLabel *>(QStringLiteral("problemAnnouncement"));
    QVERIFY(problem != nullptr);
    // It says, and shows nothing.
    QVERIFY(problem->geometry().isEmpty());
    // Nothing before the window is active, then the welcome, the problem and the keys, once.
    QCOMPARE(g_told.size(), 0);
    activate(w.window());
    QTRY_COMPARE(g_told.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(g_told.size(), 1);
    const QString greeting = QStringLiteral("Welcome ANN!   To The Sumtopia. ") + s.sentence +
                             QStringLiteral(". Answer with Alt+1 to Alt+4, or Tab to an answer "
                                            "choice and press Space");
    QVERIFY2(announced(problem, greeting), qPrintable(g_told.first().text));

    g_told.clear();
    QVERIFY(DrillFixture::dropCandidate(w, wrongIndex(s.slot)));
    QVERIFY(announced(w.lblWinner(), QStringLiteral("Sorry,Try Again ANN")));
    g_told.clear();
    QVERIFY(DrillFixture::dropCandidate(w, wrongIndex(s.slot)));
    QVERIFY(announced(w.lblWinner(), QStringLiteral("Sorry,Try Again ANN")));
    g_told.clear();
    QVERIFY(DrillFixture::dropCandidate(w, s.slot));
    QVERIFY(announced(w.lblWinner(), QStringLiteral("CORRECT ANN")));

    // The same problem again is said again, and the hidden verdict's old text is never said.
    g_told.clear();
    QVERIFY(f.click(w, "cmdNext"));
    QVERIFY(announced(problem, s.sentence));
    QVERIFY(DrillFixture::dropCandidate(w, wrongIndex(s.slot)));
    QVERIFY(announced(w.lblWinner(), QStringLiteral("Sorry,Try Again ANN")));
    QVERIFY(!announced(w.lblWinner(), QStringLiteral("CORRECT ANN")));
    g_told.clear();
    QVERIFY(f.click(w, "cmdNext"));
    QVERIFY(DrillFixture::dropCandidate(w, s.slot));
    QVERIFY(announced(w.lblWinner(), QStringLiteral("CORRECT ANN")));
    QVERIFY(!announced(w.lblWinner(), QStringLiteral("Sorry,Try Again ANN")));
}

void tst_DrillAccess::splashName()
{
    DrillFixture f;
    f.program.splash().show();
    QAccessibleInterface *iface = accessible(f.program.splash().window());
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Sumtopia, Math Quiz"));
    QCOMPARE(iface->text(QAccessible::Description),
             QStringLiteral("The menu opens in three seconds. A key press now ends the program."));
}

QTEST_MAIN(tst_DrillAccess)
#include "tst_drillaccess.moc"
