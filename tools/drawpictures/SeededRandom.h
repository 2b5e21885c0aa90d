#pragma once

#include <cstdint>

// A tiny fixed-seed generator (xorshift64*) whose sequence is the same on every platform and
// library version, unlike the std:: distributions. Used to scatter brush strokes and fragments.
class SeededRandom
{
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed ? seed : 0x9E3779B97F4A7C15ull) {}

    std::uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1Dull;
    }

    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint64_t m_state;
};
