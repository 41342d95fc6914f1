#include "platform/Numbers.h"

#include <QRegularExpression>
#include <QtGlobal>
#include <cmath>
#include <cstdio>
#include <limits>

Integer toInteger(int value)
{
    Q_ASSERT(value >= std::numeric_limits<Integer>::min() &&
             value <= std::numeric_limits<Integer>::max());
    return static_cast<Integer>(value);
}

QString integerText(int value)
{
    return QString::number(value);
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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    // buffer: d.dddddddddddddde[+-]XX
    const QString text = QString::fromLatin1(buffer);
    const qsizetype ePos = text.indexOf(QLatin1Char('e'));
    QString digits = text.left(ePos);
    digits.remove(QLatin1Char('.'));
    const int exponent = text.mid(ePos + 1).toInt();
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

} // namespace

QString numberText(double value)
{
    const QString magnitude = plainMagnitude(value);
    if (value < 0 && magnitude != QLatin1String("0")) {
        return QLatin1Char('-') + magnitude;
    }
    return magnitude;
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
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double lower = std::floor(scaled);
    const double fraction = scaled - lower;
    double whole = lower;
    if (fraction > 0.5) {
        whole = lower + 1.0;
    } else if (fraction == 0.5) {
        whole = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
    }
    return whole / scale;
}

QString printerNumberText(double value)
{
    QString magnitude = plainMagnitude(value);
    if (magnitude.startsWith(QLatin1String("0."))) {
        magnitude.remove(0, 1);
    }
    const bool negative = value < 0 && magnitude != QLatin1String("0");
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + magnitude + QLatin1Char(' ');
}

int printedLength(double value)
{
    return static_cast<int>(printerNumberText(value).trimmed().size());
}
