#pragma once

#include <cstddef>
#include <cstdint>

namespace host::sample {

// A pseudo-random source whose sequence depends on the seed alone, on every platform and
// standard library (the standard distributions do not promise that): xoshiro256** seeded
// through splitmix64.
class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed);

    std::uint64_t Next();
    // Uniform in [0, bound); `bound` must not be 0.
    std::uint64_t Below(std::uint64_t bound);
    // Uniform in [low, high], both included.
    std::int64_t Between(std::int64_t low, std::int64_t high);
    // Uniform in [low, high).
    double Real(double low, double high);
    bool Chance(double probability);

    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N])
    {
        return items[Below(N)];
    }

private:
    std::uint64_t m_state[4];
};

// A bijection of 64-bit values (the splitmix64 finaliser): distinct inputs give distinct outputs.
std::uint64_t MixBits(std::uint64_t value);

} // namespace host::sample
