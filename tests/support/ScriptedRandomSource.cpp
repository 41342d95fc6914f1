#include "ScriptedRandomSource.h"

#include <QTest>
#include <cmath>

float ScriptedRandomSource::next()
{
    ++m_draws;
    if (m_position >= m_values.size()) {
        m_exhausted = true;
        QTest::qFail("scripted random source ran out of values", __FILE__, __LINE__);
        return 0.0F;
    }
    return m_values.at(m_position++);
}

float ScriptedRandomSource::justBelowOne()
{
    return std::nextafter(1.0F, 0.0F);
}

float valueFor(int wanted, int k, int c)
{
    const auto r = static_cast<float>((wanted - c + 0.5) / k);
    Q_ASSERT(std::floor(static_cast<double>(r) * k + c) == wanted);
    return r;
}
