#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Number text and rounding shared by the screens and the printed sheets. The screen form reads
// back to the same double, which the drop check relies on.

// The screen's Integer type: 16 bits, signed.
using Integer = std::int16_t;

// Narrows to Integer; the callers' value ranges keep every result inside 16 bits.
Integer toInteger(int value);

// Decimal digits with a hyphen-minus when negative.
QString integerText(int value);

// Plain decimal notation, at most 15 significant digits, no trailing zeros or point,
// a 0 before the point below 1, never an exponent.
QString numberText(double value);

// A plain decimal numeral: optional blanks, optional sign, digits with an optional decimal point
// (".5" and "3." count), optional blanks. Anything else, or a non-finite value, is no number.
std::optional<double> parseNumber(const QString &text);

// numerator / denominator rounded to the given number of decimals (0 to 6), an exact half going
// to the even neighbour, judged on the exact fraction; the result is the double nearest that
// decimal. The denominator is not 0, and |numerator| stays below 2^53 / 10^decimals.
double roundedQuotient(std::int64_t numerator, std::int64_t denominator, int decimals);

// The printer's number form: a blank (0 or more) or a minus, the shortest digits of the
// magnitude without the zero before the point, then one blank: " 7 ", "-12 ", " .25 ".
QString printerNumberText(double value);

// Length of the plain decimal text of a value as the printer writes it, without the blanks:
// L(7) = 1, L(-12) = 3, L(.25) = 3.
int printedLength(double value);
