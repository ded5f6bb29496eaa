// Any sequence of ranges and deals against the dealer: every deal either
// keeps the dealer's invariants for the stored range or fails with error 6
// and leaves the card and the range as they were. Input: operations of three
// bytes, an opcode and a 16-bit Number; every byte also feeds the draws.

#include "dealerOracle.h"
#include "runtimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    BytesAsRandom random(data, size);
    for (std::size_t at = 0; at + 3 <= size; at += 3) {
        const Number value = static_cast<Number>(data[at + 1] << 8 | data[at + 2]);
        switch (data[at] % 4) {
        case 0:
            dataCenter::setStartNumber(value);
            break;
        case 1:
            dataCenter::setEndNumber(value);
            break;
        case 2: {
            // A copy is the caller's own: writing into it reaches nothing.
            dataCenter::Card copy = dataCenter::getCard();
            copy[value & 15] = value;
            break;
        }
        default: {
            const Number start = dataCenter::getStartNumber();
            const Number end = dataCenter::getEndNumber();
            const dataCenter::Card before = dataCenter::getCard();
            try {
                dataCenter::makeCard();
                require(keepsTheDealersInvariants(start, end, dataCenter::getCard()));
            } catch (const RuntimeError &error) {
                require(error.number() == 6);
                require(dataCenter::getCard() == before);
            }
            require(dataCenter::getStartNumber() == start && dataCenter::getEndNumber() == end);
        }
        }
    }
    return 0;
}
