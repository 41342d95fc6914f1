#pragma once

#include "platform/GradeBand.h"
#include "platform/Numbers.h"

#include <QString>
#include <array>
#include <functional>

class RandomSource;

// The five drills' problem rules. Each rule is a pure function of the grade text and the shared
// random source: the window stores the fields it returns and shows its captions.

// The band of the grade prompt's answer; text that reads as no number is in no band.
GradeBand gradeBand(const QString &gradeText);

// Whether the grade prompt's answer makes a problem: a number in one of the bands. Text that is no
// number, and numbers in no band, make none.
bool isGradeInBand(const QString &gradeText);

// What a problem shows: the two operand captions (empty when the grade is in no band) and the
// four candidate captions, index 0 standing for lblfirst(1), in the session's number locale.
struct ProblemCaptions {
    QString first;
    QString second;
    std::array<QString, 4> candidates;
};

// Whether a drill's numbers are 16-bit whole numbers or double-precision numbers.
enum class NumberKind { Whole, Double };

// One problem as a rule draws it: the operands, the answer, the slot of the right candidate and
// the four candidates' values, with the captions the window shows. A double holds every 16-bit
// whole number exactly, so the whole-number drills keep their values here as well.
struct Problem {
    NumberKind kind = NumberKind::Whole;
    double dblFirst = 0.0;
    double dblSecond = 0.0;
    double dblAnswer = 0.0;
    Integer intSlot = 1;
    // The values of lblfirst(1) .. lblfirst(4).
    std::array<double, 4> candidates{};
    ProblemCaptions captions;

    // The whole-number drills' operands and answer.
    Integer intFirst() const { return static_cast<Integer>(dblFirst); }
    Integer intSecond() const { return static_cast<Integer>(dblSecond); }
    Integer intAnswer() const { return static_cast<Integer>(dblAnswer); }

    // Whether candidate `index` (1 to 4) carries the answer, by its value: whichever label it is.
    bool isAnswer(int index) const;
    // The answer as the answer box shows it once it is found, in the session's number locale.
    QString answerText() const;
};

using ProblemRule = Problem (*)(const QString &gradeText, RandomSource &random);

Problem additionProblem(const QString &gradeText, RandomSource &random);
Problem subtractionProblem(const QString &gradeText, RandomSource &random);
Problem multiplicationProblem(const QString &gradeText, RandomSource &random);
Problem divisionProblem(const QString &gradeText, RandomSource &random);
Problem percentProblem(const QString &gradeText, RandomSource &random);

// The whole-number drills' candidates for lblfirst(1) .. lblfirst(4): the answer in its slot and
// fixed offsets elsewhere, the correct one always the smallest.
std::array<Integer, 4> integerCandidates(Integer answer, Integer slot);

// The division and percent candidates: the answer in its slot, answer + k/10 in label k.
std::array<double, 4> tenthCandidates(double answer, Integer slot);

// Asks for the grade until the answer is a grade in a band, or empty (the prompt was cancelled),
// and returns that last answer: a grade that is no number, or a number in no band (0, 2.5), has
// no operands to draw.
QString askGradeInBand(const std::function<QString()> &ask);
