// The board rule of a word, read from the engine's analysis.
#include "exercises/BoardRule.h"

#include "spanish/SpanishWord.h"
#include "spanish/TildeRule.h"

using namespace Qt::StringLiterals;

namespace BoardRules {

namespace {

struct RuleText {
    BoardRule rule;
    const char16_t *name;
    QLatin1StringView key;
};

constexpr RuleText ruleTexts[] = {
    {BoardRule::AgudaConTilde, u"aguda con tilde", "aguda-con-tilde"_L1},
    {BoardRule::AgudaSinTilde, u"aguda sin tilde", "aguda-sin-tilde"_L1},
    {BoardRule::LlanaConTilde, u"llana con tilde", "llana-con-tilde"_L1},
    {BoardRule::LlanaSinTilde, u"llana sin tilde", "llana-sin-tilde"_L1},
    {BoardRule::Esdrujula, u"esdrújula o sobresdrújula", "esdrujula"_L1},
    {BoardRule::Hiato, u"hiato con vocal cerrada tónica", "hiato"_L1},
    {BoardRule::Diacritico, u"monosílabo con tilde diacrítica", "diacritico"_L1},
    {BoardRule::Interrogativo, u"interrogativo o exclamativo", "interrogativo"_L1},
};

const RuleText &textOf(BoardRule rule)
{
    return ruleTexts[std::size_t(rule)];
}

} // namespace

QList<BoardRule> all()
{
    QList<BoardRule> rules;
    for (const RuleText &text : ruleTexts)
        rules.append(text.rule);
    return rules;
}

QString name(BoardRule rule)
{
    return QString::fromUtf16(textOf(rule).name);
}

QString key(BoardRule rule)
{
    return textOf(rule).key;
}

std::optional<BoardRule> fromKey(QStringView key)
{
    for (const RuleText &text : ruleTexts)
        if (key == text.key)
            return text.rule;
    return std::nullopt;
}

std::optional<BoardRule> of(QStringView word)
{
    const SpanishWord analysed(word);
    if (!analysed.isValid())
        return std::nullopt;
    const TildeRule rule(analysed);
    if (!rule.spellingAgrees())
        return std::nullopt;
    using Kind = TildeRule::Kind;
    switch (rule.kind()) {
    case Kind::AgudaVowel:
    case Kind::AgudaConsonantNS:
    case Kind::AgudaY:
    case Kind::AgudaConsonant:
        return rule.demandsTilde() ? BoardRule::AgudaConTilde : BoardRule::AgudaSinTilde;
    case Kind::LlanaVowel:
    case Kind::LlanaConsonantNS:
    case Kind::LlanaY:
    case Kind::LlanaConsonant:
        return rule.demandsTilde() ? BoardRule::LlanaConTilde : BoardRule::LlanaSinTilde;
    case Kind::Esdrujula:
    case Kind::Sobresdrujula:
        return BoardRule::Esdrujula;
    case Kind::Hiatus:
        return BoardRule::Hiato;
    case Kind::Diacritic:
        return BoardRule::Diacritico;
    case Kind::Interrogative:
        return BoardRule::Interrogativo;
    case Kind::Monosyllable:
    case Kind::Aun:
    case Kind::Solo:
    case Kind::Demonstrative:
    case Kind::MenteAdverb:
        break;
    }
    return std::nullopt;
}

} // namespace BoardRules
