#include "worksheets/Worksheets.h"

#include "platform/GradeBand.h"
#include "platform/Numbers.h"
#include "platform/RandomSource.h"
#include "platform/Texts.h"

#include <QCoreApplication>

#include <QtGlobal>

namespace
{

const QString kFontName = QStringLiteral("Times New Roman");
constexpr double kHeadingPoints = 14.0;
constexpr double kProblemPoints = 12.0;

// The operands of the two-problem sheets are Integers; the draw keeps them inside 16 bits.
Integer drawInteger(RandomSource &random, int range, int seedOffset)
{
    return toInteger(static_cast<int>(drawWhole(random, range, seedOffset)));
}

// Without negative answers a larger bottom operand is added to the top one, so the difference
// is the top operand as drawn.
void keepDifferenceNonNegative(Integer &top, Integer bottom, bool negativeAnswers)
{
    if (!negativeAnswers && bottom > top) {
        top = toInteger(top + bottom);
    }
}

void buildPairRows(Worksheet &sheet, const SubjectRow &subject, RandomSource &random,
                   bool negativeAnswers)
{
    const int range = worksheetRange(sheet.grade);
    const int offset = sheet.seedOffset;
    // Only a subject that asks about negative answers keeps them out when told No.
    const bool anyDifference = negativeAnswers || subject.negativesQuestion.isEmpty();
    for (int row = 0; row < kWorksheetProblems / 2; ++row) {
        // Draw order a, b, c, d; the rule on negative answers applies to each problem right
        // after drawing that problem's bottom operand, before the next draw.
        Integer a = drawInteger(random, range, offset);
        Integer b = drawInteger(random, range, offset);
        const Integer c = drawInteger(random, range, offset);
        keepDifferenceNonNegative(a, c, anyDifference);
        const Integer d = drawInteger(random, range, offset);
        keepDifferenceNonNegative(b, d, anyDifference);
        sheet.problems.append({double(a), double(c), subject.answer(a, c)});
        sheet.problems.append({double(b), double(d), subject.answer(b, d)});
    }
}

// A divisor of 0 (possible only with seed offset 0) is drawn again, so every problem has an
// answer; no other case takes an extra draw.
double drawSecond(RandomSource &random, int range, int offset, bool neverZero)
{
    double value = drawWhole(random, range, offset);
    while (neverZero && value == 0.0) {
        value = drawWhole(random, range, offset);
    }
    return value;
}

void buildLineProblems(Worksheet &sheet, const SubjectRow &subject, RandomSource &random)
{
    const int range = worksheetRange(sheet.grade);
    const int offset = sheet.seedOffset;
    for (int i = 0; i < kWorksheetProblems; ++i) {
        WorksheetProblem problem;
        problem.first = drawWhole(random, range, offset);
        problem.second = drawSecond(random, range, offset, subject.secondNeverZero);
        problem.answer = subject.answer(problem.first, problem.second);
        sheet.problems.append(problem);
    }
}

void printHeading(PrintDocument &document, const SubjectRow &subject)
{
    document.setFontName(kFontName);
    document.setFontSize(kHeadingPoints);
    document.emptyLine();
    document.emptyLine();
    const QString rule(18, QLatin1Char('_'));
    document.print(
        PrintLine().text(QCoreApplication::translate("Worksheets", "NAME: ")).text(rule));
    document.emptyLine();
    document.print(
        PrintLine().text(QCoreApplication::translate("Worksheets", "DATE: ")).text(rule));
    document.emptyLine();
    document.print(PrintLine().text(translated("Subjects", subject.instruction)));
    document.emptyLine();
}

void printPairRows(PrintDocument &document, const Worksheet &sheet, const SubjectRow &subject,
                   const std::function<bool()> &answersWanted)
{
    const QString sign = translated("Subjects", subject.sign);
    const auto length = [&document](double value) {
        return printedLength(value, document.numberLocale());
    };
    const bool underTop = subject.answerUnder == AnswerUnder::Top;
    constexpr auto zone = PrintSeparator::Zone;
    for (int row = 0; row < kWorksheetProblems / 2; ++row) {
        const int i = 2 * row + 1;
        const WorksheetProblem &left = sheet.problems.at(2 * row);
        const WorksheetProblem &right = sheet.problems.at(2 * row + 1);
        document.setFontSize(kProblemPoints);
        document.print(PrintLine()
                           .number(i)
                           .text(QStringLiteral(")"), zone)
                           .tab(30 - length(left.first))
                           .number(left.first, zone)
                           .number(i + 1)
                           .text(QStringLiteral(")"))
                           .tab(70 - length(right.first))
                           .number(right.first));
        document.print(PrintLine()
                           .zone()
                           .tab(29 - length(left.second))
                           .text(sign)
                           .number(left.second, zone)
                           .tab(69 - length(right.second))
                           .text(sign)
                           .number(right.second));
        if (answersWanted()) {
            const double leftColumnOf = underTop ? left.first : left.second;
            const double rightColumnOf = underTop ? right.first : right.second;
            document.print(PrintLine()
                               .zone()
                               .text(translated("Subjects", subject.answerLabel))
                               .tab(30 - length(leftColumnOf))
                               .number(left.answer, zone)
                               .zone()
                               .text(translated("Subjects", subject.answerLabel))
                               .tab(70 - length(rightColumnOf))
                               .number(right.answer));
        } else {
            document.print(PrintLine()
                               .zone()
                               .text(translated("Subjects", subject.blankLabel))
                               .text(subject.blankLine, zone)
                               .zone()
                               .text(translated("Subjects", subject.blankLabel))
                               .text(subject.blankLine));
        }
        document.emptyLine();
    }
}

void printProblemLines(PrintDocument &document, const Worksheet &sheet, const SubjectRow &subject,
                       const std::function<bool()> &answersWanted)
{
    for (int i = 1; i <= kWorksheetProblems; ++i) {
        const WorksheetProblem &problem = sheet.problems.at(i - 1);
        const QLocale &numbers = document.numberLocale();
        document.setFontSize(kProblemPoints);
        PrintLine line;
        line.number(i)
            .text(QStringLiteral(")"))
            .tab(15 - printedLength(problem.first, numbers))
            .number(problem.first)
            .text(translated("Subjects", subject.middle))
            .tab(subject.secondEndColumn - printedLength(problem.second, numbers))
            .number(problem.second, subject.afterSecond);
        if (answersWanted()) {
            line.text(translated("Subjects", subject.answerLabel)).number(problem.answer);
        } else {
            line.text(translated("Subjects", subject.blankLabel)).text(subject.blankLine);
        }
        document.print(line);
        document.emptyLine();
    }
}

} // namespace

int worksheetRange(int grade)
{
    switch (gradeBandOf(grade)) {
    case GradeBand::Grades1To2:
        return 20;
    case GradeBand::Grades3To4:
        return 99;
    case GradeBand::Grades5To6:
    case GradeBand::None: // a sheet's grade is checked before it is drawn
        break;
    }
    return 999;
}

Worksheet buildWorksheet(Subject subject, int grade, int seedOffset, RandomSource &random,
                         bool negativeAnswers)
{
    Q_ASSERT(grade >= kLowestGrade && grade <= kHighestGrade);
    Q_ASSERT(seedOffset >= 0 && seedOffset <= kHighestSeed - kLowestSeed);
    Worksheet sheet;
    sheet.subject = subject;
    sheet.grade = grade;
    sheet.seedOffset = seedOffset;
    const SubjectRow &row = subjectRow(subject);
    if (row.shape == SheetShape::PairRows) {
        buildPairRows(sheet, row, random, negativeAnswers);
    } else {
        buildLineProblems(sheet, row, random);
    }
    return sheet;
}

PrintDocument renderWorksheet(const Worksheet &sheet, const std::function<bool()> &answersWanted,
                              const QLocale &numberLocale)
{
    Q_ASSERT(sheet.problems.size() == kWorksheetProblems);
    PrintDocument document;
    document.setNumberLocale(numberLocale);
    const SubjectRow &row = subjectRow(sheet.subject);
    printHeading(document, row);
    if (row.shape == SheetShape::PairRows) {
        printPairRows(document, sheet, row, answersWanted);
    } else {
        printProblemLines(document, sheet, row, answersWanted);
    }
    document.endDocument();
    return document;
}

PrintDocument renderWorksheet(const Worksheet &sheet, bool withAnswers, const QLocale &numberLocale)
{
    return renderWorksheet(
        sheet, [withAnswers] { return withAnswers; }, numberLocale);
}
