#pragma once

#include "platform/RandomSource.h"

#include <QList>

// Returns the values a test gives it, in order, and counts the draws taken. Running out of
// values is a test failure (recorded), after which it returns 0.
class ScriptedRandomSource final : public RandomSource
{
public:
    ScriptedRandomSource() = default;
    explicit ScriptedRandomSource(QList<float> values) : m_values(std::move(values)) {}

    void push(float value) { m_values.append(value); }
    void push(const QList<float> &values) { m_values.append(values); }
    float next() override;

    int draws() const { return m_draws; }
    int remaining() const { return static_cast<int>(m_values.size()) - m_position; }
    bool exhausted() const { return m_exhausted; }

    // Largest float below 1, the top of the source's range.
    static float justBelowOne();

private:
    QList<float> m_values;
    int m_position = 0;
    int m_draws = 0;
    bool m_exhausted = false;
};

// The value r whose whole-number draw floor(r * k) + c is `wanted`: the middle of its step, so
// single-precision rounding cannot move it into a neighbour's.
float valueFor(int wanted, int k, int c);
