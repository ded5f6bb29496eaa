#pragma once

#include <functional>

// The random-number source: the next value r of a uniform generator,
// 0 <= r < 1, single precision.
float nextRandom();

// Puts another source in place of the generator, so a test can script the
// values a deal draws. An empty function restores the generator.
void setRandomSource(std::function<float()> source);
