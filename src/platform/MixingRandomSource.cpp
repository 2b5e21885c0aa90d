#include "platform/MixingRandomSource.h"

#include <bit>

namespace {
constexpr std::uint64_t Golden = 0x9E3779B97F4A7C15ULL;

std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
} // namespace

void MixingRandomSource::reseed(float clockReading)
{
    const auto bits = std::bit_cast<std::uint32_t>(clockReading);
    m_state = mix(m_state ^ (std::uint64_t(bits) * Golden));
}

float MixingRandomSource::next()
{
    m_state += Golden;
    // The top 24 bits: a multiple of 2^-24 in [0, 1), exactly representable in a float.
    return static_cast<float>(mix(m_state) >> 40) * (1.0f / 16777216.0f);
}
