#pragma once

// An independent statement of the program-wide generator, to predict the
// draws that the model makes.
#include <cstdint>

struct LcgReference {
    std::uint32_t seed;
    int next(int n)
    {
        seed = static_cast<std::uint32_t>(seed * 134775813ull + 1);
        return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint64_t>(n)) >> 32);
    }
};
