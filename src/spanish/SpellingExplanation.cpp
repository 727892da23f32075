// The explanation of a word that first says whether it is written right.
#include "spanish/SpellingExplanation.h"

#include "spanish/SpanishWord.h"
#include "spanish/SpellingDictionary.h"
#include "spanish/TildeRule.h"

using namespace Qt::StringLiterals;

namespace SpellingExplanation {

namespace {

QString inQuotes(const QString &form)
{
    return u'"' + form + u'"';
}

// «"médico" y "medicó"»: the forms in quotes, the last joined by "y".
QString listed(const QStringList &forms)
{
    QStringList quoted;
    for (const QString &form : forms)
        quoted << inQuotes(form);
    if (quoted.size() < 2)
        return quoted.join(QString());
    return quoted.mid(0, quoted.size() - 1).join(u", "_s) + u" y "_s + quoted.last();
}

QString alsoExisting(const QStringList &forms)
{
    return (forms.size() == 1 ? u"También existe "_s : u"También existen "_s) + listed(forms) + u'.';
}

// «"árbol" (ár-bol): llana terminada en -l, lleva tilde.»: a monosyllable without its syllables.
QString explainedForm(const QString &form)
{
    const SpanishWord analysis(form);
    if (!analysis.isValid())
        return inQuotes(form) + u'.';
    const QString syllables = analysis.syllableCount() > 1 ? u" ("_s + analysis.syllables() + u')' : QString();
    return inQuotes(form) + syllables + u": "_s + TildeRule(analysis).sentence();
}

} // namespace

Spelling spell(QStringView word, const SpellingDictionary &dictionary)
{
    Spelling spelling;
    if (!dictionary.isAvailable())
        return spelling;
    if (dictionary.isWord(word)) {
        // Beside a real word, only rivals hunspell also knows are named.
        spelling.verdict = Spelling::Verdict::Right;
        spelling.forms = dictionary.realVariants(word, true);
    } else {
        spelling.forms = dictionary.realVariants(word);
        spelling.verdict = spelling.forms.isEmpty() ? Spelling::Verdict::Unknown : Spelling::Verdict::Misspelt;
    }
    return spelling;
}

QString correction(QStringView word, const SpellingDictionary &dictionary)
{
    return correctionOf(word, spell(word, dictionary));
}

QString correctionOf(QStringView word, const Spelling &spelling)
{
    if (spelling.verdict != Spelling::Verdict::Misspelt)
        return QString();
    QString text = inQuotes(word.toString()) + u" se escribe "_s + explainedForm(spelling.forms.first());
    if (spelling.forms.size() > 1)
        text += u' ' + alsoExisting(spelling.forms.mid(1));
    return text;
}

QString ruleSentence(QStringView word, const SpellingDictionary &dictionary)
{
    const SpanishWord analysis(word);
    const QString rule = analysis.isValid() ? TildeRule(analysis).sentence() : analysis.problemText();
    const Spelling spelling = spell(word, dictionary);
    switch (spelling.verdict) {
    case Spelling::Verdict::Misspelt:
        return correctionOf(word, spelling);
    case Spelling::Verdict::Right:
        // A pair the meaning decides (tu / tú) already names its partner in the rule.
        if (spelling.forms.isEmpty() || (analysis.isValid() && TildeRule(analysis).dependsOnMeaning()))
            return rule;
        return rule + u' ' + alsoExisting(spelling.forms);
    case Spelling::Verdict::Unknown:
        return rule + u" No está en el diccionario."_s;
    case Spelling::Verdict::Unavailable:
        break;
    }
    return rule;
}

} // namespace SpellingExplanation
