// The accent rule a board word practises, as a student is taught it: the stress class and
// whether it takes a written accent, the hiatus, and the two pairs that meaning decides.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

enum class BoardRule : std::uint8_t {
    AgudaConTilde,   // camión
    AgudaSinTilde,   // reloj
    LlanaConTilde,   // árbol
    LlanaSinTilde,   // casa
    Esdrujula,       // pájaro, and the sobresdrújulas (dígaselo)
    Hiato,           // país, río: the tilde on a stressed closed vowel beside an open one
    Diacritico,      // tú / tu, él / el, más / mas
    Interrogativo,   // qué / que, cómo / como
};

namespace BoardRules {

inline constexpr int count = 8;

// Every rule, in the order the program lists them.
QList<BoardRule> all();

// "aguda con tilde", "hiato con vocal cerrada tónica", ...
QString name(BoardRule rule);

// A stable ASCII name for files ("aguda-con-tilde"), and back; nothing for an unknown name.
QString key(BoardRule rule);
std::optional<BoardRule> fromKey(QStringView key);

// The rule the engine gives the word, written as it is: nothing for a word the engine cannot
// take, for one whose written accent the rule contradicts (a misspelling or a form older than
// 2010), and for the words whose tilde none of the rules above decides (a plain monosyllable
// such as "sol", "solo", the demonstratives, "aún", adverbs in -mente).
std::optional<BoardRule> of(QStringView word);

} // namespace BoardRules
