#pragma once

#include "platform/RandomSource.h"

#include <cstdint>

// A 64-bit mixing generator. A reseed folds the clock reading into the state it finds, so a
// redraw right after a reseed at an unchanged reading still moves on to a new value.
class MixingRandomSource : public RandomSource
{
public:
    explicit MixingRandomSource(std::uint64_t seed = 0x2545F4914F6CDD1DULL) : m_state(seed) {}

    void reseed(float clockReading) override;
    float next() override;

private:
    std::uint64_t m_state;
};
