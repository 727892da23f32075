// The board exercise without its controls: the word list, the recount of the forty selectors,
// misses with their replacement words, and the counters' common scale.
#pragma once

#include "results/SessionDetail.h"
#include "shared/TextLines.h"

#include <QList>
#include <QString>

#include <optional>

struct RunCounts;

class BoardExercise {
public:
    static constexpr int boardSize = 40;
    // Both counters start with this maximum.
    static constexpr int counterMaximum = 40;

    explicit BoardExercise(RunCounts &counts);

    // A new board from the text of a board file: its first forty lines are on the board, the
    // rest replace missed words in order. Hits, misses and the word handed out last start
    // afresh.
    void start(QString text);
    // The same for a board file the user chose, checked first: a text without any word, or
    // with a line that is not a single word, throws AppError naming the file and its first bad
    // line, and the board stays as it was.
    void load(const QString &text, const QString &fileName);

    // A single word: letters only, a capital at most as its first letter.
    static bool isWord(const QString &line);
    // What a student is told when a board file has fewer words than the board has selectors;
    // empty when it has enough.
    static QString shortBoardNotice(qsizetype words, const QString &fileName);

    // The word on line n of the file (1-based), empty past its last word.
    QString wordAt(int line) const;
    // Lines up to the last that holds a word: blank lines at the end hold none.
    qsizetype wordCount() const { return m_wordCount; }

    // Counts the right selectors (one flag per selector, in board order) into boardHits.
    int recount(const QList<bool> &right);
    bool complete() const;

    // Counts a miss and hands out the next replacement word (empty once they run out).
    QString countMiss();
    // What the results keep of that miss: the word as its selector first shows it (without
    // accent), the form left chosen and the word, with the rule the engine gives the word;
    // nothing for a word no rule explains.
    static std::optional<SessionDetail::Miss> missOf(const QString &chosen, const QString &word);

    // A counter's maximum for the misses counted so far: doubled when the misses outgrow it,
    // so both bars keep one scale (40, 80, 160 ...); it stays where doubling would overflow.
    int scaledMaximum(int maximum) const;

private:
    void adopt(TextLines lines, qsizetype words);
    static qsizetype lastWordLine(const TextLines &lines);

    RunCounts &m_counts;
    TextLines m_lines;
    qsizetype m_wordCount = 0;
};
