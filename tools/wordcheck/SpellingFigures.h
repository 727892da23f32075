// The spelling check measured on the system's word list.
#pragma once

#include <QList>
#include <QStringView>

// Prints the figures and gives whether the goals are met: at least 99 % of the accented words
// whose unaccented form is no word get their own form first when given without the accent; no
// real word is called misspelt; the whole list is spelt in at most two seconds.
bool printSpellingFigures(const QList<QStringView> &words);
