#pragma once

#include "number.h"

#include <array>

// The program's one store of game data and its card dealer: the range that
// cards are dealt from and the current card. Program-wide, never saved.
namespace dataCenter {

// 25 Numbers, index 0..24. Entry i belongs to column i / 5 (0 under the
// first letter) and row i % 5 (0 at the top): the indexes run down the columns.
class Card
{
public:
    static constexpr int size = 25;

    // The one place that knows how the indexes run down the columns.
    static constexpr int column(int index) { return index / 5; }
    static constexpr int row(int index) { return index % 5; }
    static constexpr int index(int column, int row) { return column * 5 + row; }

    // 0 <= index < 25, else RuntimeError::subscriptOutOfRange().
    Number operator[](int index) const { return m_entries[checked(index)]; }
    Number &operator[](int index) { return m_entries[checked(index)]; }

    bool operator==(const Card &) const = default;

private:
    static int checked(int index);

    std::array<Number, size> m_entries{};
};

Number getStartNumber();
Number getEndNumber();
// The setters neither check their value nor deal.
void setStartNumber(const Number &value);
void setEndNumber(const Number &value);

// Deals a new card from the current range: 25 equal bands, five to a column,
// one draw in each. Throws RuntimeError::overflow() where a step leaves the
// Number range, and then leaves the card as it was.
void makeCard();

// One random whole number between lo and hi (either may be the larger).
Number pickNumber(const Number &lo, const Number &hi);

// A copy of the card: a later deal does not change it, and writing into it
// does not reach the card.
Card getCard();

} // namespace dataCenter
