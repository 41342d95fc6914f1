#include "platform/RandomSource.h"

#include <cmath>

namespace
{
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
// Stream 54, initial state 42: the seed of PCG32's published demonstration output.
constexpr std::uint64_t kIncrement = (54ULL << 1U) | 1U;
constexpr std::uint64_t kInitialState = 42ULL;
} // namespace

Pcg32RandomSource::Pcg32RandomSource()
{
    // The reference seeding step, so the sequence matches published PCG32 output for this seed.
    m_state = 0;
    m_state = m_state * kMultiplier + kIncrement;
    m_state += kInitialState;
    m_state = m_state * kMultiplier + kIncrement;
}

float Pcg32RandomSource::next()
{
    const std::uint64_t old = m_state;
    m_state = old * kMultiplier + kIncrement;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    const std::uint32_t out = (xorShifted >> rot) | (xorShifted << ((32U - rot) & 31U));
    return static_cast<float>(out >> 8U) / 16777216.0F;
}

double drawWhole(RandomSource &random, double k, double c)
{
    const double r = static_cast<double>(random.next());
    return std::floor(r * k + c);
}
