// The explanations the windows show: a word's syllables and the rule behind its tilde, why a
// word belongs to its group, and how a corrected phrase differs from its model.
#pragma once

#include <QString>

namespace WordExplanation {

// «"cárcel" (cár-cel): llana terminada en -l, lleva tilde.»; for a word the engine cannot
// take, the word in quotes and the reason.
QString ofWord(const QString &word);

// «Era "cárcel" (cár-cel): llana terminada en -l, lleva tilde.»: what a missed word was.
QString ofMissedWord(const QString &word);

// «caimán: cai-mán, tiene el diptongo ai»; a word without a vowel sequence gives its class
// («amor: a-mor, es aguda y no tiene diptongo, hiato ni triptongo»).
QString ofGroup(const QString &word);

// One line per word of the model that the student's line writes otherwise, each with the
// model's spelling and its rule («arbol» no existe; se escribe… when the typed word is no
// word at all); empty when the words agree.
QString ofPhraseDifferences(const QString &student, const QString &model);

} // namespace WordExplanation
