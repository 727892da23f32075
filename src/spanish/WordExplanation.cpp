// The explanations the windows show.
#include "spanish/WordExplanation.h"

#include "spanish/SpanishWord.h"
#include "spanish/SpellingDictionary.h"
#include "spanish/TildeRule.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace WordExplanation {

namespace {

QString quoted(const QString &word, const SpanishWord &analysis)
{
    return u'"' + word + u"\" ("_s + analysis.syllables() + u')';
}

QStringList wordsOf(const QString &line)
{
    static const QRegularExpression letters(u"\\p{L}+"_s);
    QStringList words;
    for (auto match = letters.globalMatch(line); match.hasNext();)
        words << match.next().captured();
    return words;
}

// Two spellings of one word that differ only in their capitals.
QString ofCapitals(const QString &written, const QString &expected)
{
    if (expected.front().isUpper() && written.front().isLower())
        return u"«"_s + written + u"» lleva mayúscula: se escribe «"_s + expected + u"»."_s;
    if (expected.front().isLower() && written.front().isUpper())
        return u"«"_s + written + u"» va en minúscula: se escribe «"_s + expected + u"»."_s;
    return u"«"_s + written + u"» se escribe «"_s + expected + u"»: cambian las mayúsculas."_s;
}

} // namespace

QString ofWord(const QString &word)
{
    const SpanishWord analysis(word);
    if (!analysis.isValid())
        return u'"' + word + u"\": "_s + analysis.problemText();
    return quoted(word, analysis) + u": "_s + TildeRule(analysis).sentence();
}

QString ofMissedWord(const QString &word)
{
    return u"Era "_s + ofWord(word);
}

QString ofGroup(const QString &word)
{
    const QString trimmed = word.trimmed();
    const SpanishWord analysis(trimmed);
    if (!analysis.isValid())
        return trimmed + u": "_s + analysis.problemText();
    QStringList sequences;
    for (int i = 0; i < analysis.sequenceCount(); ++i) {
        sequences << u"el "_s + analysis.sequenceText(i);
    }
    QString reason;
    if (sequences.isEmpty())
        reason = u"es "_s + SpanishWord::className(analysis.stressClass())
            + u" y no tiene diptongo, hiato ni triptongo"_s;
    else if (sequences.size() == 1)
        reason = u"tiene "_s + sequences.first();
    else
        reason = u"tiene "_s + sequences.mid(0, sequences.size() - 1).join(u", "_s) + u" y "_s + sequences.last();
    return trimmed + u": "_s + analysis.syllables() + u", "_s + reason;
}

QString ofPhraseDifferences(const QString &student, const QString &model)
{
    const QStringList written = wordsOf(student);
    const QStringList expected = wordsOf(model);
    QStringList lines;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (i < written.size() && written[i] == expected[i])
            continue;
        const QString was = i < written.size() ? written[i] : QString();
        // A word right but for its capitals has no tilde to explain: the capital is the fault.
        if (!was.isEmpty() && was.compare(expected[i], Qt::CaseInsensitive) == 0) {
            lines << ofCapitals(was, expected[i]);
            continue;
        }
        const QString because = ofWord(expected[i]);
        // A typed word that is no word at all is told so: it is not a matter of meaning.
        const SpellingDictionary &dictionary = SpellingDictionary::shared();
        const bool noWord = !was.isEmpty() && dictionary.isAvailable() && !dictionary.isWord(was);
        lines << (was.isEmpty() ? u"Falta "_s + because
                                : u"«"_s + was + (noWord ? u"» no existe; se escribe "_s : u"» se escribe "_s) + because);
    }
    for (qsizetype i = expected.size(); i < written.size(); ++i)
        lines << u"«"_s + written[i] + u"» sobra: el modelo no tiene esa palabra."_s;
    return lines.join(u'\n');
}

} // namespace WordExplanation
