// The word classification without its controls: the sixty words and their answer key (or the
// key of a loaded word list), the order of the word list, the move rule and the recount of the
// six group lists.
#pragma once

#include "results/SessionDetail.h"
#include "shared/Colors.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct RunCounts;

class ClassificationExercise {
public:
    // The groups in the order of their lists on the page, which is also the recount's order.
    enum Group { Agudas, Llanas, Esdrujulas, Diptongos, Hiatos, Triptongos };
    static constexpr int groupCount = 6;
    static constexpr int wordCount = 60;

    // What the six lists hold, in group order.
    using GroupItems = std::array<QStringList, groupCount>;

    // The figures a recount shows.
    struct Figures {
        std::array<int, groupCount> counts{};
        // Lime for a group whose every word is in place, maroon otherwise.
        std::array<TColor, groupCount> colors{};
        int hits = 0;
        int attempts = 0;
        // Hits per attempt in whole percent; none before the first attempt, so the page keeps
        // what it shows instead of dividing by zero.
        std::optional<int> percent;
        QString banner;
    };

    enum class MoveResult { Moved, Refused };

    explicit ClassificationExercise(RunCounts &scores);

    // "Agudas", "Llanas", "Esdrújulas", "Diptongos", "Hiatos", "Triptongos": the lists' titles.
    static QString groupName(int group);

    // The sixty words as the word list starts, already in its order.
    static const QStringList &startingWords();
    // A group's key words; a group's size is their number.
    static const QStringList &keyWords(int group);
    static int groupSize(int group);

    // The word list's order: Spanish, letter case ignored, an accented vowel with its plain one.
    static bool sortsBefore(const QString &left, const QString &right);
    // Where a word goes back into the ordered word list: after any equal word.
    static int sortedPosition(const QStringList &orderedWords, const QString &word);

    // Moving a word into a group counts an attempt; the move is refused when the word already
    // occurs inside one of the group's items.
    MoveResult move(const QString &word, const QStringList &groupItems);

    // How many of the items hold one of the group's key words (each key word found counts).
    static int count(int group, const QStringList &items);
    static std::optional<int> percent(int hits, int attempts);

    // From now on the key of a loaded word list replaces the sixty words' key. Its words are
    // matched whole: an item counts, or refuses a move, only when it is the word itself, so
    // that "amor" is not found inside "amoroso".
    void useKey(const GroupItems &key);
    // Back to the sixty words' key.
    void useStartingKey();
    bool hasLoadedKey() const { return m_loadedKey.has_value(); }
    // What count() does, under the key in use.
    int hits(int group, const QStringList &items) const;
    // A group's size and the number of words, under the key in use.
    int size(int group) const;
    int keyWordTotal() const;
    TColor counterColor(int group, int count) const;
    QString bannerText(int hits) const;

    // A word just put into a group that is not its own, under the key in use: the word, the
    // group chosen and its own, with the rule of recognising its own group and why it belongs
    // there. Nothing when the group is the word's, or when the key has the word in no group.
    std::optional<SessionDetail::Miss> missOf(const QString &word, int chosenGroup) const;

    // Counts the six lists, stores the hits in exampleHits and gives everything the page shows.
    Figures recount(const GroupItems &groups);

private:
    // Whether the word, or the item, is the key word under the key in use.
    bool matches(const QString &item, const QString &keyWord) const;
    const QStringList &keyOf(int group) const;

    RunCounts &m_scores;
    std::optional<GroupItems> m_loadedKey;
};
