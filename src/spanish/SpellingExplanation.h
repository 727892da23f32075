// The explanation of a word that first says whether it is written right: a misspelt word is
// told its right form, and the rule explained is that form's.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class SpellingDictionary;

namespace SpellingExplanation {

// What the dictionary says of one word as written.
struct Spelling {
    enum class Verdict {
        Right,       // a real word
        Misspelt,    // no word, but one of its accent variants is
        Unknown,     // no word in any accent variant
        Unavailable, // no dictionary to ask
    };
    Verdict verdict = Verdict::Unavailable;
    // For a misspelt word, its right forms, likeliest first; for a right one, the other real
    // accent variants that hunspell knows too ("medico": médico, medicó).
    QStringList forms;
};
Spelling spell(QStringView word, const SpellingDictionary &dictionary);

// The rule's sentence for the word, its spelling checked first:
// «"arbol" se escribe "árbol" (ár-bol): llana terminada en -l, lleva tilde.» for a misspelt
// word; the rule of the word as written for a right one, with a short clause naming its other
// real variants; and a note for a word the dictionary does not know. Without a dictionary, the
// rule alone. The word must be one the engine can take.
QString ruleSentence(QStringView word, const SpellingDictionary &dictionary);

// «"arbol" se escribe "árbol"…» as above when the word is misspelt, "" otherwise.
QString correction(QStringView word, const SpellingDictionary &dictionary);
QString correctionOf(QStringView word, const Spelling &spelling);

} // namespace SpellingExplanation
