#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

// Number text and rounding shared by the screens and the printed sheets. Every number a person
// reads is written for a number locale: only its decimal separator is taken from it; digits are
// never grouped, since the sheets' columns and L(x) count characters, and a negative number keeps
// the hyphen-minus. Drops are judged by the value a candidate carries, never by reading its text.

// The screen's Integer type: 16 bits, signed.
using Integer = std::int16_t;

// Narrows to Integer; the callers' value ranges keep every result inside 16 bits.
Integer toInteger(int value);

// Decimal digits with a hyphen-minus when negative.
QString integerText(int value);

// The session's number locale: Qt's system locale, which follows LC_NUMERIC, read once.
const QLocale &systemNumberLocale();

// The screen form: plain decimal notation, at most 15 significant digits, no trailing zeros or
// separator, a 0 before the separator below 1, never an exponent ("0.94"; "0,94" in German).
QString numberText(double value, const QLocale &locale);

// A plain decimal numeral: optional blanks, optional sign, digits with an optional decimal point
// (".5" and "3." count), optional blanks. Anything else, or a non-finite value, is no number.
std::optional<double> parseNumber(const QString &text);

// numerator / denominator rounded to the given number of decimals (0 to 6), an exact half going
// to the even neighbour, judged on the exact fraction; the result is the double nearest that
// decimal. The denominator is not 0, and |numerator| stays below 2^53 / 10^decimals.
double roundedQuotient(std::int64_t numerator, std::int64_t denominator, int decimals);

// The printer's number form: a blank (0 or more) or a minus, the shortest digits of the
// magnitude, then one blank: " 7 ", "-12 ". Where the separator is a point, a fraction drops the
// zero before it, as the sheets were designed (" .25 "); a reader of any other separator expects
// the zero (" 0,25 ").
QString printerNumberText(double value, const QLocale &locale);

// Length of the plain decimal text of a value as the printer writes it, without the blanks:
// L(7) = 1, L(-12) = 3, L(.25) = 3, L(0,25) = 4.
int printedLength(double value, const QLocale &locale);
