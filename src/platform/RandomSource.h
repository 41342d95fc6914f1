#pragma once

#include <cstdint>

// The program's one source of chance. Every drill and worksheet draws from the same sequence,
// so the order of draws is part of the behaviour and tests replace the source with scripted values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Next single-precision value r with 0 <= r < 1.
    virtual float next() = 0;
};

// PCG32 (XSH-RR, O'Neill 2014) from a fixed state. It is plain 64-bit integer arithmetic, so the
// sequence is the same with every compiler and library; r is the top 24 bits over 2^24, which a
// float holds exactly. The program never reseeds it: a fresh start replays the same problems.
class Pcg32RandomSource final : public RandomSource
{
public:
    Pcg32RandomSource();
    float next() override;

private:
    std::uint64_t m_state = 0;
};

// A whole-number draw floor(r * k + c), computed in double precision from the single-precision r:
// one of the k whole numbers c .. c + k - 1 for whole k and c.
double drawWhole(RandomSource &random, double k, double c);
