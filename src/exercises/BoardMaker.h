// New boards from the lexicon: fair words, aimed at the rules a student misses, the same board
// again for the same seed.
#pragma once

#include "exercises/BoardExercise.h"
#include "exercises/BoardRule.h"
#include "exercises/Lexicon.h"
#include "results/ScoreHistory.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// Misses per rule: the student's history, empty for a student without one.
using RuleMisses = QMap<BoardRule, int>;

// A board as a board file holds it: the forty board words, then the replacements.
struct NewBoard {
    QStringList words;
    QList<BoardRule> rules; // the rule of each word, in the same order
    // One Spanish line naming the rules the board practises.
    QString practiceLine;

    QStringList boardWords() const { return words.mid(0, BoardExercise::boardSize); }
    // The text of a board file: one word a line, lines ended by CR LF.
    QString fileText() const;
    // The same in Windows-1252, the code page of the shipped board files.
    QByteArray fileBytes() const;
};

// Only fair words are drawn (Lexicon::isFair), each at most once in a board. A rule without a
// fair word gets no share: the diacritical and interrogative pairs are both real words, so a
// selector can never offer only one of them, and a board cannot ask for them.
//
// The weighting: with n rules that have fair words, each gets a floor of 1/(2n) of the board,
// and the other half goes to the rules in proportion to the student's misses on them; with no
// miss on any of them it is shared evenly, so every rule has 1/n. A rule never gets more of the
// forty board words than it has fair words (the llanas with a tilde are few: most llanas end in
// a vowel, -n or -s): what it cannot take goes to the others in proportion to their weights.
// The forty board words and the replacements are each divided by these weights, by largest
// remainder (a tie goes to the rule listed first), so that each rule's count is within one
// word of its share; a rule whose fair words run out among the replacements leaves the rest to
// the others the same way. Within a rule the words are drawn evenly by a Mersenne Twister
// seeded with the seed, through the maker's own arithmetic, so a seed gives the same board
// with any standard library; the board words and the replacements are then shuffled the same
// way.
class BoardMaker {
public:
    // As many as the shipped board file has after its forty words.
    static constexpr int replacementCount = 251;

    // The lexicon must outlive the maker.
    explicit BoardMaker(const Lexicon &lexicon);

    // How many fair words of the rule the lexicon has.
    qsizetype fairWordCount(BoardRule rule) const { return m_pools[std::size_t(rule)].size(); }
    // The rules that have fair words in the lexicon, in the program's order.
    QList<BoardRule> practisedRules() const;
    // The share of the board each rule gets (they add up to 1; 0 for a rule without fair words).
    // For a lexicon without any fair word, all are 0.
    std::array<double, BoardRules::count> weights(const RuleMisses &misses) const;
    // "Practica sobre todo: hiato con vocal cerrada tónica; aguda con tilde." for the rules
    // missed, most missed first; every rule, evenly, without a miss on any of them; empty when
    // the lexicon has no fair word.
    QString practiceLine(const RuleMisses &misses) const;

    NewBoard make(std::uint32_t seed, const RuleMisses &misses = {}) const;

    // The misses per rule summed over a student's sessions; a key this program does not know
    // (one a later program wrote) is left out.
    static RuleMisses historyMisses(const QList<ScoreHistory::Record> &records);
    // A session's misses as the history keeps them, under the rules' file keys.
    static QMap<QString, int> keyedMisses(const RuleMisses &misses);

private:
    using Counts = std::array<int, BoardRules::count>;
    static Counts divide(const std::array<double, BoardRules::count> &weights, int total, const Counts &room);

    const Lexicon &m_lexicon;
    // The entries of the fair words of each rule, in rank order.
    std::array<QList<int>, BoardRules::count> m_pools;
};
