#include "drills/DrillCycle.h"

#include <QtGlobal>

void ProblemCycle::clear()
{
    Problem cleared;
    cleared.kind = m_problem.kind;
    m_problem = cleared;
    m_shown = false;
}

const Problem &ProblemCycle::next(const QString &gradeText, RandomSource &random)
{
    m_problem = m_rule(gradeText, random);
    m_shown = true;
    return m_problem;
}

void CandidateSelection::click(int index)
{
    Q_ASSERT(1 <= index && index <= 4);
    m_selected = m_selected == index ? 0 : index;
}

int CandidateSelection::keyTyped(QChar key, bool answerBoxFocused)
{
    if (key == QChar(0x1B)) {
        clear();
        return 0;
    }
    const int index = key.digitValue();
    if (index < 1 || index > 4 || answerBoxFocused) {
        return 0;
    }
    return index;
}
