// One Spanish word taken apart by the orthographic rules: letters, vowel nuclei, syllables,
// stressed syllable and stress class.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// The analysis works in fixed buffers inside the object, so taking a word apart allocates
// nothing; only the texts (syllables(), sequenceText()) build strings.
//
// Prefixes: without a dictionary a prefix cannot be told from the rest of the word, so words
// are divided by the general rules alone (de-sa-rro-llo, i-ne-xac-to), with one exception: sub-
// before l or r on the stems of a reviewed list (sub-le-var, sub-ra-yar), where the l or r
// begins the stem and the r sounds strong, so the b cannot join them. The stressed syllable is
// the same either way.
class SpanishWord {
public:
    static constexpr int maxLetters = 48;
    static constexpr int maxSyllables = maxLetters;

    enum class Problem : std::uint8_t { None, Empty, TooLong, Digit, NotALetter, NoVowel, TwoAccents };
    enum class StressClass : std::uint8_t { Monosilaba, Aguda, Llana, Esdrujula, Sobresdrujula };
    enum class SequenceKind : std::uint8_t { Diptongo, Triptongo, Hiato };

    // A vowel sequence in letter positions. A diphthong or triphthong spans its nucleus (an h
    // inside is skipped when written out); a hiatus goes from the last vowel of one syllable to
    // the first vowel of the next.
    struct VowelSequence {
        SequenceKind kind;
        std::uint8_t first;
        std::uint8_t last;
    };

    explicit SpanishWord(QStringView word);

    bool isValid() const { return m_problem == Problem::None; }
    Problem problem() const { return m_problem; }
    // The reason in Spanish, for a word that is not valid ("" for a valid one).
    QString problemText() const;

    int length() const { return m_length; }
    QChar letter(int at) const { return QChar(m_text[std::size_t(at)]); }
    // The word as given.
    QStringView text() const { return QStringView(m_text.data(), m_length); }
    char16_t lowerLetter(int at) const { return m_lower[std::size_t(at)]; }
    // The word in lower case, accents kept.
    QStringView lowered() const { return QStringView(m_lower.data(), m_length); }
    // Whether the letter sounds as a vowel: not the u of gue, gui, que, qui, not a y before a vowel.
    bool isVowelLetter(int at) const;
    // A vowel that makes a syllable's sound of its own, so a word ending in it ends "in a vowel"
    // for the rules: every vowel letter but a y after another vowel, which is a glide (hoy,
    // estoy); a y after a consonant is the vowel i (rugby).
    bool isFullVowel(int at) const;

    int syllableCount() const { return m_syllableCount; }
    int syllableStart(int syllable) const { return m_syllableStart[std::size_t(syllable)]; }
    int syllableEnd(int syllable) const;
    // The syllables joined by the separator, letters as given.
    QString syllables(QChar separator = QLatin1Char('-')) const;

    // 1 for the last syllable, 2 for the one before, and so on. An adverb in -mente counts from
    // the end of its adjective, as its class does (fácilmente: 2, as fácil).
    int stressFromEnd() const { return m_syllableCount - m_stressedSyllable - (m_menteStem > 0 ? 2 : 0); }
    // The letter position of the stressed vowel.
    int stressedVowel() const { return m_stressedVowel; }
    // The letter position of the written accent (á é í ó ú), or -1.
    int accentPosition() const { return m_accent; }
    StressClass stressClass() const { return m_class; }
    static QString className(StressClass stressClass);

    // An adverb in -mente whose adjective carries a written accent (fácilmente): its class is
    // the adjective's, and menteStemLength() is the adjective's length in letters.
    bool isMenteAdverb() const { return m_menteStem > 0; }
    int menteStemLength() const { return m_menteStem; }

    int sequenceCount() const { return m_sequenceCount; }
    VowelSequence sequence(int at) const { return m_sequences[std::size_t(at)]; }
    // "diptongo ai", "triptongo uey", "hiato a-í": letters as given, without h.
    QString sequenceText(int at) const;

    // Whether the written accent falls on a closed vowel in hiatus with its neighbour (país, búho).
    bool accentBreaksDiphthong() const { return m_accentHiatus; }

private:
    enum class Role : std::uint8_t { Consonant, Vowel, SilentU, Aitch };
    enum class VowelClass : std::uint8_t { Open, Closed, ClosedAccented };
    struct Nucleus {
        std::uint8_t first;
        std::uint8_t last;
        std::uint8_t vowels;
        bool joinsPrevious; // only h or nothing between it and the previous nucleus
    };

    bool readLetters(QStringView word);
    void assignRoles();
    void findPrefix();
    void findNuclei();
    void divide();
    void placeStress();
    void listSequences();
    VowelClass vowelClass(int at) const;
    char16_t vowelBase(int at) const;
    int nucleusOf(int letter) const;

    std::array<char16_t, maxLetters> m_text{};
    std::array<char16_t, maxLetters> m_lower{};
    std::array<Role, maxLetters> m_roles{};
    std::array<Nucleus, maxSyllables> m_nuclei{};
    std::array<std::uint8_t, maxSyllables> m_syllableStart{};
    std::array<VowelSequence, maxLetters> m_sequences{};
    int m_length = 0;
    int m_syllableCount = 0;
    int m_sequenceCount = 0;
    // Counted from the first syllable, 0 for the first.
    int m_stressedSyllable = 0;
    int m_stressedVowel = -1;
    int m_accent = -1;
    int m_menteStem = 0;
    // Where a prefix sub- ends (3) when the word is on the reviewed list, else 0.
    int m_prefixLength = 0;
    bool m_accentHiatus = false;
    StressClass m_class = StressClass::Monosilaba;
    Problem m_problem = Problem::None;
    // The character that made the word unusable (a digit or a sign), for the reason's text;
    // whole, even when it lies outside the basic plane (two UTF-16 units).
    QString m_offending;
};
