// The rule that demands or forbids a word's written accent, and that rule as one Spanish
// sentence.
#pragma once

#include "spanish/SpanishWord.h"

#include <QString>

#include <cstdint>

class TildeRule {
public:
    enum class Kind : std::uint8_t {
        AgudaVowel,          // camión, café
        AgudaConsonantNS,    // robots: -n or -s after another consonant
        AgudaY,              // estoy
        AgudaConsonant,      // reloj, pared
        LlanaVowel,          // casa, joven, lunes
        LlanaConsonantNS,    // bíceps
        LlanaY,              // yóquey
        LlanaConsonant,      // cárcel
        Esdrujula,
        Sobresdrujula,
        Hiatus,              // país, búho, reúne
        Monosyllable,        // fue, dio, ti, guion
        Diacritic,           // tú/tu, él/el, mí/mi, sí/si, té/te, tés/tes, dé/de, sé/se, más/mas
        Interrogative,       // qué/que, cómo/como, cuán/cuan ... adónde/adonde
        Aun,                 // aún (todavía) / aun (incluso)
        Solo,                // solo, never accented
        Demonstrative,       // este, ese, aquel ..., never accented
        MenteAdverb,         // fácilmente keeps fácil's accent
    };

    // The word must be valid and outlive the rule.
    explicit TildeRule(const SpanishWord &word);

    Kind kind() const { return m_kind; }
    // Whether the word, with the stress where its spelling puts it, must carry a written accent.
    bool demandsTilde() const { return m_demands; }
    // Whether the word's spelling agrees with the rule: a tilde where one is demanded, none
    // where none is. A diacritic or interrogative pair is right either way: the meaning decides.
    bool spellingAgrees() const;
    // Whether both spellings exist and the meaning chooses between them.
    bool dependsOnMeaning() const;

    // "llana terminada en -l, lleva tilde." and the like: lower-case start, full stop.
    QString sentence() const;

private:
    QString endingText() const;

    const SpanishWord &m_word;
    Kind m_kind = Kind::Monosyllable;
    bool m_demands = false;
    int m_special = -1; // the entry of the word in the table of words with a rule of their own
};
