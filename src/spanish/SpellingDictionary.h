// Whether a word is a real Spanish word as written, and which of its accent variants are.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

// The judgement joins three sources: hunspell's Spanish dictionary (hunspell-es), the system's
// Spanish word list (wspanish), which knows many rare words hunspell lacks, and the reviewed
// list of the 2010 Ortografía's changes that both get wrong (guion is a word, guión no longer
// is). The reviewed list has the last word.
//
// The dictionary is read on first use, never at start-up. Without hunspell's dictionary the
// program goes on and the check says it is unavailable; the word list alone does not make a
// check, since it lacks most verb forms and plurals.
class SpellingDictionary {
public:
    struct Sources {
        QString affixFile;      // hunspell's .aff
        QString dictionaryFile; // hunspell's .dic
        QString wordListFile;   // one word per line, UTF-8; may be missing
        QString correctionsFile;
    };
    // The system's files and the reviewed list built into the program.
    static Sources systemSources();
    // Where the reviewed list lives inside the program.
    static QString correctionsResource();

    // One entry of the reviewed list: the form, whether it is a word, and why.
    struct Correction {
        QString form;
        bool isWord = false;
        QString reason;
    };
    // Reads the reviewed list: "form<TAB>sí|no<TAB>reason" per line, # starts a comment.
    // A malformed line is reported in *problems (Spanish, with its line number) and skipped.
    static QList<Correction> readCorrections(const QString &path, QStringList *problems = nullptr);

    explicit SpellingDictionary(const Sources &sources);
    ~SpellingDictionary();
    SpellingDictionary(const SpellingDictionary &) = delete;
    SpellingDictionary &operator=(const SpellingDictionary &) = delete;

    // The program's one dictionary, read from the system's files the first time it is asked for.
    static const SpellingDictionary &shared();

    bool isAvailable() const { return m_available; }
    // Why the check cannot be made, naming the missing file ("" when it can).
    QString unavailableText() const { return m_unavailableText; }

    // Whether the word, as written (any letter case), is a real word. False when unavailable.
    bool isWord(QStringView word) const;
    // The real words among the word's accent variants (the word without its accent and with
    // an accent on each of its vowels), the word itself left out, in the word's letter case,
    // the likeliest first: a form both sources know before one only one of them knows. Forms
    // whose tilde the rules contradict and voseo imperatives ("casá") are never offered.
    // Empty when unavailable.
    // With knownToDictionary, only forms hunspell or the reviewed list know: the word list keeps
    // old misprints ("ábrigo") that must not be named beside a real word.
    QStringList realVariants(QStringView word, bool knownToDictionary = false) const;

private:
    enum class Source { None, Reviewed, Both, DictionaryOnly, WordListOnly };
    Source sourceOf(const QString &lower, QStringView asWritten) const;
    bool hunspellKnows(QStringView word) const;
    bool isVoseoImperative(const QString &lower) const;

    struct Hunspell;
    std::unique_ptr<Hunspell> m_hunspell;
    QSet<QString> m_wordList;
    QHash<QString, bool> m_reviewed;
    bool m_available = false;
    QString m_unavailableText;
};
