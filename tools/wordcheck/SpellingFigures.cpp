// The spelling check measured on the system's word list.
#include "SpellingFigures.h"
#include "WordCheckOutput.h"

#include "shared/Accents.h"
#include "spanish/SpellingDictionary.h"
#include "spanish/SpellingExplanation.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

constexpr double rightFormFirstGoal = 99.0;
constexpr double wholeListSecondsGoal = 2.0;

} // namespace

bool printSpellingFigures(const QList<QStringView> &words)
{
    QElapsedTimer timer;
    timer.start();
    const SpellingDictionary &dictionary = SpellingDictionary::shared();
    const qint64 loadNanoseconds = timer.nsecsElapsed();
    if (!dictionary.isAvailable()) {
        print(u"Ortografía: "_s + dictionary.unavailableText());
        return false;
    }

    // What the program does with each word it explains: is it a word, and which of its
    // accent variants are.
    timer.restart();
    const std::clock_t cpuStart = std::clock();
    QList<SpellingExplanation::Spelling> spellings;
    spellings.reserve(words.size());
    for (QStringView word : words)
        spellings.append(SpellingExplanation::spell(word, dictionary));
    const double spellSeconds = double(timer.nsecsElapsed()) / 1e9;
    // On a shared machine the wall clock also counts other people's work: the processor time
    // is printed beside it.
    const double spellCpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    qsizetype realWords = 0;
    QStringList realCalledMisspelt;
    qsizetype accentedAsked = 0;
    qsizetype rightFirst = 0;
    QStringList missed;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString word = words[i].toString();
        if (!dictionary.isWord(word))
            continue; // a spelling the reviewed list retired
        ++realWords;
        if (spellings[i].verdict != SpellingExplanation::Spelling::Verdict::Right
            || !SpellingExplanation::correction(word, dictionary).isEmpty())
            realCalledMisspelt << word;
        const QString plain = Accents::plainForm(word);
        if (plain == word || dictionary.isWord(plain))
            continue;
        ++accentedAsked;
        const QStringList forms = SpellingExplanation::spell(plain, dictionary).forms;
        if (!forms.isEmpty() && forms.first() == word)
            ++rightFirst;
        else
            missed << plain + u" → "_s + (forms.isEmpty() ? u"(ninguna)"_s : forms.join(u", "_s)) + u" (era "_s + word + u')';
    }

    print(u"Ortografía (hunspell es_ES, la lista de palabras y la lista revisada de 2010):"_s);
    print(u"  diccionario leído en %1 ms; la lista entera (%2 palabras) comprobada en %3 s, %4 s de procesador "
        "(meta: %5 s como máximo)"_s
            .arg(double(loadNanoseconds) / 1e6, 0, 'f', 1)
            .arg(words.size())
            .arg(spellSeconds, 0, 'f', 2)
            .arg(spellCpuSeconds, 0, 'f', 2)
            .arg(wholeListSecondsGoal, 0, 'f', 1));
    print(u"  palabras con tilde cuya forma sin tilde no es palabra: %1; dada sin tilde, la forma correcta "
        "sale la primera en %2 (%3; meta %4 %)"_s
            .arg(accentedAsked).arg(rightFirst).arg(percent(rightFirst, accentedAsked, 2))
            .arg(rightFormFirstGoal, 0, 'f', 0));
    for (qsizetype i = 0; i < missed.size() && i < 40; ++i)
        print(u"    "_s + missed[i]);
    if (missed.size() > 40)
        print(u"    … y %1 más"_s.arg(missed.size() - 40));
    print(u"  palabras reales de la lista: %1; dadas por mal escritas: %2"_s.arg(realWords).arg(realCalledMisspelt.size()));
    for (const QString &word : std::as_const(realCalledMisspelt))
        print(u"    "_s + word);

#ifdef TILDORA_SANITIZED
    // Instrumented code runs several times slower: the time is printed, not held to its goal.
    const bool fastEnough = true;
#else
    const bool fastEnough = spellCpuSeconds <= wholeListSecondsGoal;
#endif
    const bool met = 100.0 * double(rightFirst) >= rightFormFirstGoal * double(accentedAsked)
        && realCalledMisspelt.isEmpty() && fastEnough;
    print(met ? u"Metas de la ortografía: alcanzadas."_s : u"Metas de la ortografía: NO alcanzadas."_s);
    return met;
}
