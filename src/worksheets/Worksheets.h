#pragma once

#include "platform/Numbers.h"
#include "printing/PrintModel.h"
#include "worksheets/Subjects.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <functional>

class RandomSource;

// The five worksheets as data: each sheet's twenty problems are drawn once and then rendered as
// the blank copy or the answer copy, so both copies of one sheet carry the same problems.

struct WorksheetProblem {
    double first = 0.0;  // top operand, or x of a one-line problem
    double second = 0.0; // bottom operand, or y
    double answer = 0.0;
};

struct Worksheet {
    Subject subject = Subject::Addition;
    int grade = 1;
    int seedOffset = 0;
    QList<WorksheetProblem> problems; // twenty, numbered from 1
};

constexpr int kWorksheetProblems = 20;

// The grades and seeds a teacher chooses from, in the request window and on the command line. A
// sheet is drawn with the seed's offset, the seed less kLowestSeed.
constexpr int kLowestGrade = 1;
constexpr int kHighestGrade = 6;
constexpr int kLowestSeed = 1;
constexpr int kHighestSeed = 20;

// Operands are drawn from seedOffset to seedOffset + range - 1; the grade's band sets the range.
int worksheetRange(int grade);

// Draws one sheet's problems. negativeAnswers matters only to a subject that asks about them:
// without it, a bottom operand larger than its top one is added to the top, so no difference is
// negative.
Worksheet buildWorksheet(Subject subject, int grade, int seedOffset, RandomSource &random,
                         bool negativeAnswers);

// The print document of a sheet, its numbers written for numberLocale; answersWanted is asked at
// each answer line, as it is printed.
PrintDocument renderWorksheet(const Worksheet &sheet, const std::function<bool()> &answersWanted,
                              const QLocale &numberLocale = systemNumberLocale());
PrintDocument renderWorksheet(const Worksheet &sheet, bool withAnswers,
                              const QLocale &numberLocale = systemNumberLocale());
