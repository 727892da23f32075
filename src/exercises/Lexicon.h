// The common words new boards are made of: each with its frequency rank, its accent rule and
// whether it makes a fair board word.
#pragma once

#include "exercises/BoardRule.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class SpellingDictionary;

// The list is derived from Spanish text once, when the program is developed (see
// scripts/lexicon/), and built into the program; the source text is never read at run time.
// Each line is "word<TAB>rank<TAB>sí|no", the last field telling whether the word is fair.
// Fairness asks the spelling dictionary about every accent variant of the word, which takes
// far longer than reading the list, so it is judged when the list is made and stored in it;
// the tests judge the stored flags again against the dictionary. The rule is the engine's,
// worked out as the list loads, so the list never disagrees with the engine.
class Lexicon {
public:
    struct Entry {
        QString word;
        int rank = 0; // 1 for the most frequent word of the source
        BoardRule rule = BoardRule::LlanaSinTilde;
        bool fair = false;
    };

    // Where the list lives inside the program.
    static QString resourcePath();

    // Reads a list. A line that is not "word, rank, sí or no", a word the engine gives no rule
    // and a word already read are reported in *problems (Spanish, naming the file and the
    // line) and left out; an unreadable file gives an empty list and says so.
    static Lexicon read(const QString &path, QStringList *problems = nullptr);
    // The program's list, read the first time it is asked for.
    static const Lexicon &shared();

    // A fair board word is a real word, and no other variant its selector offers is one: a
    // student who picks another real spelling must never be charged a miss.
    static bool isFair(QStringView word, const SpellingDictionary &dictionary);

    // The text of a list file: the header lines (each given without its "# "), then the
    // entries in rank order.
    static QString fileText(const QStringList &header, const QList<Entry> &entries);

    const QList<Entry> &entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    QList<Entry> m_entries;
};
