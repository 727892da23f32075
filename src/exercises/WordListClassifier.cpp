// A teacher's word list sorted into the classification's six groups.
#include "exercises/WordListClassifier.h"

#include "spanish/SpanishWord.h"
#include "spanish/SpellingDictionary.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace WordListClassifier {

namespace {

using Group = ClassificationExercise::Group;

// A message lists this many left-out words; a longer list would not fit on the screen.
constexpr qsizetype listedLeftOut = 30;

std::optional<Group> refused(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return std::nullopt;
}

// "la palabra…" from the engine's "La palabra…", to follow the word and a colon.
QString afterColon(QString sentence)
{
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toLower();
    return sentence;
}

QString words(qsizetype count)
{
    return count == 1 ? u"1 palabra"_s : u"%1 palabras"_s.arg(count);
}

} // namespace

std::optional<Group> groupOf(QStringView word, QString *why)
{
    const SpanishWord analysis(word);
    if (!analysis.isValid())
        return refused(why, afterColon(analysis.problemText()));
    int cluster = -1;
    for (int at = 0; at < analysis.sequenceCount(); ++at) {
        if (cluster < 0)
            cluster = at;
        else if (analysis.sequence(at).kind != analysis.sequence(cluster).kind)
            return refused(why, u"tiene el %1 y el %2: cabría en dos grupos."_s.arg(analysis.sequenceText(cluster),
                                                                                 analysis.sequenceText(at)));
    }
    if (cluster >= 0) {
        switch (analysis.sequence(cluster).kind) {
        case SpanishWord::SequenceKind::Diptongo: return ClassificationExercise::Diptongos;
        case SpanishWord::SequenceKind::Hiato: return ClassificationExercise::Hiatos;
        case SpanishWord::SequenceKind::Triptongo: return ClassificationExercise::Triptongos;
        }
    }
    switch (analysis.stressClass()) {
    case SpanishWord::StressClass::Aguda: return ClassificationExercise::Agudas;
    case SpanishWord::StressClass::Llana: return ClassificationExercise::Llanas;
    case SpanishWord::StressClass::Esdrujula: return ClassificationExercise::Esdrujulas;
    case SpanishWord::StressClass::Monosilaba:
    case SpanishWord::StressClass::Sobresdrujula:
        break;
    }
    return refused(why, u"es %1 y no tiene diptongo, hiato ni triptongo: no cabe en ningún grupo."_s.arg(
                            SpanishWord::className(analysis.stressClass())));
}

int wordCount(const QStringList &lines)
{
    return int(std::count_if(lines.cbegin(), lines.cend(), [](const QString &line) { return !line.trimmed().isEmpty(); }));
}

Result classify(const QStringList &lines, const SpellingDictionary *dictionary)
{
    Result result;
    const bool checked = dictionary && dictionary->isAvailable();
    if (!checked)
        result.spellingUnchecked = dictionary ? dictionary->unavailableText()
                                              : u"La comprobación de la ortografía no está disponible."_s;
    QSet<QString> seen;
    for (const QString &line : lines) {
        const QString word = line.trimmed();
        if (word.isEmpty())
            continue;
        // The recount matches whole words, so a second copy would be a second answer to one word.
        if (seen.contains(word)) {
            result.leftOut.append({word, u"está repetida."_s});
            continue;
        }
        seen.insert(word);
        QString why;
        const std::optional<Group> group = groupOf(word, &why);
        if (!group) {
            result.leftOut.append({word, why});
            continue;
        }
        if (checked && !dictionary->isWord(word)) {
            result.leftOut.append({word, u"no está en el diccionario."_s});
            continue;
        }
        result.key[std::size_t(*group)].append(word);
        result.words.append(word);
    }
    std::stable_sort(result.words.begin(), result.words.end(), ClassificationExercise::sortsBefore);
    return result;
}

QString leftOutText(const Result &result, const QString &fileName)
{
    QStringList lines;
    if (!result.leftOut.isEmpty()) {
        lines << u"De %1 se han cargado %2; se han dejado fuera %3:"_s.arg(
            fileName, words(result.words.size()), words(result.leftOut.size()));
        for (qsizetype i = 0; i < std::min(result.leftOut.size(), listedLeftOut); ++i)
            lines << u"«%1»: %2"_s.arg(result.leftOut[i].word, result.leftOut[i].reason);
        if (result.leftOut.size() > listedLeftOut)
            lines << u"… y %1 más."_s.arg(words(result.leftOut.size() - listedLeftOut));
    }
    if (!result.spellingUnchecked.isEmpty())
        lines << result.spellingUnchecked + u" Las palabras de la lista no se han comprobado."_s;
    return lines.join(u'\n');
}

} // namespace WordListClassifier
