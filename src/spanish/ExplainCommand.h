// What "tildora --explicar" prints: one line of six tab-separated fields per word.
#pragma once

#include <QString>
#include <QStringView>

namespace ExplainCommand {

// The word in composed form (NFC), its syllables, the stressed syllable counted from the end,
// the class, the vowel sequences and the sentence of its rule. A word the engine cannot take gives
// "error" in the second field and the reason in the last; ok tells which.
QString line(QStringView word, bool *ok = nullptr);

// Text as one field of a line: a backslash, tab, line break, control or format character
// becomes an escape (\\, \t, \n, \r, \u{001b}), so that no field can split the line or act on
// the terminal; every other character is itself.
QString shown(QStringView text);

// How the stressed syllable stands out among the others.
enum class StressMark {
    Capitals, // "ÁR-bol": the stressed syllable in capitals, the rest in small letters (any text)
    Bold,     // "<b>ár</b>-bol": rich text for a label or a tip, letters as given, escaped
};

// The word's syllables joined by hyphens with the stressed one marked; "" when the engine
// cannot take the word apart, and then problem (if given) says why. Spaces around the word
// are not part of it.
QString stressedSyllables(QStringView word, StressMark mark, QString *problem = nullptr);

// Why the spelling is not checked ("" when it is), said once before the lines.
QString spellingNotice();

} // namespace ExplainCommand
