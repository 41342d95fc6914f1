#include "worksheets/Subjects.h"

#include "platform/Numbers.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdint>

namespace
{

// The pair-row operands and differences are Integers; the draws keep them inside 16 bits.
double integerSum(double top, double bottom)
{
    return toInteger(static_cast<int>(top) + static_cast<int>(bottom));
}

double integerDifference(double top, double bottom)
{
    return toInteger(static_cast<int>(top) - static_cast<int>(bottom));
}

// Products reach seven digits, so they are taken in 32 bits.
double longProduct(double top, double bottom)
{
    return static_cast<double>(static_cast<std::int32_t>(top) * static_cast<std::int32_t>(bottom));
}

double quotientToThousandths(double x, double y)
{
    return roundedQuotient(static_cast<std::int64_t>(x), static_cast<std::int64_t>(y), 3);
}

// What percent of y x is, to a tenth.
double percentToTenths(double x, double y)
{
    return roundedQuotient(static_cast<std::int64_t>(x) * 100, static_cast<std::int64_t>(y), 1);
}

const QString kNegatives =
    QStringLiteral(QT_TRANSLATE_NOOP("Subjects", "Do You Want Negative Answers Mixed In?"));
const QString kAnswer = QStringLiteral(QT_TRANSLATE_NOOP("Subjects", "Answer "));
const QString kSpacedAnswer = QStringLiteral(QT_TRANSLATE_NOOP("Subjects", " Answer "));
// The operator signs, written as each language's schools write them; one character each, so
// the columns stay where they are.
//: Operator sign: addition, printed before the second number of a worksheet problem.
const QString kPlus = QStringLiteral(QT_TRANSLATE_NOOP("Subjects", "+"));
//: Operator sign: subtraction, printed before the second number of a worksheet problem.
const QString kMinus = QStringLiteral(QT_TRANSLATE_NOOP("Subjects", "-"));
//: Operator sign: multiplication (a lower-case letter x), printed before the second number of a
//: worksheet problem.
const QString kTimes = QStringLiteral(QT_TRANSLATE_NOOP("Subjects", "x"));
//: Operator sign: division, with one blank on each side, between the two numbers of a
//: worksheet problem; keep the blanks.
const QString kDivided = QStringLiteral(QT_TRANSLATE_NOOP("Subjects", " / "));
const QString kBlank = QStringLiteral("__________");
const QString kSpacedBlank = QStringLiteral(" __________");

constexpr SheetShape Pairs = SheetShape::PairRows;
constexpr SheetShape Line = SheetShape::OneLine;
constexpr AnswerUnder Top = AnswerUnder::Top;
constexpr AnswerUnder Bottom = AnswerUnder::Bottom;
constexpr PrintSeparator Zone = PrintSeparator::Zone;
constexpr PrintSeparator Then = PrintSeparator::Then;

} // namespace

const QList<SubjectRow> &subjectRows()
{
    // One row per subject, its fields in the order of SubjectRow, grouped on lines: names;
    // heading and shape; question first, draws and answer; pair rows; one line; answer line.
    // clang-format off
    static const QList<SubjectRow> rows = {
        {Subject::Addition, "addition", {}, 0, QT_TRANSLATE_NOOP("Subjects", "Addition"),
         QT_TRANSLATE_NOOP("Subjects", "Add the following numbers"), Pairs,
         "", false, integerSum,
         kPlus, Bottom,
         "", 0, Zone,
         kAnswer, QT_TRANSLATE_NOOP("Subjects", "Answer"), kBlank},
        {Subject::Subtraction, "subtraction", {}, 1, QT_TRANSLATE_NOOP("Subjects", "Subtraction"),
         QT_TRANSLATE_NOOP("Subjects", "Subtract the following numbers"), Pairs,
         kNegatives, false, integerDifference,
         kMinus, Top,
         "", 0, Zone,
         kAnswer, QT_TRANSLATE_NOOP("Subjects", "Answer"), kBlank},
        {Subject::Division, "division", {}, 3, QT_TRANSLATE_NOOP("Subjects", "Division"),
         QT_TRANSLATE_NOOP("Subjects", "Divide the following numbers"), Line,
         "", true, quotientToThousandths,
         "", Bottom,
         kDivided, 25, Zone,
         kAnswer, kSpacedAnswer, kSpacedBlank},
        {Subject::Multiplication, "multiplication", {}, 2, QT_TRANSLATE_NOOP("Subjects", "Multiplication"),
         QT_TRANSLATE_NOOP("Subjects", "Multiply the following numbers"), Pairs,
         "", false, longProduct,
         kTimes, Bottom,
         "", 0, Zone,
         kAnswer, QT_TRANSLATE_NOOP("Subjects", "Answer"), kBlank},
        {Subject::Percents, "percent", {"percents"}, 4, QT_TRANSLATE_NOOP("Subjects", "Percents"),
         QT_TRANSLATE_NOOP("Subjects", "Find the percent of the following numbers"), Line,
         "", true, percentToTenths,
         "", Bottom,
         QT_TRANSLATE_NOOP("Subjects", "IS WHAT PERCENT OF:"), 50, Then,
         kSpacedAnswer, kSpacedAnswer, kSpacedBlank},
    };
    // clang-format on
    return rows;
}

const SubjectRow &subjectRow(Subject subject)
{
    const QList<SubjectRow> &rows = subjectRows();
    const auto index = static_cast<qsizetype>(subject);
    Q_ASSERT(index >= 0 && index < rows.size() && rows.at(index).subject == subject);
    return rows.at(index);
}

QString subjectName(Subject subject)
{
    return subjectRow(subject).commandName;
}

std::optional<Subject> subjectFromName(const QString &name)
{
    for (const SubjectRow &row : subjectRows()) {
        if (name == row.commandName || row.otherNames.contains(name)) {
            return row.subject;
        }
    }
    return std::nullopt;
}

QList<SubjectRow> subjectsInCommandOrder()
{
    QList<SubjectRow> rows = subjectRows();
    std::stable_sort(rows.begin(), rows.end(), [](const SubjectRow &a, const SubjectRow &b) {
        return a.commandOrder < b.commandOrder;
    });
    return rows;
}
