#include "worksheets/Worksheets.h"

#include "platform/Numbers.h"
#include "platform/RandomSource.h"

#include <QtGlobal>
#include <cstdint>

namespace
{

const QString kFontName = QStringLiteral("Times New Roman");
constexpr double kHeadingPoints = 14.0;
constexpr double kProblemPoints = 12.0;

QString instruction(Subject subject)
{
    switch (subject) {
    case Subject::Addition:
        return QStringLiteral("Add the following numbers");
    case Subject::Subtraction:
        return QStringLiteral("Subtract the following numbers");
    case Subject::Multiplication:
        return QStringLiteral("Multiply the following numbers");
    case Subject::Division:
        return QStringLiteral("Divide the following numbers");
    case Subject::Percents:
        return QStringLiteral("Find the percent of the following numbers");
    }
    return QString();
}

QString operatorSign(Subject subject)
{
    switch (subject) {
    case Subject::Subtraction:
        return QStringLiteral("-");
    case Subject::Multiplication:
        return QStringLiteral("x");
    default:
        return QStringLiteral("+");
    }
}

bool isTwoProblemSheet(Subject subject)
{
    return subject == Subject::Addition || subject == Subject::Subtraction ||
           subject == Subject::Multiplication;
}

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

double pairAnswer(Subject subject, Integer top, Integer bottom)
{
    switch (subject) {
    case Subject::Subtraction:
        return toInteger(top - bottom);
    case Subject::Multiplication:
        return static_cast<double>(static_cast<std::int32_t>(top) * bottom);
    default:
        return toInteger(top + bottom);
    }
}

void buildPairRows(Worksheet &sheet, RandomSource &random, bool negativeAnswers)
{
    const int range = worksheetRange(sheet.grade);
    const int offset = sheet.seedOffset;
    const bool subtraction = sheet.subject == Subject::Subtraction;
    for (int row = 0; row < kWorksheetProblems / 2; ++row) {
        // Draw order a, b, c, d; subtraction applies its rule to each problem right after
        // drawing that problem's bottom operand, before the next draw.
        Integer a = drawInteger(random, range, offset);
        Integer b = drawInteger(random, range, offset);
        const Integer c = drawInteger(random, range, offset);
        if (subtraction) {
            keepDifferenceNonNegative(a, c, negativeAnswers);
        }
        const Integer d = drawInteger(random, range, offset);
        if (subtraction) {
            keepDifferenceNonNegative(b, d, negativeAnswers);
        }
        sheet.problems.append({double(a), double(c), pairAnswer(sheet.subject, a, c)});
        sheet.problems.append({double(b), double(d), pairAnswer(sheet.subject, b, d)});
    }
}

// A divisor of 0 (possible only with seed offset 0) is drawn again, so every problem has an
// answer; no other case takes an extra draw.
double drawDivisor(RandomSource &random, int range, int offset)
{
    double value = drawWhole(random, range, offset);
    while (value == 0.0) {
        value = drawWhole(random, range, offset);
    }
    return value;
}

void buildLineProblems(Worksheet &sheet, RandomSource &random)
{
    const int range = worksheetRange(sheet.grade);
    const int offset = sheet.seedOffset;
    for (int i = 0; i < kWorksheetProblems; ++i) {
        WorksheetProblem problem;
        // Both sheets divide x by y: the percent line asks what percent of y x is.
        problem.first = drawWhole(random, range, offset);
        problem.second = drawDivisor(random, range, offset);
        const auto x = static_cast<std::int64_t>(problem.first);
        const auto y = static_cast<std::int64_t>(problem.second);
        problem.answer = sheet.subject == Subject::Division ? roundedQuotient(x, y, 3)
                                                            : roundedQuotient(x * 100, y, 1);
        sheet.problems.append(problem);
    }
}

void printHeading(PrintDocument &document, Subject subject)
{
    document.setFontName(kFontName);
    document.setFontSize(kHeadingPoints);
    document.emptyLine();
    document.emptyLine();
    const QString rule(18, QLatin1Char('_'));
    document.print(PrintLine().text(QStringLiteral("NAME: ")).text(rule));
    document.emptyLine();
    document.print(PrintLine().text(QStringLiteral("DATE: ")).text(rule));
    document.emptyLine();
    document.print(PrintLine().text(instruction(subject)));
    document.emptyLine();
}

void printPairRows(PrintDocument &document, const Worksheet &sheet,
                   const std::function<bool()> &answersWanted)
{
    const QString sign = operatorSign(sheet.subject);
    const QString blank(10, QLatin1Char('_'));
    // Subtraction answers line up under the top operands, the others under the bottom ones.
    const bool underTop = sheet.subject == Subject::Subtraction;
    constexpr auto zone = PrintSeparator::Zone;
    for (int row = 0; row < kWorksheetProblems / 2; ++row) {
        const int i = 2 * row + 1;
        const WorksheetProblem &left = sheet.problems.at(2 * row);
        const WorksheetProblem &right = sheet.problems.at(2 * row + 1);
        document.setFontSize(kProblemPoints);
        document.print(PrintLine()
                           .number(i)
                           .text(QStringLiteral(")"), zone)
                           .tab(30 - printedLength(left.first))
                           .number(left.first, zone)
                           .number(i + 1)
                           .text(QStringLiteral(")"))
                           .tab(70 - printedLength(right.first))
                           .number(right.first));
        document.print(PrintLine()
                           .zone()
                           .tab(29 - printedLength(left.second))
                           .text(sign)
                           .number(left.second, zone)
                           .tab(69 - printedLength(right.second))
                           .text(sign)
                           .number(right.second));
        if (answersWanted()) {
            const double leftColumnOf = underTop ? left.first : left.second;
            const double rightColumnOf = underTop ? right.first : right.second;
            document.print(PrintLine()
                               .zone()
                               .text(QStringLiteral("Answer "))
                               .tab(30 - printedLength(leftColumnOf))
                               .number(left.answer, zone)
                               .zone()
                               .text(QStringLiteral("Answer "))
                               .tab(70 - printedLength(rightColumnOf))
                               .number(right.answer));
        } else {
            document.print(PrintLine()
                               .zone()
                               .text(QStringLiteral("Answer"))
                               .text(blank, zone)
                               .zone()
                               .text(QStringLiteral("Answer"))
                               .text(blank));
        }
        document.emptyLine();
    }
}

void printProblemLines(PrintDocument &document, const Worksheet &sheet,
                       const std::function<bool()> &answersWanted)
{
    const bool division = sheet.subject == Subject::Division;
    const QString middle = division ? QStringLiteral(" / ") : QStringLiteral("IS WHAT PERCENT OF:");
    const int secondEndColumn = division ? 25 : 50;
    const PrintSeparator afterSecond = division ? PrintSeparator::Zone : PrintSeparator::Then;
    const QString answerLabel = division ? QStringLiteral("Answer ") : QStringLiteral(" Answer ");
    for (int i = 1; i <= kWorksheetProblems; ++i) {
        const WorksheetProblem &problem = sheet.problems.at(i - 1);
        document.setFontSize(kProblemPoints);
        PrintLine line;
        line.number(i)
            .text(QStringLiteral(")"))
            .tab(15 - printedLength(problem.first))
            .number(problem.first)
            .text(middle)
            .tab(secondEndColumn - printedLength(problem.second))
            .number(problem.second, afterSecond);
        if (answersWanted()) {
            line.text(answerLabel).number(problem.answer);
        } else {
            line.text(QStringLiteral(" Answer ")).text(QStringLiteral(" __________"));
        }
        document.print(line);
        document.emptyLine();
    }
}

} // namespace

int worksheetRange(int grade)
{
    if (grade < 3) {
        return 20;
    }
    if (grade <= 4) {
        return 99;
    }
    return 999;
}

Worksheet buildWorksheet(Subject subject, int grade, int seedOffset, RandomSource &random,
                         bool negativeAnswers)
{
    Q_ASSERT(grade >= 1 && grade <= 6);
    Q_ASSERT(seedOffset >= 0 && seedOffset <= 19);
    Worksheet sheet;
    sheet.subject = subject;
    sheet.grade = grade;
    sheet.seedOffset = seedOffset;
    if (isTwoProblemSheet(subject)) {
        buildPairRows(sheet, random, negativeAnswers);
    } else {
        buildLineProblems(sheet, random);
    }
    return sheet;
}

PrintDocument renderWorksheet(const Worksheet &sheet, const std::function<bool()> &answersWanted)
{
    Q_ASSERT(sheet.problems.size() == kWorksheetProblems);
    PrintDocument document;
    printHeading(document, sheet.subject);
    if (isTwoProblemSheet(sheet.subject)) {
        printPairRows(document, sheet, answersWanted);
    } else {
        printProblemLines(document, sheet, answersWanted);
    }
    document.endDocument();
    return document;
}

PrintDocument renderWorksheet(const Worksheet &sheet, bool withAnswers)
{
    return renderWorksheet(sheet, [withAnswers] { return withAnswers; });
}

QString subjectName(Subject subject)
{
    switch (subject) {
    case Subject::Addition:
        return QStringLiteral("addition");
    case Subject::Subtraction:
        return QStringLiteral("subtraction");
    case Subject::Division:
        return QStringLiteral("division");
    case Subject::Multiplication:
        return QStringLiteral("multiplication");
    case Subject::Percents:
        return QStringLiteral("percent");
    }
    return QString();
}

std::optional<Subject> subjectFromName(const QString &name)
{
    for (Subject subject : {Subject::Addition, Subject::Subtraction, Subject::Division,
                            Subject::Multiplication, Subject::Percents}) {
        if (name == subjectName(subject)) {
            return subject;
        }
    }
    if (name == QLatin1String("percents")) {
        return Subject::Percents;
    }
    return std::nullopt;
}
