#include "drills/DrillRules.h"

#include "platform/RandomSource.h"

#include <cstdint>
#include <optional>

GradeBand gradeBand(const QString &gradeText)
{
    // The text is read afresh for every comparison, in the order the bands are tried.
    const auto equals = [&gradeText](double wanted) {
        const std::optional<double> g = parseNumber(gradeText);
        return g.has_value() && *g == wanted;
    };
    if (equals(1.0) || equals(2.0)) {
        return GradeBand::Grades1To2;
    }
    if (equals(3.0) || equals(4.0)) {
        return GradeBand::Grades3To4;
    }
    if (const std::optional<double> g = parseNumber(gradeText); g.has_value() && *g > 4.0) {
        return GradeBand::Grades5To6;
    }
    return GradeBand::None;
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
void finishIntegerProblem(IntegerProblem &problem, RandomSource &random)
{
    problem.intSlot = drawSlot(random);
    const std::array<Integer, 4> values = integerCandidates(problem.intAnswer, problem.intSlot);
    for (std::size_t i = 0; i < values.size(); ++i) {
        problem.captions.candidates[i] = integerText(values[i]);
    }
}

void finishDoubleProblem(DoubleProblem &problem, RandomSource &random)
{
    problem.intSlot = drawSlot(random);
    const std::array<double, 4> values = tenthCandidates(problem.dblAnswer, problem.intSlot);
    for (std::size_t i = 0; i < values.size(); ++i) {
        problem.captions.candidates[i] = numberText(values[i]);
    }
}

// Draws both operands of a whole-number drill in the order first, second; the answer and the
// slot are left to the caller.
bool drawIntegerOperands(IntegerProblem &problem, const QString &gradeText, RandomSource &random,
                         const BandDraws &draws)
{
    const std::optional<BandDraw> draw = drawForBand(gradeBand(gradeText), draws);
    if (!draw.has_value()) {
        return false;
    }
    problem.intFirst = drawInteger(random, *draw);
    problem.captions.first = integerText(problem.intFirst);
    problem.intSecond = drawInteger(random, *draw);
    problem.captions.second = integerText(problem.intSecond);
    return true;
}

bool drawDoubleOperands(DoubleProblem &problem, const QString &gradeText, RandomSource &random)
{
    static constexpr BandDraws draws = {{{9, 1}, {99, 1}, {150, 1}}};
    const std::optional<BandDraw> draw = drawForBand(gradeBand(gradeText), draws);
    if (!draw.has_value()) {
        return false;
    }
    problem.dblFirst = drawWhole(random, draw->k, draw->c);
    problem.captions.first = numberText(problem.dblFirst);
    problem.dblSecond = drawWhole(random, draw->k, draw->c);
    problem.captions.second = numberText(problem.dblSecond);
    return true;
}

} // namespace

IntegerProblem additionProblem(const QString &gradeText, RandomSource &random)
{
    static constexpr BandDraws draws = {{{20, 2}, {200, 1}, {999, 1}}};
    IntegerProblem problem;
    if (drawIntegerOperands(problem, gradeText, random, draws)) {
        problem.intAnswer = toInteger(problem.intSecond + problem.intFirst);
    }
    finishIntegerProblem(problem, random);
    return problem;
}

IntegerProblem subtractionProblem(const QString &gradeText, RandomSource &random)
{
    static constexpr BandDraws draws = {{{20, 1}, {200, 1}, {999, 1}}};
    IntegerProblem problem;
    const GradeBand band = gradeBand(gradeText);
    if (drawIntegerOperands(problem, gradeText, random, draws)) {
        // The youngest never see a negative difference: a larger second operand is answered by
        // showing a first operand of both plus 7, which leaves the drawn first plus 7 as the
        // answer.
        if (band == GradeBand::Grades1To2 && problem.intSecond > problem.intFirst) {
            problem.intFirst = toInteger(problem.intSecond + 7 + problem.intFirst);
            problem.captions.first = integerText(problem.intFirst);
        }
        problem.intAnswer = toInteger(problem.intFirst - problem.intSecond);
    }
    finishIntegerProblem(problem, random);
    return problem;
}

IntegerProblem multiplicationProblem(const QString &gradeText, RandomSource &random)
{
    static constexpr BandDraws draws = {{{9, 1}, {99, 1}, {150, 1}}};
    IntegerProblem problem;
    if (drawIntegerOperands(problem, gradeText, random, draws)) {
        problem.intAnswer = toInteger(problem.intSecond * problem.intFirst);
    }
    finishIntegerProblem(problem, random);
    return problem;
}

DoubleProblem divisionProblem(const QString &gradeText, RandomSource &random)
{
    DoubleProblem problem;
    if (drawDoubleOperands(problem, gradeText, random)) {
        problem.dblAnswer = roundedQuotient(static_cast<std::int64_t>(problem.dblFirst),
                                            static_cast<std::int64_t>(problem.dblSecond), 2);
    }
    finishDoubleProblem(problem, random);
    return problem;
}

DoubleProblem percentProblem(const QString &gradeText, RandomSource &random)
{
    DoubleProblem problem;
    if (drawDoubleOperands(problem, gradeText, random)) {
        // The question reads "What Percent of:" the second operand "is:" the first, in every
        // band, so the answer is the first as a percentage of the second.
        problem.dblAnswer = roundedQuotient(static_cast<std::int64_t>(problem.dblFirst) * 100,
                                            static_cast<std::int64_t>(problem.dblSecond), 2);
    }
    finishDoubleProblem(problem, random);
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

bool captionMatchesAnswer(const QString &caption, double answer)
{
    const std::optional<double> value = parseNumber(caption);
    return value.has_value() && *value == answer;
}
