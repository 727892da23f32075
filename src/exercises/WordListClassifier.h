// A teacher's word list sorted into the classification's six groups by the Spanish engine.
#pragma once

#include "exercises/ClassificationExercise.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class SpellingDictionary;

namespace WordListClassifier {

// The longest list the page takes: more words than a student sorts in one sitting, and the
// lists stay short enough to scroll through.
constexpr int maxWords = 200;

// The group of a word as the page groups its sixty: a word with a vowel cluster belongs to the
// cluster's group whatever its stress, one without to its stress class. Nothing for a word
// that fits no group (the engine cannot take it, a monosyllable or a sobresdrújula without a
// cluster) or two (clusters of two kinds); *why then says why, in Spanish.
std::optional<ClassificationExercise::Group> groupOf(QStringView word, QString *why = nullptr);

struct LeftOut {
    QString word;
    QString reason;
};

struct Result {
    // The words of each group, in group order: the answer key of the loaded list.
    ClassificationExercise::GroupItems key;
    // Every word kept, in the word list's order.
    QStringList words;
    // The words not kept, in the order of the list, each with its reason.
    QList<LeftOut> leftOut;
    // Why the spelling could not be checked, empty when it was.
    QString spellingUnchecked;
};

// One word a line; blank lines are skipped and each line is taken without the spaces around
// it. A word the dictionary does not know is left out; with no dictionary (null or
// unavailable) the words are not checked and spellingUnchecked says so.
Result classify(const QStringList &lines, const SpellingDictionary *dictionary);

// The words of a list, not counting blank lines.
int wordCount(const QStringList &lines);

// The message that lists what was left out of the list read from fileName; empty when
// nothing was and the spelling was checked.
QString leftOutText(const Result &result, const QString &fileName);

} // namespace WordListClassifier
