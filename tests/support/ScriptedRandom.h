#pragma once

#include "platform/RandomSource.h"

#include <QList>

// Returns the values the test lists, in order; once they run out, repeats the last one
// (or 0). Counts reseeds.
class ScriptedRandom : public RandomSource
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(QList<float> values) : m_values(std::move(values)) {}

    void reseed(float) override { ++m_reseeds; }
    float next() override;

    void script(QList<float> values) { m_values = std::move(values); m_position = 0; }
    // The value that draws question q of a bank of count questions: (q - 0.5) / count.
    static float valueFor(int question, int count) { return float((question - 0.5) / count); }
    int draws() const { return m_draws; }
    int reseeds() const { return m_reseeds; }

private:
    QList<float> m_values;
    qsizetype m_position = 0;
    int m_draws = 0;
    int m_reseeds = 0;
};
