#include "puzzle/Random.h"

#include <chrono>

std::uint32_t RandSeed = 0;

namespace {

std::uint32_t clockCounter()
{
    // steady_clock is the monotonic high-resolution counter here.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

RandomCounter counterSource = clockCounter;

} // namespace

void setRandomCounter(RandomCounter counter) { counterSource = counter ? counter : clockCounter; }

void Randomize() { RandSeed = counterSource(); }

int Random(int n)
{
    RandSeed = RandSeed * 134775813u + 1u;
    if (n < 1)
        return 0;
    const std::uint64_t product = static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint32_t>(n);
    return static_cast<int>(product >> 32);
}
