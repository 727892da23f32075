// How the word check prints: one line at a time on standard output, shares as percentages.
#pragma once

#include <QString>

#include <cstdio>

inline void print(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

// part of whole as a percentage with the given decimals; an empty whole counts as all.
inline QString percent(qsizetype part, qsizetype whole, int decimals = 3)
{
    return QString::number(whole > 0 ? 100.0 * double(part) / double(whole) : 100.0, 'f', decimals)
        + QStringLiteral(" %");
}
