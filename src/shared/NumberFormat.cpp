// Number pictures and roundings used by the score displays.
#include "shared/NumberFormat.h"

#include <climits>
#include <cmath>

namespace NumberFormat {

QString picture(double value, int decimals, const QLocale &locale)
{
    if (!std::isfinite(value))
        return QString();
    const double scale = std::pow(10.0, decimals);
    // Round half away from zero on the scaled value; the small nudge absorbs binary noise
    // such as 0.15 being stored as 0.1499999...
    const double scaled = std::round(std::abs(value) * scale * (1.0 + 1e-15));
    if (scaled == 0)
        return QString();
    const double whole = std::floor(scaled / scale);
    long long fraction = static_cast<long long>(scaled - whole * scale);

    QString digits;
    if (whole > 0)
        digits = QString::number(whole, 'f', 0);
    if (fraction > 0) {
        QString fractionText = QString::number(fraction).rightJustified(decimals, QLatin1Char('0'));
        while (fractionText.endsWith(QLatin1Char('0')))
            fractionText.chop(1);
        digits += locale.decimalPoint() + fractionText;
    }
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

int roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double rest = value - lower;
    double result = lower;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(lower, 2.0) != 0))
        result = lower + 1;
    if (result >= INT_MAX)
        return INT_MAX;
    if (result <= INT_MIN)
        return INT_MIN;
    return static_cast<int>(result);
}

int leadingInteger(const QString &caption)
{
    int i = 0;
    while (i < caption.size() && caption[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < caption.size() && (caption[i] == QLatin1Char('-') || caption[i] == QLatin1Char('+'))) {
        negative = caption[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < caption.size() && caption[i] >= QLatin1Char('0') && caption[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (caption[i].unicode() - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

QString dataSize(qint64 bytes, const QLocale &locale)
{
    return locale.formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace NumberFormat
