#include "random.h"

#include <random>

namespace {

float fromGenerator()
{
    // Seeded once per run from the system's entropy, so runs deal different cards.
    static std::mt19937 generator{std::random_device{}()};
    // 24 random bits fill a float's mantissa exactly, so r never rounds up to 1.
    return static_cast<float>(generator() >> 8) * 0x1p-24f;
}

std::function<float()> &source()
{
    static std::function<float()> current;
    return current;
}

} // namespace

float nextRandom()
{
    return source() ? source()() : fromGenerator();
}

void setRandomSource(std::function<float()> replacement)
{
    source() = std::move(replacement);
}
