#pragma once

#include "platform/Numbers.h"

#include <QString>
#include <array>

class RandomSource;

// The five drills' problem rules. Each rule is a pure function of the grade text and the shared
// random source: the window stores the fields it returns and shows its captions.

// The grade bands that choose the operand ranges. A grade that reads as no number, or as a number
// that is not 1, 2, 3, 4 and not above 4 (0, negative, 1.5, 3.5), is in no band.
enum class GradeBand { None, Grades1To2, Grades3To4, Grades5To6 };

GradeBand gradeBand(const QString &gradeText);

// Whether the grade prompt's answer makes a problem: a number in one of the bands. Text that is no
// number, and numbers in no band, make none.
bool isGradeInBand(const QString &gradeText);

// What a problem shows: the two operand captions (empty when the grade is in no band) and the
// four candidate captions, index 0 standing for lblfirst(1).
struct ProblemCaptions {
    QString first;
    QString second;
    std::array<QString, 4> candidates;
};

struct IntegerProblem {
    Integer intFirst = 0;
    Integer intSecond = 0;
    Integer intAnswer = 0;
    Integer intSlot = 1;
    ProblemCaptions captions;
};

struct DoubleProblem {
    double dblFirst = 0.0;
    double dblSecond = 0.0;
    double dblAnswer = 0.0;
    Integer intSlot = 1;
    ProblemCaptions captions;
};

using IntegerRule = IntegerProblem (*)(const QString &gradeText, RandomSource &random);
using DoubleRule = DoubleProblem (*)(const QString &gradeText, RandomSource &random);

IntegerProblem additionProblem(const QString &gradeText, RandomSource &random);
IntegerProblem subtractionProblem(const QString &gradeText, RandomSource &random);
IntegerProblem multiplicationProblem(const QString &gradeText, RandomSource &random);
DoubleProblem divisionProblem(const QString &gradeText, RandomSource &random);
DoubleProblem percentProblem(const QString &gradeText, RandomSource &random);

// The whole-number drills' candidates for lblfirst(1) .. lblfirst(4): the answer in its slot and
// fixed offsets elsewhere, the correct one always the smallest.
std::array<Integer, 4> integerCandidates(Integer answer, Integer slot);

// The division and percent candidates: the answer in its slot, answer + k/10 in label k.
std::array<double, 4> tenthCandidates(double answer, Integer slot);

// A dropped caption is right when it reads as exactly the answer, whatever label carries it.
bool captionMatchesAnswer(const QString &caption, double answer);
