#pragma once

#include "drills/DrillRules.h"

#include <QChar>
#include <QString>

class RandomSource;

// The problem a drill window shows, without the window: draws the next one from the grade as
// typed, forgets it, and judges a chosen candidate by its value.
class ProblemCycle
{
public:
    explicit ProblemCycle(ProblemRule rule) : m_rule(rule) {}

    const Problem &problem() const { return m_problem; }
    // Operands, answer and candidates back to 0 and the slot to 1; nothing is shown to judge.
    void clear();
    const Problem &next(const QString &gradeText, RandomSource &random);
    // Whether candidate `index` (1 to 4) of the problem on show is its answer.
    bool judge(int index) const { return m_shown && m_problem.isAnswer(index); }

private:
    ProblemRule m_rule;
    Problem m_problem;
    bool m_shown = false;
};

// The candidate a click has picked, to be dropped by a click on the answer box, and what a key
// typed in the window chooses.
class CandidateSelection
{
public:
    // 1 to 4, 0 when none is picked.
    int selected() const { return m_selected; }
    // A click on a candidate picks it; a second click on the same one drops the pick.
    void click(int index);
    void clear() { m_selected = 0; }
    // The candidate a typed key chooses, 0 for none: the digits 1 to 4, except while the answer
    // box has the focus, where typing stays possible. Escape drops the pick.
    int keyTyped(QChar key, bool answerBoxFocused);

private:
    int m_selected = 0;
};
