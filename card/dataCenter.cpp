#include "dataCenter.h"

#include "random.h"
#include "runtimeError.h"

namespace dataCenter {

namespace {

Number startNumber = 0;
Number endNumber = 0;
Card card;

} // namespace

int Card::checked(int index)
{
    if (index < 0 || index >= size)
        throw RuntimeError::subscriptOutOfRange();
    return index;
}

Number getStartNumber()
{
    return startNumber;
}

Number getEndNumber()
{
    return endNumber;
}

void setStartNumber(const Number &value)
{
    startNumber = value;
}

void setEndNumber(const Number &value)
{
    endNumber = value;
}

void makeCard()
{
    const Number size = add(subtract(endNumber, startNumber), 1);
    const Number band = roundToNumber(size / 25.0);

    // Built aside and committed whole, so a failing deal leaves the card as it was.
    Card dealt;
    Number lo = 0;
    for (int i = 0; i < Card::size; ++i) {
        if (i % 5 == 0)
            lo = storeNumber(i * band + startNumber);
        const Number hi = storeNumber((i + 1) * band + subtract(startNumber, 1));
        dealt[i] = pickNumber(lo, hi);
        // The bottom cell of a column bounds no later draw, so its successor is
        // not formed: a complete card never overflows here.
        if (i % 5 != 4)
            lo = add(dealt[i], 1);
    }
    card = dealt;
}

Number pickNumber(const Number &lo, const Number &hi)
{
    const float r = nextRandom();
    const Number d = subtract(hi, lo);
    return roundToNumber(d * double{r} + lo);
}

Card getCard()
{
    return card;
}

} // namespace dataCenter
