#pragma once

#include "number.h"

#include <QString>

// The number at the start of a text: leading blanks, an optional sign, digits
// with an optional decimal point and fraction, an optional exponent; whatever
// follows is ignored. 0 when the text does not begin with a number. The decimal
// point is always ".", whatever the locale.
double textToNumber(QStringView text);

// Decimal digits, "-" before a negative number, no blank.
QString numberToText(Number value);
