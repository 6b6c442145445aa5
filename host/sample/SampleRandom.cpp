#include "SampleRandom.h"

namespace host::sample {
namespace {

std::uint64_t RotateLeft(std::uint64_t value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

} // namespace

std::uint64_t MixBits(std::uint64_t value)
{
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

SampleRandom::SampleRandom(std::uint64_t seed)
{
    for (std::uint64_t& word : m_state) {
        seed += 0x9E3779B97F4A7C15ULL;
        word = MixBits(seed);
    }
}

std::uint64_t SampleRandom::Next()
{
    const std::uint64_t result = RotateLeft(m_state[1] * 5, 7) * 9;
    const std::uint64_t shifted = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= shifted;
    m_state[3] = RotateLeft(m_state[3], 45);
    return result;
}

// The modulo bias is far below anything the sample data could show.
std::uint64_t SampleRandom::Below(std::uint64_t bound)
{
    return Next() % bound;
}

std::int64_t SampleRandom::Between(std::int64_t low, std::int64_t high)
{
    const std::uint64_t span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(low) + (span == 0 ? Next() : Below(span)));
}

double SampleRandom::Real(double low, double high)
{
    const double unit = static_cast<double>(Next() >> 11) * 0x1.0p-53;
    return low + (high - low) * unit;
}

bool SampleRandom::Chance(double probability)
{
    return Real(0.0, 1.0) < probability;
}

} // namespace host::sample
