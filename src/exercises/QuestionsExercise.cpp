// The questions on confusable words without their controls.
#include "exercises/QuestionsExercise.h"

#include "exercises/MissRule.h"
#include "shared/NumberFormat.h"
#include "exercises/RunCounts.h"

namespace QuestionsExercise {

using namespace Qt::StringLiterals;

const std::array<Group, groupCount> &groups()
{
    static const std::array<Group, groupCount> table{{{1, 7}, {8, 6}, {14, 5}, {19, 5}, {24, 6}, {30, 5}}};
    return table;
}

int groupOf(int blank)
{
    for (int group = groupCount - 1; group >= 0; --group)
        if (blank >= groups()[group].firstBlank)
            return group;
    return 0;
}

bool BlankRule::accepts(const QString &answer) const
{
    // A letter typed as a base letter plus a combining accent is the same letter.
    const QString text = answer.normalized(QString::NormalizationForm_C);
    switch (kind) {
    case Contains:
        for (const QString &word : words)
            if (text.contains(word))
                return true;
        return false;
    case Equals:
        return text == words.value(0);
    case ContainsButNot:
        return text.contains(words.value(0)) && !text.contains(unless);
    }
    return false;
}

// Every blank's rule, in blank order. A blank that starts its sentence takes its answer with or
// without the capital, as the word choosers offer every word in lower case: some rules take only
// the end of a word ("or qué", "i no", "ún"), others both spellings.
const BlankRule &ruleFor(int blank)
{
    using K = BlankRule::Kind;
    static const std::array<BlankRule, blankCount> table{{
        // 1: porque / por qué / porqué / por que
        {K::Contains, {u"porqué"_s}, {}},
        {K::Contains, {u"por qué"_s}, {}},
        {K::Contains, {u"porque"_s}, {}},
        {K::Contains, {u"or qué"_s}, {}},
        {K::Contains, {u"por que"_s}, {}},
        {K::Contains, {u"porque"_s}, {}},
        {K::Contains, {u"porqué"_s}, {}},
        // 2: si no / sino
        {K::Contains, {u"sino"_s}, {}},
        {K::Contains, {u"si no"_s}, {}},
        {K::Contains, {u"sino"_s}, {}},
        {K::Contains, {u"i no"_s}, {}},
        {K::Contains, {u"si no"_s}, {}},
        {K::Contains, {u"si no"_s}, {}},
        // 3: aun / aún ("ni aun así": "aun" is "incluso")
        {K::Contains, {u"aun"_s}, {}},
        {K::Contains, {u"aun"_s}, {}},
        {K::Contains, {u"aun"_s}, {}},
        {K::Contains, {u"ún"_s}, {}},
        {K::Contains, {u"aún"_s}, {}},
        // 4: hecho / echo ("hecho" holds "echo", hence the exclusion)
        {K::ContainsButNot, {u"echo"_s}, u"hecho"_s},
        {K::Contains, {u"hecho"_s}, {}},
        {K::ContainsButNot, {u"echo"_s}, u"hecho"_s},
        {K::Contains, {u"Hecho"_s, u"hecho"_s}, {}},
        {K::Contains, {u"hecho"_s}, {}},
        // 5: a / ha, short enough to be compared whole
        {K::Equals, {u"a"_s}, {}},
        {K::Equals, {u"ha"_s}, {}},
        {K::Equals, {u"a"_s}, {}},
        {K::Equals, {u"ha"_s}, {}},
        {K::Equals, {u"a"_s}, {}},
        {K::Equals, {u"a"_s}, {}},
        // 6: a ver / haber
        {K::Contains, {u"haber"_s}, {}},
        {K::Contains, {u"A ver"_s, u"a ver"_s}, {}},
        {K::Contains, {u"haber"_s}, {}},
        {K::Contains, {u"a ver"_s}, {}},
        {K::Contains, {u"haber"_s}, {}},
    }};
    return table[qBound(1, blank, blankCount) - 1];
}

int Judgement::total() const
{
    int sum = 0;
    for (int hits : hits)
        sum += hits;
    return sum;
}

Judgement judge(const QStringList &answers)
{
    Judgement judgement;
    for (int blank = 1; blank <= blankCount; ++blank) {
        const bool right = ruleFor(blank).accepts(answers.value(blank - 1));
        judgement.right[blank - 1] = right;
        if (right)
            ++judgement.hits[groupOf(blank)];
    }
    return judgement;
}

void storeHits(const Judgement &judgement, RunCounts &scores)
{
    scores.porqueHits = judgement.hits[0];
    scores.sinoHits = judgement.hits[1];
    scores.aunHits = judgement.hits[2];
    scores.hechoHits = judgement.hits[3];
    scores.haHits = judgement.hits[4];
    scores.haberHits = judgement.hits[5];
    scores.questionsPercent = percent(scores);
}

long double percent(const RunCounts &scores)
{
    const long double hits = (long double)scores.porqueHits + scores.sinoHits + scores.aunHits
                             + scores.hechoHits + scores.haHits + scores.haberHits;
    return hits * 100 / blankCount;
}

QString roundedPercentText(long double percent)
{
    return QString::number(NumberFormat::roundHalfEven(double(percent)));
}

QString groupPercentText(int group, int hits, const QLocale &locale)
{
    const int size = groups()[qBound(0, group, groupCount - 1)].size;
    return NumberFormat::picture(hits * 100.0 / size, 1, locale);
}

QString totalPercentText(long double percent, const QLocale &locale)
{
    return NumberFormat::picture(double(percent), 1, locale);
}

QString groupHint(int group)
{
    static const QString hints[groupCount] = {
        u"\"porque\" da la causa; \"por qué\" pregunta, también en preguntas indirectas; "
        u"\"porqué\" es un sustantivo (\"el motivo\") y lleva artículo; \"por que\" equivale a "
        u"\"por el que\" o \"por la que\"."_s,
        u"\"sino\" contrapone (\"no esto, sino aquello\") o significa \"excepto\"; \"si no\" son "
        u"dos palabras, \"si\" y \"no\": \"si no vienes, me voy\"."_s,
        u"\"aún\" con tilde significa \"todavía\"; \"aun\" sin tilde significa \"incluso\" o "
        u"\"hasta\"."_s,
        u"\"hecho\" es del verbo \"hacer\" (\"he hecho\") o el sustantivo \"el hecho\"; \"echo\" "
        u"es del verbo \"echar\" (\"te echo de menos\")."_s,
        u"\"ha\" es del verbo \"haber\" (\"ha llegado\", \"ha de venir\"); \"a\" es una "
        u"preposición (\"va a hablar\")."_s,
        u"\"haber\" es un verbo (\"va a haber\", \"por haber venido\"); \"a ver\" es la "
        u"preposición \"a\" con el verbo \"ver\" (\"vamos a ver\")."_s,
    };
    return hints[qBound(0, group, groupCount - 1)];
}

const QStringList &groupWords(int group)
{
    static const std::array<QStringList, groupCount> words{{
        {u"porque"_s, u"por qué"_s, u"porqué"_s, u"por que"_s},
        {u"si no"_s, u"sino"_s},
        {u"aun"_s, u"aún"_s},
        {u"hecho"_s, u"echo"_s},
        {u"a"_s, u"ha"_s},
        {u"a ver"_s, u"haber"_s},
    }};
    return words[std::size_t(qBound(0, group, groupCount - 1))];
}

QString rightAnswer(int blank)
{
    // A rule that asks only for the end of a word ("or qué") is a blank that starts its
    // sentence: the whole word, with its capital.
    const QString asked = ruleFor(blank).words.value(0);
    for (const QString &word : groupWords(groupOf(blank))) {
        if (word == asked)
            return word;
    }
    for (const QString &word : groupWords(groupOf(blank))) {
        if (word.endsWith(asked))
            return word.front().toUpper() + word.mid(1);
    }
    return asked;
}

QList<SessionDetail::Miss> misses(const QStringList &answers, const Judgement &judgement)
{
    QList<SessionDetail::Miss> found;
    for (int blank = 1; blank <= blankCount; ++blank) {
        if (judgement.right[std::size_t(blank - 1)])
            continue;
        const int group = groupOf(blank);
        found << MissRule::withRule(SessionDetail::Exercise::Questions, groupWords(group).join(u" / "_s),
                                    answers.value(blank - 1), rightAnswer(blank), MissRule::ofQuestionGroup(group),
                                    groupHint(group));
    }
    return found;
}

} // namespace QuestionsExercise
