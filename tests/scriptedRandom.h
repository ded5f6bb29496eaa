#pragma once

#include "random.h"

#include <QList>

// Puts a script of values in place of the random source for its lifetime,
// repeating the script as often as needed, and counts the draws.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(QList<float> script) : m_script(std::move(script))
    {
        setRandomSource([this] { return m_script[m_draws++ % m_script.size()]; });
    }
    ~ScriptedRandom() { setRandomSource({}); }
    ScriptedRandom(const ScriptedRandom &) = delete;
    ScriptedRandom &operator=(const ScriptedRandom &) = delete;

    int draws() const { return m_draws; }

private:
    QList<float> m_script;
    int m_draws = 0;
};

// The largest value the source can give.
constexpr float highestDraw = 1.0f - 0x1p-24f;
