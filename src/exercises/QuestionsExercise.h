// The questions on confusable words without their controls: the rule of every blank, the
// judgement of the student's answers per group, and the share of the blanks answered right.
#pragma once

#include "results/SessionDetail.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

struct RunCounts;

namespace QuestionsExercise {

// The number of blanks on the page "Cuestiones".
inline constexpr int blankCount = 34;
// The six groups: porque / por qué..., si no / sino, aun / aún, hecho / echo, a / ha, a ver / haber.
inline constexpr int groupCount = 6;

// A group's blanks, numbered as the page numbers them (1 ... 34).
struct Group {
    int firstBlank;
    int size;
};
// The groups in their numbering order (group 1 first).
const std::array<Group, groupCount> &groups();
// The group (0 ... 5) that blank n (1 ... 34) belongs to.
int groupOf(int blank);

// How one blank's text is judged. Letters are compared exactly: case and accents count.
struct BlankRule {
    enum Kind {
        Contains,       // holds one of `words` anywhere; what is around it does not matter
        Equals,         // is exactly `words[0]`, nothing before or after
        ContainsButNot, // holds `words[0]` but not `unless`
    };
    Kind kind;
    QStringList words;
    QString unless;

    bool accepts(const QString &text) const;
};
// The rule of blank n (1 ... 34).
const BlankRule &ruleFor(int blank);

// The result of one correction.
struct Judgement {
    std::array<bool, blankCount> right{};
    std::array<int, groupCount> hits{};
    int total() const;
};
// Judges the answers in blank order (answers[0] is blank 1); missing answers are empty.
Judgement judge(const QStringList &answers);

// Writes the six group counts and the questions percentage of a correction.
void storeHits(const Judgement &judgement, RunCounts &scores);

// The six groups' hit counts as a share of all blanks, in percent.
long double percent(const RunCounts &scores);

// The percentage as the whole number the practice window reads, halves to the even neighbour.
QString roundedPercentText(long double percent);

// A group's share of right answers with the picture "###.#" (empty for none).
QString groupPercentText(int group, int hits, const QLocale &locale = QLocale());
// The share of all blanks with the picture "###.#" (empty for none).
QString totalPercentText(long double percent, const QLocale &locale = QLocale());

// The one-line rule a wrong answer of the group is explained with.
QString groupHint(int group);

// The words a group's chooser offers, in lower case: "porque", "por qué", "porqué", "por que".
const QStringList &groupWords(int group);
// What blank n (1 ... 34) should hold, as a student would write it: the group's word its rule
// asks for, with a capital where the sentence starts with it ("Por qué").
QString rightAnswer(int blank);
// The blanks a correction found wrong, in blank order: the group's words as a pair
// ("si no / sino"), the answer (as typed, or empty) and the right one, with the pair's rule.
QList<SessionDetail::Miss> misses(const QStringList &answers, const Judgement &judgement);

} // namespace QuestionsExercise
