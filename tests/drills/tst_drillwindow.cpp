#include "DrillProblems.h"
#include "MouseDrag.h"
#include "ProgramFixture.h"
#include "platform/Controls.h"
#include "worksheets/frmTeacherAide.h"

#include <QAccessible>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace
{

void addDrillRows()
{
    QTest::addColumn<QString>("drill");
    for (const QString &drill : kDrills) {
        QTest::addRow("%s", qPrintable(drill)) << drill;
    }
}

QString answerField(DrillWindow &window)
{
    return window.problem().answerText();
}

// Whether some pixel is the verdict's red text, allowing for smoothed edges.
bool hasVerdictRed(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() >= 200 && c.green() <= 60 && c.blue() <= 60) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// The whole verdict can be read: its wrapped text fits its box, which stays in the window and
// covers neither the problem nor the candidates.
void verifyVerdictReadable(DrillWindow &w)
{
    QLabel *verdict = w.lblWinner();
    const QRect box = verdict->contentsRect();
    const QRect needed =
        QFontMetrics(verdict->font())
            .boundingRect(box, Qt::TextWordWrap | Qt::AlignHCenter, verdict->text());
    QVERIFY2(needed.width() <= box.width(), qPrintable(verdict->text()));
    QVERIFY2(needed.height() <= box.height(), qPrintable(verdict->text()));
    QVERIFY(w.window()->client()->rect().contains(verdict->geometry()));
    QList<QWidget *> others = {w.Label1(), w.Label2(), w.txtAnswer()};
    for (int index = 1; index <= 4; ++index) {
        others.append(w.lblfirst(index));
    }
    for (QWidget *other : others) {
        QVERIFY2(!verdict->geometry().intersects(other->geometry()),
                 qPrintable(other->objectName()));
    }
}

class tst_DrillWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void loadShowsWelcomeAndProblem_data();
    void loadShowsWelcomeAndProblem();
    void verdictReadableWhole_data();
    void verdictReadableWhole();
    void wrongDropsThenRight_data();
    void wrongDropsThenRight();
    void verdictsWithoutName();
    void nextQuestionResets_data();
    void nextQuestionResets();
    void dropElsewhereDoesNothing_data();
    void dropElsewhereDoesNothing();
    void gradeAskedAgainUntilNumber_data();
    void gradeAskedAgainUntilNumber();
    void openedFromMenu();
    void typingIntoAnswerBoxChangesNothing();
    void hugeNameAndScripts_data();
    void hugeNameAndScripts();
    void backThenReloadStartsFresh_data();
    void backThenReloadStartsFresh();
};

void tst_DrillWindow::initTestCase()
{
    installFontSubstitutes();
}

void tst_DrillWindow::loadShowsWelcomeAndProblem_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("welcome");
    // Without a name the welcome is verdictsWithoutName's.
    for (const QString &drill : kDrills) {
        QTest::addRow("%s ANN", qPrintable(drill)) << drill << "ANN"
                                                   << "Welcome ANN!   To The Sumtopia.";
    }
}

void tst_DrillWindow::loadShowsWelcomeAndProblem()
{
    QFETCH(QString, drill);
    QFETCH(QString, name);
    QFETCH(QString, welcome);
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(drill);
    f.random.push(s.values);
    DrillWindow &w = f.open(drill, name, QStringLiteral("3"));

    QVERIFY(w.isVisible());
    QCOMPARE(w.lblIntro()->text(), welcome);
    QCOMPARE(f.dialogs.shown().size(), 1);
    QCOMPARE(f.dialogs.shown().at(0).prompt, QStringLiteral("Please Enter the Grade Level (1-6)."));
    QCOMPARE(f.dialogs.shown().at(0).title, QStringLiteral("Grade Level"));
    QCOMPARE(f.dialogs.shown().at(0).defaultText, QStringLiteral("1"));
    QCOMPARE(w.strGrade, QStringLiteral("3"));
    QCOMPARE(w.Label1()->text(), s.label1);
    QCOMPARE(w.Label2()->text(), s.label2);
    QCOMPARE(candidateTexts(w), s.candidates);
    QCOMPARE(int(w.intSlot), s.slot);
    QCOMPARE(answerField(w), s.answerText);
    QCOMPARE(w.txtAnswer()->text(), QString());
    QVERIFY(!w.lblWinner()->isVisible());
    QCOMPARE(enabledCandidates(w), 4);
    QCOMPARE(f.random.draws(), 3);
    QCOMPARE(f.quits, 0);
}

void tst_DrillWindow::verdictReadableWhole_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("right");
    const QStringList drills = {"frmAddition", "frmSubtraction", "frmMultiplication", "frmDivision",
                                "frmPercent"};
    const QStringList names = {"", "ANN", "ALEXANDRA", "MARY ANN"};
    for (const QString &drill : drills) {
        for (const QString &name : names) {
            QTest::addRow("%s right '%s'", qPrintable(drill), qPrintable(name))
                << drill << name << true;
            QTest::addRow("%s wrong '%s'", qPrintable(drill), qPrintable(name))
                << drill << name << false;
        }
    }
}

void tst_DrillWindow::verdictReadableWhole()
{
    QFETCH(QString, drill);
    QFETCH(QString, name);
    QFETCH(bool, right);
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(drill);
    f.random.push(s.values);
    DrillWindow &w = f.open(drill, name, QStringLiteral("3"));
    QVERIFY(DrillFixture::dropCandidate(w, right ? s.slot : wrongIndex(s.slot)));
    QVERIFY(w.lblWinner()->isVisible());
    verifyVerdictReadable(w);
}

void tst_DrillWindow::wrongDropsThenRight_data()
{
    addDrillRows();
}

void tst_DrillWindow::wrongDropsThenRight()
{
    QFETCH(QString, drill);
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(drill);
    f.random.push(s.values);
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));

    for (int attempt = 0; attempt < 2; ++attempt) {
        QVERIFY(DrillFixture::dropCandidate(w, wrongIndex(s.slot)));
        QVERIFY(w.lblWinner()->isVisible());
        QCOMPARE(w.lblWinner()->text(), QStringLiteral("Sorry,Try Again ANN"));
        QCOMPARE(w.txtAnswer()->text(), QString());
        QCOMPARE(enabledCandidates(w), 4);
        QCOMPARE(candidateTexts(w), s.candidates);
    }
    QVERIFY(DrillFixture::dropCandidate(w, s.slot));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("CORRECT ANN"));
    QCOMPARE(w.txtAnswer()->text(), s.answerText);
    QCOMPARE(enabledCandidates(w), 0);
}

void tst_DrillWindow::verdictsWithoutName()
{
    const QString drill = QStringLiteral("frmPercent");
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(drill);
    f.random.push(s.values);
    DrillWindow &w = f.open(drill, QString(), QStringLiteral("3"));
    QVERIFY(DrillFixture::dropCandidate(w, wrongIndex(s.slot)));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("Sorry,Try Again "));
    // The name is read when the verdict is built, not when the window was loaded.
    f.program.selection().strFullName = QStringLiteral("BO");
    QVERIFY(DrillFixture::dropCandidate(w, s.slot));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("CORRECT BO"));
    QCOMPARE(w.lblIntro()->text(), QStringLiteral("Welcome !   To The Sumtopia."));
}

void tst_DrillWindow::nextQuestionResets_data()
{
    addDrillRows();
}

void tst_DrillWindow::nextQuestionResets()
{
    QFETCH(QString, drill);
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(drill);
    f.random.push(s.values);
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    QVERIFY(DrillFixture::dropCandidate(w, s.slot));

    // The next problem: both operands at the top of grade 3's range, answer in slot 4.
    const float top = ScriptedRandomSource::justBelowOne();
    f.random.push({top, top, top});
    QTest::mouseClick(w.window()->findChild<QPushButton *>(QStringLiteral("cmdNext")),
                      Qt::LeftButton);
    const QString high =
        drill == QLatin1String("frmAddition") || drill == QLatin1String("frmSubtraction") ? "200"
                                                                                          : "99";
    QCOMPARE(w.Label1()->text(), high);
    QCOMPARE(w.Label2()->text(), high);
    QCOMPARE(int(w.intSlot), 4);
    QCOMPARE(w.txtAnswer()->text(), QString());
    QVERIFY(!w.lblWinner()->isVisible());
    QCOMPARE(enabledCandidates(w), 4);
    QVERIFY(w.problem().isAnswer(4));
    QCOMPARE(w.lblfirst(4)->text(), answerField(w));
    QCOMPARE(f.dialogs.shown().size(), 1);
    QCOMPARE(f.random.draws(), 6);
    QCOMPARE(w.strGrade, QStringLiteral("3"));

    // Cleanup counts through the candidates with the slot and leaves it at 1 again.
    w.Cleanup();
    QCOMPARE(int(w.intSlot), 1);
    QCOMPARE(w.problem().dblAnswer, 0.0);
    QCOMPARE(w.problem().dblFirst, 0.0);
    QCOMPARE(w.Label1()->text(), QString());
    QCOMPARE(candidateTexts(w), QStringList({"", "", "", ""}));
    QVERIFY(DrillFixture::dropCandidate(w, 1));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("Sorry,Try Again ANN"));
}

void tst_DrillWindow::dropElsewhereDoesNothing_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("target");
    // The drills share one window class; each kind of control once, the drills taking turns.
    const QStringList targets = {"Label1", "lblfirst1", "lblIntro", "cmdNext", "Label5"};
    for (int i = 0; i < targets.size(); ++i) {
        const QString &drill = kDrills.at(i);
        QTest::addRow("%s on %s", qPrintable(drill), qPrintable(targets.at(i)))
            << drill << targets.at(i);
    }
}

void tst_DrillWindow::dropElsewhereDoesNothing()
{
    QFETCH(QString, drill);
    QFETCH(QString, target);
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(drill);
    f.random.push(s.values);
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    QWidget *widget = w.window()->findChild<QWidget *>(target);
    QVERIFY(widget != nullptr);
    const std::unique_ptr<QMimeData> data(DrillFixture::candidateData(w, s.slot));
    QVERIFY(!DrillFixture::dropAt(w.window(), DrillFixture::centreOf(widget, w.window()), *data));
    QVERIFY(!w.lblWinner()->isVisible());
    QCOMPARE(w.txtAnswer()->text(), QString());
    QCOMPARE(enabledCandidates(w), 4);
}

// The grade's parse and bands are the rule's; here only that the window asks until the rule takes
// the text, hands it on as typed, and ends the program on a cancel.
void tst_DrillWindow::gradeAskedAgainUntilNumber_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("operand");
    QTest::addRow("a word, then blank-padded 3") << QStringList{"two", " 3"} << " 3"
                                                 << "200";
    QTest::addRow("0 is in no band, then 4.5") << QStringList{"0", "4.5"} << "4.5"
                                               << "999";
    QTest::addRow("cancel after a word") << QStringList{"two", ""} << ""
                                         << "";
}

void tst_DrillWindow::gradeAskedAgainUntilNumber()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, grade);
    QFETCH(QString, operand);
    DrillFixture f;
    for (const QString &answer : answers) {
        f.dialogs.answerInput(answer);
    }
    const float top = ScriptedRandomSource::justBelowOne();
    f.random.push({top, top, 0.0F});
    DrillWindow &w = f.drill(QStringLiteral("frmAddition"));
    w.load();
    QCOMPARE(f.dialogs.shown().size(), answers.size());
    for (const ScriptedDialogs::Shown &shown : f.dialogs.shown()) {
        QCOMPARE(shown.prompt, QStringLiteral("Please Enter the Grade Level (1-6)."));
        QCOMPARE(shown.title, QStringLiteral("Grade Level"));
        QCOMPARE(shown.defaultText, QStringLiteral("1"));
    }
    QCOMPARE(f.dialogs.pendingAnswers(), 0);
    DrillFixture::settle();
    if (grade.isEmpty()) {
        QCOMPARE(f.quits, 1);
        QCOMPARE(f.program.loadedCount(), 0);
        QCOMPARE(f.random.draws(), 0);
    } else {
        QCOMPARE(f.quits, 0);
        QVERIFY(w.isVisible());
        QCOMPARE(w.strGrade, grade);
        QCOMPARE(f.random.draws(), 3);
        // The band's largest operands, drawn with the text as typed.
        QCOMPARE(w.Label1()->text(), operand);
        QCOMPARE(w.Label2()->text(), operand);
    }
}

void tst_DrillWindow::openedFromMenu()
{
    DrillFixture f;
    f.program.selection().load();
    f.program.selection().txtFirstName()->setText(QStringLiteral("ann"));
    f.dialogs.answerInput(QStringLiteral("3"));
    f.random.push(scriptedProblem(QStringLiteral("frmDivision")).values);
    QTest::mouseClick(f.program.selection().window()->findChild<QPushButton *>("cmdDivision"),
                      Qt::LeftButton);
    DrillWindow &w = f.drill(QStringLiteral("frmDivision"));
    QVERIFY(w.isVisible());
    QVERIFY(!f.program.selection().isVisible());
    QCOMPARE(w.lblIntro()->text(), QStringLiteral("Welcome ANN!   To The Sumtopia."));
    QVERIFY(DrillFixture::dropCandidate(w, 4));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("CORRECT ANN"));
    QCOMPARE(w.txtAnswer()->text(), QStringLiteral("0.67"));
}

void tst_DrillWindow::typingIntoAnswerBoxChangesNothing()
{
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(QStringLiteral("frmAddition"));
    f.random.push(s.values);
    DrillWindow &w =
        f.open(QStringLiteral("frmAddition"), QStringLiteral("ANN"), QStringLiteral("3"));
    QTest::keyClicks(w.txtAnswer(), s.answerText);
    QTest::keyClick(w.txtAnswer(), Qt::Key_Return);
    QCOMPARE(w.txtAnswer()->text(), s.answerText);
    QVERIFY(!w.lblWinner()->isVisible());
    QCOMPARE(enabledCandidates(w), 4);
    QCOMPARE(int(w.problem().intAnswer()), 12);
    QVERIFY(DrillFixture::dropCandidate(w, wrongIndex(s.slot)));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("Sorry,Try Again ANN"));
}

void tst_DrillWindow::hugeNameAndScripts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("megabyte name") << QString(1 << 20, QLatin1Char('A'));
    QTest::addRow("emoji and scripts")
        << QString::fromUtf8("MIA 🦊 ΣΟΦΊΑ ЮЛЯ عائشة");
    QTest::addRow("blanks kept") << "  ANN LEE ";
    QTest::addRow("markup shown as typed") << "<B>ANN</B>";
}

void tst_DrillWindow::hugeNameAndScripts()
{
    QFETCH(QString, name);
    DrillFixture f;
    const ScriptedProblem s = scriptedProblem(QStringLiteral("frmPercent"));
    f.random.push(s.values);
    DrillWindow &w = f.open(QStringLiteral("frmPercent"), name, QStringLiteral("3"));
    QCOMPARE(w.lblIntro()->text(),
             QStringLiteral("Welcome ") + name + QStringLiteral("!   To The Sumtopia."));
    // Plain text, read as shown: no markup taken from a name, no blanks run together.
    QCOMPARE(QAccessible::queryAccessibleInterface(w.lblIntro())->text(QAccessible::Name),
             w.lblIntro()->text());
    QVERIFY(DrillFixture::dropCandidate(w, wrongIndex(s.slot)));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("Sorry,Try Again ") + name);
    QVERIFY(DrillFixture::dropCandidate(w, s.slot));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("CORRECT ") + name);
    QVERIFY(w.lblWinner()->geometry().right() < w.window()->client()->width());
    // Painted, the verdict shows its beginning in red on its light blue.
    QVERIFY(hasVerdictRed(w.lblWinner()->grab().toImage()));
}

void tst_DrillWindow::backThenReloadStartsFresh_data()
{
    addDrillRows();
}

void tst_DrillWindow::backThenReloadStartsFresh()
{
    QFETCH(QString, drill);
    DrillFixture f;
    f.program.selection().load();
    f.program.selection().hide();
    f.random.push(scriptedProblem(drill).values);
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
    QVERIFY(DrillFixture::dropCandidate(w, scriptedProblem(drill).slot));
    QTest::mouseClick(w.window()->findChild<QPushButton *>(QStringLiteral("cmdBack")),
                      Qt::LeftButton);
    DrillFixture::settle();
    // Where the way leads is the navigation's test; here, what the window keeps.
    QVERIFY(!w.isLoaded());
    QVERIFY(w.lblfirst(1) == nullptr);
    QVERIFY(w.lblWinner() == nullptr);

    // Opening it again asks for the grade again and starts from the design values.
    f.random.push(scriptedProblem(drill).values);
    f.program.selection().hide();
    f.dialogs.answerInput(QStringLiteral("3"));
    w.load();
    QCOMPARE(f.dialogs.shown().size(), 2);
    QCOMPARE(candidateTexts(w), scriptedProblem(drill).candidates);
    QCOMPARE(enabledCandidates(w), 4);
    QCOMPARE(w.txtAnswer()->text(), QString());
    QVERIFY(!w.lblWinner()->isVisible());
}

QTEST_MAIN(tst_DrillWindow)
#include "tst_drillwindow.moc"
