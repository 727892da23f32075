// Number pictures and roundings used by the score displays.
#pragma once

#include <QLocale>
#include <QString>

namespace NumberFormat {

// The picture "###.#" (decimals 1) or "###.##" (decimals 2): rounded, no leading zeros, the
// locale's decimal separator only when a non-zero decimal remains; a value that rounds to 0
// gives an empty text.
QString picture(double value, int decimals, const QLocale &locale = QLocale());

// Nearest integer, halves going to the even neighbour (62.5 -> 62, 63.5 -> 64).
int roundHalfEven(double value);

// The leading whole number of a caption: optional spaces, an optional sign, then digits up to
// the first other character ("66,7" -> 66, "" -> 0). Saturates instead of overflowing.
int leadingInteger(const QString &caption);

// A file size as people read it, in the locale's way: "1,5 MB", "300 KB".
QString dataSize(qint64 bytes, const QLocale &locale = QLocale());

} // namespace NumberFormat
