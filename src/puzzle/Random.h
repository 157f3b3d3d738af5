#pragma once

#include <cstdint>

// The program-wide random generator: a 32-bit linear congruential
// sequence, seed = seed * 134775813 + 1 (mod 2^32).

// The current seed; tests set it to pin the draws.
extern std::uint32_t RandSeed;

// Reseeds from the low 32 bits of the high-resolution counter.
void Randomize();

// Steps the seed and returns the high 32 bits of seed * n: 0..n-1.
// A count below 1 still steps the seed and returns 0.
int Random(int n);

// The counter Randomize reads. Tests replace it to make the reseeding of
// Shuffle and DealFromBank predictable; nullptr restores the clock.
using RandomCounter = std::uint32_t (*)();
void setRandomCounter(RandomCounter counter);
