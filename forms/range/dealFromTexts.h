#pragma once

#include <QStringView>

// Reads the two texts as Numbers, stores them as the range and deals a card
// from it. The range and the card change together or not at all: when a text
// is no Number or the range cannot be dealt from, the RuntimeError goes to
// the caller and both stay as they were.
void dealFromTexts(QStringView startText, QStringView endText);
