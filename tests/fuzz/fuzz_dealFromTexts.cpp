// Any two byte strings as the texts of the range dialog's two boxes, through
// the code that OK runs: either a card that keeps the dealer's invariants for
// the range the texts name, or error 6 with the range and the card unchanged.
// Input: start text, a newline, end text, a newline, then the random draws.

#include "conversions.h"
#include "dealFromTexts.h"
#include "dealerOracle.h"
#include "runtimeError.h"

#include <QString>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *end = data + size;
    const auto *firstBreak = std::find(data, end, '\n');
    const auto *secondBreak = firstBreak == end ? end : std::find(firstBreak + 1, end, '\n');
    const QString startText = QString::fromUtf8(reinterpret_cast<const char *>(data), firstBreak - data);
    const QString endText = firstBreak == end
        ? QString()
        : QString::fromUtf8(reinterpret_cast<const char *>(firstBreak + 1), secondBreak - firstBreak - 1);
    const auto *draws = secondBreak == end ? end : secondBreak + 1;
    BytesAsRandom random(draws, end - draws);

    const Number startBefore = dataCenter::getStartNumber();
    const Number endBefore = dataCenter::getEndNumber();
    const dataCenter::Card cardBefore = dataCenter::getCard();
    try {
        dealFromTexts(startText, endText);
    } catch (const RuntimeError &error) {
        require(error.number() == 6);
        require(dataCenter::getStartNumber() == startBefore && dataCenter::getEndNumber() == endBefore);
        require(dataCenter::getCard() == cardBefore);
        return 0;
    }
    const Number start = roundToNumber(textToNumber(startText));
    const Number last = roundToNumber(textToNumber(endText));
    require(dataCenter::getStartNumber() == start && dataCenter::getEndNumber() == last);
    require(keepsTheDealersInvariants(start, last, dataCenter::getCard()));
    return 0;
}
