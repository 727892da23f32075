// Putting the accents back into phrases, without the controls.
#include "exercises/PhrasesExercise.h"

#include "shared/Accents.h"

#include "exercises/MissRule.h"
#include "shared/NumberFormat.h"
#include "exercises/RunCounts.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>

namespace {

// The lowest of the ten accented vowels, Á.
constexpr char16_t firstAccentedVowel = u'\u00C1';

// The totals only grow; past the largest count they stay there instead of wrapping round.
int saturatedSum(int a, qsizetype b)
{
    const long long sum = (long long)a + b;
    return sum > INT_MAX ? INT_MAX : int(sum);
}

// The words of a line, as the explanations of a wrong line pair them with the model's.
QStringList wordsOf(const QString &line)
{
    static const QRegularExpression letters(QStringLiteral("\\p{L}+"));
    QStringList words;
    for (auto match = letters.globalMatch(line); match.hasNext();)
        words << match.next().captured();
    return words;
}

} // namespace

PhrasesExercise::PhrasesExercise(RunCounts &scores) : m_scores(scores) {}

QString PhrasesExercise::StripAccents(QString text)
{
    for (QChar &ch : text) {
        // Letters, digits, spaces and signs all lie below the first accented vowel.
        if (ch.unicode() < firstAccentedVowel)
            continue;
        const QChar plain = Accents::plainVowel(ch);
        if (!plain.isNull())
            ch = plain;
    }
    return text;
}

bool PhrasesExercise::hasAccentsToRestore(const QString &line)
{
    for (const QChar ch : line) {
        if (ch.unicode() >= firstAccentedVowel && !Accents::plainVowel(ch).isNull())
            return true;
    }
    return false;
}

void PhrasesExercise::open(QStringList reference)
{
    m_reference = std::move(reference);
    m_countedLines = std::count_if(m_reference.cbegin(), m_reference.cend(), hasAccentsToRestore);
    m_results.clear();
    m_corrected = false;
}

QString PhrasesExercise::studentCopy() const
{
    return StripAccents(m_reference.join(QLatin1Char('\n')));
}

PhrasesExercise::Outcome PhrasesExercise::correct(const QStringList &student)
{
    if (m_corrected)
        return Outcome::Ignored;
    const qsizetype n = m_reference.size();
    m_results = QList<Verdict>(qMax(n, student.size()), Verdict::Wrong);
    int hits = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QString &answer = i < student.size() ? student.at(i) : QString();
        if (answer != m_reference.at(i))
            continue;
        if (hasAccentsToRestore(m_reference.at(i))) {
            m_results[i] = Verdict::Right;
            ++hits;
        } else {
            m_results[i] = Verdict::NotCounted;
        }
    }
    m_scores.phraseTotal = saturatedSum(m_scores.phraseTotal, m_countedLines);
    m_scores.phraseHits = saturatedSum(m_scores.phraseHits, hits);
    if (m_scores.phraseTotal == 0)
        return Outcome::NothingYet;
    m_corrected = true;
    return Outcome::Corrected;
}

QList<SessionDetail::Miss> PhrasesExercise::misses(const QStringList &student, int limit) const
{
    QList<SessionDetail::Miss> found;
    for (qsizetype line = 0; line < m_reference.size() && found.size() < limit; ++line) {
        if (m_results.value(line) != Verdict::Wrong)
            continue;
        const QStringList written = wordsOf(student.value(line));
        const QStringList expected = wordsOf(m_reference.at(line));
        for (qsizetype i = 0; i < expected.size() && found.size() < limit; ++i) {
            const QString typed = written.value(i);
            const QString &right = expected.at(i);
            if (typed.compare(right, Qt::CaseInsensitive) == 0)
                continue;
            if (const auto miss = MissRule::ofRightWord(SessionDetail::Exercise::Phrases, StripAccents(right), typed, right))
                found << *miss;
        }
    }
    return found;
}

long double PhrasesExercise::phrasePercent(const RunCounts &scores)
{
    if (scores.phraseTotal == 0)
        return 0;
    return (long double)scores.phraseHits * 100 / scores.phraseTotal;
}

QString PhrasesExercise::hitsCaption(const RunCounts &scores)
{
    return QStringLiteral("%1/%2").arg(scores.phraseHits).arg(scores.phraseTotal);
}

QString PhrasesExercise::percentCaption(long double percent, const QLocale &locale)
{
    return NumberFormat::picture(double(percent), 2, locale);
}
