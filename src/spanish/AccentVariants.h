// The accent variants of a board word and the judgement of a choice among them.
#pragma once

#include <QString>
#include <QStringList>

namespace AccentVariants {

// A selector keeps at most this many characters of its word.
inline constexpr int captionLimit = 25;

// The word as a selector keeps it: A-Z lower-cased, cut to 25 characters.
QString caption(const QString &word);

// The caption without its written accent, then one variant for each plain vowel a e i o u
// with that vowel accented, from left to right. "y", "ü", capitals and consonants add none.
QStringList variants(const QString &caption);

// A choice is right only when it is the caption itself, character for character.
bool isRight(const QString &chosen, const QString &caption);

} // namespace AccentVariants
