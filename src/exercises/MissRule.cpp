// The rule of a missed answer, read from the engine's analysis of the right word.
#include "exercises/MissRule.h"

#include "results/MissRules.h"
#include "spanish/SpanishWord.h"
#include "spanish/TildeRule.h"
#include "spanish/WordExplanation.h"

using namespace Qt::StringLiterals;

namespace MissRule {

namespace {

// Longer than any Spanish word; a typed text beyond it is no answer worth keeping whole.
constexpr qsizetype keptLength = 60;

// The pattern of a key that follows from a group's or a pair's number.
QString numbered(int index, std::initializer_list<QLatin1StringView> keys)
{
    return index >= 0 && index < int(keys.size()) ? QString(keys.begin()[index]) : QString();
}

} // namespace

QString ofWord(QStringView word)
{
    const SpanishWord analysed(word);
    if (!analysed.isValid())
        return QString();
    using Kind = TildeRule::Kind;
    switch (TildeRule(analysed).kind()) {
    case Kind::AgudaVowel: {
        // Vowel, -n and -s are one rule, but students miss them apart: a teacher asks which.
        const char16_t end = analysed.lowerLetter(analysed.length() - 1);
        return end == u'n' ? u"aguda-n"_s : end == u's' ? u"aguda-s"_s : u"aguda-vocal"_s;
    }
    case Kind::AgudaConsonantNS:
    case Kind::AgudaY:
    case Kind::AgudaConsonant:
        return u"aguda-sin-tilde"_s;
    case Kind::LlanaVowel:
        return u"llana-sin-tilde"_s;
    case Kind::LlanaConsonantNS:
    case Kind::LlanaY:
    case Kind::LlanaConsonant:
        return u"llana-con-tilde"_s;
    case Kind::Esdrujula:
    case Kind::Sobresdrujula:
        return u"esdrujula"_s;
    case Kind::Hiatus:
        return u"hiato"_s;
    case Kind::Monosyllable:
        return u"monosilabo"_s;
    case Kind::Diacritic:
        return u"diacritico"_s;
    case Kind::Interrogative:
        return u"interrogativo"_s;
    case Kind::Aun:
        return u"aun"_s;
    case Kind::Solo:
    case Kind::Demonstrative:
        return u"solo-demostrativo"_s;
    case Kind::MenteAdverb:
        return u"adverbio-mente"_s;
    }
    return QString();
}

QString ofGroup(int group)
{
    return numbered(group, {"grupo-aguda"_L1, "grupo-llana"_L1, "grupo-esdrujula"_L1, "grupo-diptongo"_L1,
                            "grupo-hiato"_L1, "grupo-triptongo"_L1});
}

QString ofQuestionGroup(int group)
{
    return numbered(group, {"porque"_L1, "sino"_L1, "aun"_L1, "hecho"_L1, "ha"_L1, "haber"_L1});
}

QString kept(const QString &typed)
{
    return typed.size() <= keptLength ? typed : typed.left(keptLength) + u'…';
}

std::optional<SessionDetail::Miss> ofRightWord(SessionDetail::Exercise exercise, const QString &shown,
                                               const QString &answer, const QString &right)
{
    const QString rule = ofWord(right);
    if (rule.isEmpty())
        return std::nullopt;
    return withRule(exercise, shown, answer, right, rule, WordExplanation::ofWord(right));
}

SessionDetail::Miss withRule(SessionDetail::Exercise exercise, const QString &shown, const QString &answer,
                             const QString &right, const QString &rule, const QString &explanation)
{
    return {exercise, kept(shown), kept(answer), kept(right), rule, MissRules::name(rule), explanation};
}

} // namespace MissRule
