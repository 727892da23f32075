// What "tildora --explicar" prints.
#include "spanish/ExplainCommand.h"

#include "spanish/SpanishWord.h"
#include "spanish/SpellingDictionary.h"
#include "spanish/SpellingExplanation.h"

using namespace Qt::StringLiterals;

namespace ExplainCommand {

QString shown(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'\\': result += u"\\\\"_s; break;
        case u'\t': result += u"\\t"_s; break;
        case u'\n': result += u"\\n"_s; break;
        case u'\r': result += u"\\r"_s; break;
        default:
            // Control and format characters (escape sequences, direction marks) would act on
            // the terminal or hide in the line instead of being seen.
            if (ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format)
                result += u"\\u{%1}"_s.arg(uint(ch.unicode()), 4, 16, QLatin1Char('0'));
            else
                result += ch;
        }
    }
    return result;
}

QString line(QStringView given, bool *ok)
{
    // A word typed or pasted with its accent as a separate combining mark is the same word.
    const QString word = given.toString().normalized(QString::NormalizationForm_C);
    const SpanishWord analysis(word);
    if (ok)
        *ok = analysis.isValid();
    const QChar tab = u'\t';
    if (!analysis.isValid())
        return shown(word) + tab + u"error"_s + tab + u'-' + tab + u'-' + tab + u'-' + tab
            + shown(analysis.problemText());
    QString sequences;
    for (int i = 0; i < analysis.sequenceCount(); ++i) {
        if (i > 0)
            sequences += u", "_s;
        sequences += analysis.sequenceText(i);
    }
    if (sequences.isEmpty())
        sequences = u"-"_s;
    return shown(word) + tab + analysis.syllables() + tab + QString::number(analysis.stressFromEnd()) + tab
        + SpanishWord::className(analysis.stressClass()) + tab + sequences + tab
        + SpellingExplanation::ruleSentence(word, SpellingDictionary::shared());
}

QString stressedSyllables(QStringView given, StressMark mark, QString *problem)
{
    const QString word = given.trimmed().toString().normalized(QString::NormalizationForm_C);
    const SpanishWord analysis(word);
    if (problem)
        *problem = analysis.problemText();
    if (!analysis.isValid())
        return QString();
    QString result;
    for (int syllable = 0; syllable < analysis.syllableCount(); ++syllable) {
        const int start = analysis.syllableStart(syllable);
        const int end = analysis.syllableEnd(syllable);
        const QString letters = analysis.text().sliced(start, end - start).toString();
        const bool stressed = start <= analysis.stressedVowel() && analysis.stressedVowel() < end;
        if (syllable > 0)
            result += u'-';
        if (mark == StressMark::Capitals)
            result += stressed ? letters.toUpper() : letters.toLower();
        else
            result += stressed ? u"<b>"_s + letters.toHtmlEscaped() + u"</b>"_s : letters.toHtmlEscaped();
    }
    return result;
}

QString spellingNotice()
{
    return SpellingDictionary::shared().unavailableText();
}

} // namespace ExplainCommand
