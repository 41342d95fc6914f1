#include "platform/Numbers.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QtGlobal>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

Integer toInteger(int value)
{
    Q_ASSERT(value >= std::numeric_limits<Integer>::min() &&
             value <= std::numeric_limits<Integer>::max());
    return static_cast<Integer>(value);
}

QString integerText(int value)
{
    char buffer[16];
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, value);
    Q_ASSERT(end.ec == std::errc());
    return QString::fromLatin1(buffer, end.ptr - buffer);
}

namespace
{

// Digits of |value| rounded to 15 significant digits, as plain decimal text without
// trailing zeros; "0" for zero. The leading "0" below 1 is included.
QString plainMagnitude(double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        return QStringLiteral("0");
    }
    // Scientific form with 15 significant digits, d.dddddddddddddde[+-]XX, always with a point:
    // the digits are fixed here, and the number locale's separator is put in by the callers.
    char buffer[64];
    const std::to_chars_result end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    Q_ASSERT(end.ec == std::errc());
    const std::string_view text(buffer, static_cast<std::size_t>(end.ptr - buffer));
    const std::size_t ePos = text.find('e');
    QString digits = QString::fromLatin1(text.data(), static_cast<qsizetype>(ePos));
    digits.remove(QLatin1Char('.'));
    std::string_view exponentText = text.substr(ePos + 1);
    if (!exponentText.empty() && exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
    }
    QString result;
    if (exponent < 0) {
        result = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (exponent + 1 >= digits.size()) {
        result = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        result = digits.left(exponent + 1) + QLatin1Char('.') + digits.mid(exponent + 1);
    }
    return result;
}

// The locale's decimal separator in place of the point that plainMagnitude writes.
QString withSeparator(QString magnitude, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    if (separator != QLatin1String(".")) {
        magnitude.replace(QLatin1Char('.'), separator);
    }
    return magnitude;
}

} // namespace

const QLocale &systemNumberLocale()
{
    static const QLocale locale = QLocale::system();
    return locale;
}

QString numberText(double value, const QLocale &locale)
{
    const QString magnitude = plainMagnitude(value);
    const QString sign =
        value < 0 && magnitude != QLatin1String("0") ? QStringLiteral("-") : QString();
    return sign + withSeparator(magnitude, locale);
}

std::optional<double> parseNumber(const QString &text)
{
    // Blanks are spaces and tabs only; a pasted megabyte is rejected by the pattern, not parsed.
    static const QRegularExpression pattern(
        QStringLiteral("\\A[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+))[ \\t]*\\z"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    // The pattern admits ASCII only, and from_chars reads a point whatever the locale says.
    QByteArray numeral = match.captured(1).toLatin1();
    if (numeral.startsWith('+')) {
        numeral.remove(0, 1);
    }
    double value = 0.0;
    const char *last = numeral.constData() + numeral.size();
    const std::from_chars_result end = std::from_chars(numeral.constData(), last, value);
    if (end.ec != std::errc() || end.ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double roundedQuotient(std::int64_t numerator, std::int64_t denominator, int decimals)
{
    Q_ASSERT(denominator != 0);
    Q_ASSERT(decimals >= 0 && decimals <= 6);
    // Whole-number arithmetic on the exact fraction: the double of a quotient such as 322 / 160
    // lies a hair off the half, so rounding the double would judge 2.0125 as above it.
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    const bool negative = (numerator < 0) != (denominator < 0);
    const std::uint64_t top = static_cast<std::uint64_t>(numerator < 0 ? -numerator : numerator);
    const std::uint64_t bottom =
        static_cast<std::uint64_t>(denominator < 0 ? -denominator : denominator);
    Q_ASSERT(top <= (std::uint64_t{1} << 53) / scale);
    const std::uint64_t scaled = top * scale;
    std::uint64_t whole = scaled / bottom;
    const std::uint64_t twiceRest = 2 * (scaled % bottom);
    if (twiceRest > bottom || (twiceRest == bottom && whole % 2 == 1)) {
        ++whole;
    }
    // Both parts are exact in a double, and one correctly rounded division gives the double
    // nearest the decimal, whose 15-digit text is that decimal again.
    const double value = static_cast<double>(whole) / static_cast<double>(scale);
    return negative && whole != 0 ? -value : value;
}

QString printerNumberText(double value, const QLocale &locale)
{
    QString magnitude = plainMagnitude(value);
    const bool negative = value < 0 && magnitude != QLatin1String("0");
    if (locale.decimalPoint() == QLatin1String(".")) {
        if (magnitude.startsWith(QLatin1String("0."))) {
            magnitude.remove(0, 1);
        }
    } else {
        magnitude = withSeparator(magnitude, locale);
    }
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + magnitude + QLatin1Char(' ');
}

int printedLength(double value, const QLocale &locale)
{
    return static_cast<int>(printerNumberText(value, locale).trimmed().size());
}
