#pragma once

#include "drills/DrillCycle.h"
#include "drills/DrillLayout.h"
#include "platform/Form.h"

#include <QPointer>
#include <QString>
#include <array>

class AnnouncementLabel;
class VerdictLabel;
class AnswerBox;
class CandidateLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class RandomSource;
class ScreenBuilder;

// One practice drill: the welcome line and grade prompt, the question-and-answer cycle with its
// drag-and-drop check, and the way back to the menu. A layout table and a problem rule make it
// one of the five drills. Every control's objectName is its design name ("lblfirst1" ..
// "lblfirst4" for the candidates, whose index each CandidateLabel keeps). The window reads the
// stored name it is given whenever it writes it, and asks to go elsewhere through its signals;
// the application decides where that is.
class DrillWindow : public Form
{
    Q_OBJECT
public:
    // The grade prompt's answer as typed; the band is read from it afresh for every problem.
    QString strGrade;
    // The candidate that shows the correct answer, 1 .. 4; Cleanup counts with it.
    Integer intSlot = 1;

    void Generate();
    void Cleanup();

    void txtAnswer_DragDrop(QLabel *source);
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuTeacherPrint_Click();

    // Controls of the loaded window; null while it is unloaded.
    QLabel *lblfirst(int index) const;
    QLabel *lblIntro() const;
    QLabel *Label1() const;
    QLabel *Label2() const;
    QLabel *lblWinner() const;
    QLineEdit *txtAnswer() const;
    // The candidate a click has selected for a click on the answer box, 0 when none.
    int selectedCandidate() const { return m_selection.selected(); }
    // The problem on show: operands, answer, slot and candidates' values.
    const Problem &problem() const { return m_cycle.problem(); }

Q_SIGNALS:
    // "Back to Menu": this window is unloaded, the menu is wanted.
    void backRequested();
    // "Print Test": this window is unloaded, the test request window is wanted.
    void printTestRequested();

protected:
    // strFullName is the menu's stored name; it outlives the window and is read when used.
    DrillWindow(FormHost &host, const DrillLayout &layout, const QString &strFullName,
                ProblemRule rule);

    void buildScreen(FormWindow &window) override;
    void screenUnloaded() override;
    void Form_Load() override;
    void titleBarClose() override;
    void Form_KeyPress(QChar key) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeAnswerBox(ScreenBuilder &build, QWidget *client, const DrillControl &row);
    void makeVerdict(QWidget *client, const DrillControl &row);
    void makeCandidate(ScreenBuilder &build, QWidget *client, const DrillControl &row, int index);
    // Alt+1 to Alt+4, and the teacher's menu.
    void addKeysAndMenu(FormWindow &window);
    void ShowTeacherAide();
    void candidateDropped(int index);
    // Space or Return on a candidate, its number key, or a click on the answer box with the
    // candidate selected: the same as dropping it, unless it is disabled.
    void candidateChosen(int index);
    void candidateClicked(int index);
    void answerBoxClicked();
    void showSelection();
    QString askGrade() const;
    // What the answer box tells a listener to do, while answering and once answered.
    static QString answeringHint();
    static QString answeredHint();
    // Says the welcome, the problem and how to answer, once the window is active.
    void greet(const QString &problem);
    void sayGreeting();

    const DrillLayout &m_layout;
    const QString &m_strFullName;
    QPointer<QLabel> m_lblIntro;
    QPointer<QLabel> m_Label1;
    QPointer<QLabel> m_Label2;
    QPointer<VerdictLabel> m_lblWinner;
    // Speaks each new problem; it shows nothing.
    QPointer<AnnouncementLabel> m_problemAnnouncement;
    QPointer<QPushButton> m_cmdNext;
    QPointer<AnswerBox> m_txtAnswer;
    std::array<QPointer<CandidateLabel>, 4> m_lblfirst;
    ProblemCycle m_cycle;
    CandidateSelection m_selection;
    // The next problem is the first since the window was loaded.
    bool m_greetingDue = false;
    // Waits for the window to become active.
    QString m_greeting;
};
