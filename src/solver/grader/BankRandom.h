#pragma once

#include <cstdint>

namespace grader {

// The bank generator's own random source: xoshiro256** seeded through
// splitmix64. Fixed arithmetic, so a seed gives the same bank everywhere.
class BankRandom {
public:
    explicit BankRandom(std::uint64_t seed)
    {
        for (auto &word : s) {
            seed += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = rotl(s[3], 45);
        return result;
    }

    // 0..n-1 (n >= 1); the bias of a 64-bit modulus is negligible here.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s[4];
};

} // namespace grader
