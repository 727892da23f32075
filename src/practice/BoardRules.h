// The board's arithmetic: the hit percentage and the counters' common scale.
#pragma once

#include <QLocale>
#include <QString>

namespace BoardRules {

// hits x 100 / (hits + misses) with the picture "###.#"; empty when there is nothing to show.
QString hitPercentText(int hits, int misses, const QLocale &locale = QLocale());

// A counter's maximum doubled for more misses than it holds, so that both bars keep one
// scale (40, 80, 160 ...); it stays as it is where doubling would overflow.
int doubledMaximum(int maximum);

} // namespace BoardRules
