#include "number.h"

#include "runtimeError.h"

#include <cmath>
#include <limits>

Number storeNumber(std::int32_t wide)
{
    if (wide < std::numeric_limits<Number>::min() || wide > std::numeric_limits<Number>::max())
        throw RuntimeError::overflow();
    return static_cast<Number>(wide);
}

Number add(Number a, Number b)
{
    return storeNumber(std::int32_t{a} + b);
}

Number subtract(Number a, Number b)
{
    return storeNumber(std::int32_t{a} - b);
}

Number roundToNumber(double value)
{
    // nearbyint rounds halves to even in the default rounding mode.
    const double whole = std::nearbyint(value);
    if (!(whole >= std::numeric_limits<Number>::min() && whole <= std::numeric_limits<Number>::max()))
        throw RuntimeError::overflow();
    return static_cast<Number>(whole);
}
