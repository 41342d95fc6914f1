#include "drills/DrillRules.h"

#include "platform/RandomSource.h"

#include <cstdint>
#include <optional>

GradeBand gradeBand(const QString &gradeText)
{
    const std::optional<double> grade = parseNumber(gradeText);
    return grade ? gradeBandOf(*grade) : GradeBand::None;
}

bool isGradeInBand(const QString &gradeText)
{
    return gradeBand(gradeText) != GradeBand::None;
}

namespace
{

// Int(Rnd * k + c) for the operands of one band.
struct BandDraw {
    double k;
    double c;
};

// Draws per band, in the order 1-2, 3-4, 5-6.
using BandDraws = std::array<BandDraw, 3>;

std::optional<BandDraw> drawForBand(GradeBand band, const BandDraws &draws)
{
    switch (band) {
    case GradeBand::Grades1To2:
        return draws[0];
    case GradeBand::Grades3To4:
        return draws[1];
    case GradeBand::Grades5To6:
        return draws[2];
    case GradeBand::None:
        break;
    }
    return std::nullopt;
}

Integer drawInteger(RandomSource &random, BandDraw draw)
{
    return toInteger(static_cast<int>(drawWhole(random, draw.k, draw.c)));
}

Integer drawSlot(RandomSource &random)
{
    return toInteger(static_cast<int>(drawWhole(random, 4.0, 1.0)));
}

// The slot is drawn after the operands, and the candidates follow from it.
void finishProblem(Problem &problem, RandomSource &random)
{
    problem.intSlot = drawSlot(random);
    if (problem.kind == NumberKind::Whole) {
        const std::array<Integer, 4> values =
            integerCandidates(problem.intAnswer(), problem.intSlot);
        for (std::size_t i = 0; i < values.size(); ++i) {
            problem.candidates[i] = values[i];
            problem.captions.candidates[i] = integerText(values[i]);
        }
        return;
    }
    problem.candidates = tenthCandidates(problem.dblAnswer, problem.intSlot);
    for (std::size_t i = 0; i < problem.candidates.size(); ++i) {
        problem.captions.candidates[i] = numberText(problem.candidates[i], systemNumberLocale());
    }
}

// Draws both operands in the order first, second; the answer and the slot are left to the
// caller. A whole-number drill's operands are 16-bit.
bool drawOperands(Problem &problem, const QString &gradeText, RandomSource &random,
                  const BandDraws &draws)
{
    const std::optional<BandDraw> draw = drawForBand(gradeBand(gradeText), draws);
    if (!draw.has_value()) {
        return false;
    }
    if (problem.kind == NumberKind::Whole) {
        problem.dblFirst = drawInteger(random, *draw);
        problem.captions.first = integerText(problem.intFirst());
        problem.dblSecond = drawInteger(random, *draw);
        problem.captions.second = integerText(problem.intSecond());
        return true;
    }
    problem.dblFirst = drawWhole(random, draw->k, draw->c);
    problem.captions.first = numberText(problem.dblFirst, systemNumberLocale());
    problem.dblSecond = drawWhole(random, draw->k, draw->c);
    problem.captions.second = numberText(problem.dblSecond, systemNumberLocale());
    return true;
}

// The division and percent drills draw the same operands.
constexpr BandDraws kQuotientDraws = {{{9, 1}, {99, 1}, {150, 1}}};

} // namespace

bool Problem::isAnswer(int index) const
{
    Q_ASSERT(1 <= index && index <= 4);
    return candidates[static_cast<std::size_t>(index - 1)] == dblAnswer;
}

QString Problem::answerText() const
{
    return kind == NumberKind::Whole ? integerText(intAnswer())
                                     : numberText(dblAnswer, systemNumberLocale());
}

Problem additionProblem(const QString &gradeText, RandomSource &random)
{
    static constexpr BandDraws draws = {{{20, 2}, {200, 1}, {999, 1}}};
    Problem problem;
    if (drawOperands(problem, gradeText, random, draws)) {
        problem.dblAnswer = toInteger(problem.intSecond() + problem.intFirst());
    }
    finishProblem(problem, random);
    return problem;
}

Problem subtractionProblem(const QString &gradeText, RandomSource &random)
{
    static constexpr BandDraws draws = {{{20, 1}, {200, 1}, {999, 1}}};
    Problem problem;
    const GradeBand band = gradeBand(gradeText);
    if (drawOperands(problem, gradeText, random, draws)) {
        // The youngest never see a negative difference: a larger second operand is answered by
        // showing a first operand of both plus 7, which leaves the drawn first plus 7 as the
        // answer.
        if (band == GradeBand::Grades1To2 && problem.intSecond() > problem.intFirst()) {
            problem.dblFirst = toInteger(problem.intSecond() + 7 + problem.intFirst());
            problem.captions.first = integerText(problem.intFirst());
        }
        problem.dblAnswer = toInteger(problem.intFirst() - problem.intSecond());
    }
    finishProblem(problem, random);
    return problem;
}

Problem multiplicationProblem(const QString &gradeText, RandomSource &random)
{
    static constexpr BandDraws draws = {{{9, 1}, {99, 1}, {150, 1}}};
    Problem problem;
    if (drawOperands(problem, gradeText, random, draws)) {
        problem.dblAnswer = toInteger(problem.intSecond() * problem.intFirst());
    }
    finishProblem(problem, random);
    return problem;
}

Problem divisionProblem(const QString &gradeText, RandomSource &random)
{
    Problem problem;
    problem.kind = NumberKind::Double;
    if (drawOperands(problem, gradeText, random, kQuotientDraws)) {
        problem.dblAnswer = roundedQuotient(static_cast<std::int64_t>(problem.dblFirst),
                                            static_cast<std::int64_t>(problem.dblSecond), 2);
    }
    finishProblem(problem, random);
    return problem;
}

Problem percentProblem(const QString &gradeText, RandomSource &random)
{
    Problem problem;
    problem.kind = NumberKind::Double;
    if (drawOperands(problem, gradeText, random, kQuotientDraws)) {
        // The question reads "What Percent of:" the second operand "is:" the first, in every
        // band, so the answer is the first as a percentage of the second.
        problem.dblAnswer = roundedQuotient(static_cast<std::int64_t>(problem.dblFirst) * 100,
                                            static_cast<std::int64_t>(problem.dblSecond), 2);
    }
    finishProblem(problem, random);
    return problem;
}

std::array<Integer, 4> integerCandidates(Integer answer, Integer slot)
{
    Q_ASSERT(slot >= 1 && slot <= 4);
    // Offsets for lblfirst(1) .. lblfirst(4) by slot; label 2 takes 20 when the answer is in
    // label 1, so that no wrong candidate is below the answer or equal to another.
    static constexpr int offsets[4][4] = {
        {0, 20, 3, 4},
        {10, 0, 3, 4},
        {10, 2, 0, 4},
        {10, 2, 3, 0},
    };
    std::array<Integer, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = toInteger(answer + offsets[slot - 1][i]);
    }
    return values;
}

std::array<double, 4> tenthCandidates(double answer, Integer slot)
{
    Q_ASSERT(slot >= 1 && slot <= 4);
    static constexpr double tenths[4] = {0.1, 0.2, 0.3, 0.4};
    std::array<double, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<Integer>(i + 1) == slot ? answer : answer + tenths[i];
    }
    return values;
}

QString askGradeInBand(const std::function<QString()> &ask)
{
    QString grade = ask();
    while (!grade.isEmpty() && !isGradeInBand(grade)) {
        grade = ask();
    }
    return grade;
}
