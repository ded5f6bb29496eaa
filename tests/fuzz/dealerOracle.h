#pragma once

#include "dataCenter.h"
#include "random.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// What every deal must keep, whatever the range: each cell drawn between its
// lower bound (the band's start for a column's top cell, else the cell above
// plus one) and its band's upper bound, in either order. Formed in wide
// arithmetic, so the check cannot overflow where the deal may not.
inline bool keepsTheDealersInvariants(Number start, Number end, const dataCenter::Card &card)
{
    const std::int64_t size = std::int64_t{end} - start + 1;
    // The nearest whole number to size / 25, which never falls on a half.
    const std::int64_t shifted = size + 12;
    const std::int64_t band = shifted >= 0 ? shifted / 25 : -((-shifted + 24) / 25);
    for (int i = 0; i < dataCenter::Card::size; ++i) {
        const std::int64_t lo = i % 5 == 0 ? start + i * band : std::int64_t{card[i - 1]} + 1;
        const std::int64_t hi = start + (i + 1) * band - 1;
        const std::int64_t low = lo < hi ? lo : hi;
        const std::int64_t high = lo < hi ? hi : lo;
        if (card[i] < low || card[i] > high)
            return false;
    }
    return true;
}

// Draws come from the fuzzer's bytes, three to a value, so a finding replays exactly.
class BytesAsRandom
{
public:
    BytesAsRandom(const std::uint8_t *data, std::size_t size) : m_bytes(data, data + size)
    {
        setRandomSource([this] { return next(); });
    }
    ~BytesAsRandom() { setRandomSource({}); }

private:
    float next()
    {
        std::uint32_t bits = 0;
        for (int i = 0; i < 3; ++i)
            bits = bits << 8 | (m_bytes.empty() ? 0 : m_bytes[m_position++ % m_bytes.size()]);
        return static_cast<float>(bits) * 0x1p-24f;
    }

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

// Stops the fuzzer with the finding.
inline void require(bool promise)
{
    if (!promise)
        std::abort();
}
