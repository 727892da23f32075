// A second, separately written division into syllables, straight from the orthographic rules,
// that the word check holds the engine against. It is kept simple on purpose: it reads the
// word as a row of sounds, groups the vowels, then shares out the consonants between them, and
// knows no prefix and no exception.
#pragma once

#include <QString>
#include <QStringView>

namespace ReferenceSyllables {

// The syllables joined by "-", letters as given; an empty string for a word it cannot read
// (a character that is not a Spanish letter, or no vowel).
QString divide(QStringView word);

} // namespace ReferenceSyllables
