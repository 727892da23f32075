// The board's arithmetic.
#include "practice/BoardRules.h"

#include "shared/NumberFormat.h"

#include <climits>

namespace BoardRules {

QString hitPercentText(int hits, int misses, const QLocale &locale)
{
    const double attempts = double(hits) + double(misses);
    if (attempts <= 0)
        return QString();
    return NumberFormat::picture(hits * 100.0 / attempts, 1, locale);
}

int doubledMaximum(int maximum)
{
    return maximum > INT_MAX / 2 ? maximum : maximum * 2;
}

} // namespace BoardRules
