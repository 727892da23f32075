// The rule behind a word's written accent.
#include "spanish/TildeRule.h"

#include <algorithm>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// A word whose accent its meaning decides, or that never takes one whatever it means. The
// meanings complete "cuando …" in the sentence.
struct SpecialWord {
    const char16_t *form;
    TildeRule::Kind kind;
    bool accented;
    const char16_t *partner;
    const char16_t *meaning;
    const char16_t *partnerMeaning;
};

constexpr SpecialWord specialWords[] = {
    {u"tú", TildeRule::Kind::Diacritic, true, u"tu", u"es pronombre personal («tú sabes»)", u"es posesivo («tu casa»)"},
    {u"él", TildeRule::Kind::Diacritic, true, u"el", u"es pronombre personal («él canta»)", u"es artículo («el libro»)"},
    {u"mí", TildeRule::Kind::Diacritic, true, u"mi", u"es pronombre personal («para mí»)", u"es posesivo o el nombre de la nota musical («mi casa»)"},
    {u"sí", TildeRule::Kind::Diacritic, true, u"si", u"es adverbio de afirmación o pronombre («dijo que sí»)", u"es conjunción o el nombre de la nota musical («si vienes»)"},
    {u"té", TildeRule::Kind::Diacritic, true, u"te", u"es el nombre de la planta o de la infusión («una taza de té»)", u"es pronombre o el nombre de la letra («te espero»)"},
    {u"tés", TildeRule::Kind::Diacritic, true, u"tes", u"es el plural de «té», la infusión («dos tés con limón»)", u"es el plural de «te», el nombre de la letra («escribe dos tes»)"},
    {u"dé", TildeRule::Kind::Diacritic, true, u"de", u"es forma del verbo dar («que nos dé permiso»)", u"es preposición o el nombre de la letra («casa de piedra»)"},
    {u"sé", TildeRule::Kind::Diacritic, true, u"se", u"es forma del verbo saber o ser («no sé»)", u"es pronombre («se fue»)"},
    {u"más", TildeRule::Kind::Diacritic, true, u"mas", u"indica cantidad, comparación o suma («quiero más», «es más alto», «dos más dos»)", u"equivale a «pero» («quería ir, mas no pudo»)"},
    {u"qué", TildeRule::Kind::Interrogative, true, u"que", u"es interrogativo o exclamativo («¿qué quieres?»)", u"es relativo o conjunción («dice que viene»)"},
    {u"cómo", TildeRule::Kind::Interrogative, true, u"como", u"es interrogativo o exclamativo («¿cómo estás?»)", u"es relativo, conjunción o forma del verbo comer («hazlo como quieras»)"},
    {u"cuándo", TildeRule::Kind::Interrogative, true, u"cuando", u"es interrogativo o exclamativo («¿cuándo llegas?»)", u"es relativo o conjunción («ven cuando puedas»)"},
    {u"dónde", TildeRule::Kind::Interrogative, true, u"donde", u"es interrogativo o exclamativo («¿dónde vives?»)", u"es relativo («la casa donde vivo»)"},
    {u"adónde", TildeRule::Kind::Interrogative, true, u"adonde", u"es interrogativo o exclamativo («¿adónde vas?»)", u"es relativo («el pueblo adonde vamos»)"},
    {u"quién", TildeRule::Kind::Interrogative, true, u"quien", u"es interrogativo o exclamativo («¿quién llama?»)", u"es relativo («quien lo sepa, que hable»)"},
    {u"quiénes", TildeRule::Kind::Interrogative, true, u"quienes", u"es interrogativo o exclamativo («¿quiénes vienen?»)", u"es relativo («los amigos con quienes salgo»)"},
    {u"cuál", TildeRule::Kind::Interrogative, true, u"cual", u"es interrogativo o exclamativo («¿cuál prefieres?»)", u"es relativo («el motivo por el cual vine»)"},
    {u"cuáles", TildeRule::Kind::Interrogative, true, u"cuales", u"es interrogativo o exclamativo («¿cuáles quieres?»)", u"es relativo («las razones por las cuales vine»)"},
    {u"cuán", TildeRule::Kind::Interrogative, true, u"cuan", u"es interrogativo o exclamativo («¡cuán difícil es!»)", u"es adverbio relativo de comparación («cayó cuan largo era»)"},
    {u"cuánto", TildeRule::Kind::Interrogative, true, u"cuanto", u"es interrogativo o exclamativo («¡cuánto tiempo!»)", u"es relativo («come cuanto quieras»)"},
    {u"cuánta", TildeRule::Kind::Interrogative, true, u"cuanta", u"es interrogativo o exclamativo («¡cuánta gente!»)", u"es relativo («bebe cuanta agua quieras»)"},
    {u"cuántos", TildeRule::Kind::Interrogative, true, u"cuantos", u"es interrogativo o exclamativo («¿cuántos años tienes?»)", u"es relativo («todos cuantos vinieron») o indefinido («unos cuantos amigos»)"},
    {u"cuántas", TildeRule::Kind::Interrogative, true, u"cuantas", u"es interrogativo o exclamativo («¿cuántas veces?»)", u"es relativo («lee todas cuantas puedas») o indefinido («unas cuantas veces»)"},
    {u"aún", TildeRule::Kind::Aun, true, u"aun", u"equivale a «todavía» («aún no ha llegado»)", u"equivale a «incluso» («aun así lo hizo»)"},
    {u"solo", TildeRule::Kind::Solo, false, nullptr, nullptr, nullptr},
    {u"sólo", TildeRule::Kind::Solo, false, nullptr, nullptr, nullptr},
};

// The demonstratives, with and without the accent they no longer take.
constexpr const char16_t *demonstratives[] = {
    u"este", u"esta", u"estos", u"estas", u"esto", u"ese", u"esa", u"esos", u"esas", u"eso",
    u"aquel", u"aquella", u"aquellos", u"aquellas", u"aquello",
    u"éste", u"ésta", u"éstos", u"éstas", u"ése", u"ésa", u"ésos", u"ésas",
    u"aquél", u"aquélla", u"aquéllos", u"aquéllas",
};

constexpr int specialCount = int(std::size(specialWords));

// The length of the longest word of both tables: a longer word is none of them.
constexpr qsizetype longestSpecialWord()
{
    qsizetype longest = 0;
    const auto keep = [&longest](const char16_t *form) {
        if (form)
            longest = std::max(longest, qsizetype(std::char_traits<char16_t>::length(form)));
    };
    for (const SpecialWord &special : specialWords) {
        keep(special.form);
        keep(special.partner);
    }
    for (const char16_t *demonstrative : demonstratives)
        keep(demonstrative);
    return longest;
}
constexpr qsizetype longestSpecial = longestSpecialWord();

// The neuter demonstratives: never written with an accent, since no other word is spelt alike.
bool isNeuterDemonstrative(QStringView lower)
{
    return lower == u"esto" || lower == u"eso" || lower == u"aquello";
}

} // namespace

TildeRule::TildeRule(const SpanishWord &word) : m_word(word)
{
    Q_ASSERT(word.isValid());
    if (word.isMenteAdverb()) {
        const SpanishWord adjective(word.text().left(word.menteStemLength()));
        m_kind = Kind::MenteAdverb;
        m_demands = adjective.isValid() && TildeRule(adjective).demandsTilde();
        return;
    }
    const QStringView lower = word.lowered();
    if (lower.size() <= longestSpecial) {
        for (int i = 0; i < specialCount; ++i) {
            const SpecialWord &special = specialWords[i];
            const bool matchesForm = lower == QStringView(special.form);
            const bool matchesPartner = special.partner && lower == QStringView(special.partner);
            if (matchesForm || matchesPartner) {
                m_kind = special.kind;
                m_demands = matchesForm && special.accented;
                m_special = i;
                return;
            }
        }
        for (const char16_t *demonstrative : demonstratives) {
            if (lower == QStringView(demonstrative)) {
                m_kind = Kind::Demonstrative;
                return;
            }
        }
    }
    if (word.accentBreaksDiphthong()) {
        m_kind = Kind::Hiatus;
        m_demands = true;
        return;
    }

    // The endings the general rules look at: a vowel, -n or -s after a vowel, -n or -s after
    // another consonant, -y, any other consonant.
    const int last = word.length() - 1;
    const char16_t end = word.lowerLetter(last);
    enum class Ending { Vowel, ConsonantNS, Y, Consonant };
    Ending ending = Ending::Consonant;
    if (word.isFullVowel(last))
        ending = Ending::Vowel;
    else if (end == u'y')
        ending = Ending::Y;
    else if (end == u'n' || end == u's')
        ending = word.isFullVowel(last - 1) ? Ending::Vowel : Ending::ConsonantNS;

    switch (word.stressClass()) {
    case SpanishWord::StressClass::Monosilaba:
        m_kind = Kind::Monosyllable;
        break;
    case SpanishWord::StressClass::Aguda:
        m_kind = ending == Ending::Vowel ? Kind::AgudaVowel
            : ending == Ending::ConsonantNS ? Kind::AgudaConsonantNS
            : ending == Ending::Y ? Kind::AgudaY : Kind::AgudaConsonant;
        m_demands = ending == Ending::Vowel;
        break;
    case SpanishWord::StressClass::Llana:
        m_kind = ending == Ending::Vowel ? Kind::LlanaVowel
            : ending == Ending::ConsonantNS ? Kind::LlanaConsonantNS
            : ending == Ending::Y ? Kind::LlanaY : Kind::LlanaConsonant;
        m_demands = ending != Ending::Vowel;
        break;
    case SpanishWord::StressClass::Esdrujula:
        m_kind = Kind::Esdrujula;
        m_demands = true;
        break;
    case SpanishWord::StressClass::Sobresdrujula:
        m_kind = Kind::Sobresdrujula;
        m_demands = true;
        break;
    }
}

bool TildeRule::dependsOnMeaning() const
{
    return m_kind == Kind::Diacritic || m_kind == Kind::Interrogative || m_kind == Kind::Aun;
}

bool TildeRule::spellingAgrees() const
{
    return dependsOnMeaning() || (m_word.accentPosition() >= 0) == m_demands;
}

QString TildeRule::endingText() const
{
    const int last = m_word.length() - 1;
    const char16_t end = m_word.lowerLetter(last);
    if (m_word.isFullVowel(last))
        return u"vocal"_s;
    // ch is one consonant (sándwich ends in -ch, not in -h).
    if (end == u'h' && last > 0 && m_word.lowerLetter(last - 1) == u'c')
        return u"-ch"_s;
    return u"-"_s + QChar(end);
}

QString TildeRule::sentence() const
{
    static const QString takes = u"lleva tilde."_s;
    static const QString takesNone = u"no lleva tilde."_s;
    const QString ending = endingText();
    switch (m_kind) {
    case Kind::AgudaVowel:
    case Kind::AgudaY:
    case Kind::AgudaConsonant:
        return u"aguda terminada en "_s + ending + u", "_s + (m_demands ? takes : takesNone);
    case Kind::LlanaVowel:
    case Kind::LlanaY:
    case Kind::LlanaConsonant:
        return u"llana terminada en "_s + ending + u", "_s + (m_demands ? takes : takesNone);
    case Kind::AgudaConsonantNS:
        return u"aguda terminada en "_s + ending + u" precedida de otra consonante, no lleva tilde."_s;
    case Kind::LlanaConsonantNS:
        return u"llana terminada en "_s + ending + u" precedida de otra consonante, lleva tilde."_s;
    case Kind::Esdrujula:
        return u"esdrújula, lleva tilde siempre."_s;
    case Kind::Sobresdrujula:
        return u"sobresdrújula, lleva tilde siempre."_s;
    case Kind::Hiatus: {
        // The vowels the accented one stands apart from: "a-í", or "e-í-a" on both sides.
        const int at = m_word.stressedVowel();
        QString before;
        QString after;
        for (int i = 0; i < m_word.sequenceCount(); ++i) {
            const SpanishWord::VowelSequence sequence = m_word.sequence(i);
            if (sequence.kind != SpanishWord::SequenceKind::Hiato)
                continue;
            if (sequence.last == at)
                before = m_word.letter(sequence.first) + u'-';
            else if (sequence.first == at)
                after = u'-' + m_word.letter(sequence.last);
        }
        return u"hiato "_s + before + m_word.letter(at) + after
            + u" con la vocal cerrada tónica, lleva tilde siempre."_s;
    }
    case Kind::Monosyllable:
        return u"monosílaba, no lleva tilde."_s;
    case Kind::Diacritic:
    case Kind::Interrogative:
    case Kind::Aun: {
        const SpecialWord &special = specialWords[m_special];
        const bool accentedForm = m_word.lowered() == QStringView(special.form);
        const QString meaning = QString::fromUtf16(accentedForm ? special.meaning : special.partnerMeaning);
        const QString other = QString::fromUtf16(accentedForm ? special.partner : special.form);
        const QString otherMeaning = QString::fromUtf16(accentedForm ? special.partnerMeaning : special.meaning);
        return (accentedForm ? u"lleva tilde cuando "_s : u"no lleva tilde cuando "_s) + meaning
            + (accentedForm ? u"; sin ella, «"_s : u"; con ella, «"_s) + other + u"» "_s + otherMeaning
            + u'.';
    }
    case Kind::Solo:
        return u"no lleva tilde, tampoco cuando equivale a «solamente» («solo tomé un café»), "
               u"aunque desde 2023 la norma la admite si quien escribe ve una ambigüedad real."_s;
    case Kind::Demonstrative:
        if (isNeuterDemonstrative(m_word.lowered()))
            return u"no lleva tilde: «esto», «eso» y «aquello» no la han llevado nunca."_s;
        return u"no lleva tilde, tampoco cuando es pronombre («este es el mío»), "
               u"aunque desde 2023 la norma la admite si quien escribe ve una ambigüedad real."_s;
    case Kind::MenteAdverb: {
        const SpanishWord adjective(m_word.text().left(m_word.menteStemLength()));
        const QString adjectiveRule = adjective.isValid() ? TildeRule(adjective).sentence() : takesNone;
        return u"adverbio en -mente que conserva la tilde de «"_s + adjective.text().toString() + u"»: "_s
            + adjectiveRule;
    }
    }
    return QString();
}
