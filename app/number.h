#pragma once

#include <cstdint>

// The program's whole number: 16 bits, signed. Every step of arithmetic on
// Numbers is checked on its own; a result outside -32768..32767 throws
// RuntimeError::overflow().
using Number = std::int16_t;

// A result formed in 32-bit arithmetic, stored back into a Number.
Number storeNumber(std::int32_t wide);

Number add(Number a, Number b);
Number subtract(Number a, Number b);

// The nearest whole number, a half going to the even neighbour.
// Outside the Number range, NaN and infinities overflow.
Number roundToNumber(double value);
