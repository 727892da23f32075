// Letter-case and accent helpers for the program's Spanish words. Only the letters A-Z change
// case: accented capitals and Ñ stay as they are, as the exercises expect.
#pragma once

#include <QString>

namespace Accents {

QString lowerAsciiLetters(const QString &text);
QString upperAsciiLetters(const QString &text);

// Lower-cases A-Z and removes the written accent from á é í ó ú; ü, ñ and capitals stay.
QString plainForm(const QString &word);

// The accented form of a plain vowel a e i o u, or a null QChar for any other character.
QChar accentedVowel(QChar plain);

// The plain vowel of one of the ten accented vowels á é í ó ú Á É Í Ó Ú (case kept), or a
// null QChar for any other character: ü, ñ and the rest have none.
QChar plainVowel(QChar accented);

} // namespace Accents
