// The score object: counts, percentages, captions, strip readings and their average.
#include "exercises/ExerciseScores.h"

#include "exercises/PhrasesExercise.h"
#include "exercises/QuestionsExercise.h"
#include "shared/NumberFormat.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {

// The whole number a caption with this many decimals begins with: the caption is rounded
// first, so 99.96 shown as "100" reads 100. A value shown as negative gives nothing (the
// strip keeps its figure); one shown as "-0,3" begins with no digit and reads 0.
std::optional<int> shownWhole(double value, int decimals)
{
    if (!std::isfinite(value))
        return 0;
    const double scale = std::pow(10.0, decimals);
    const double whole = std::floor(std::round(std::abs(value) * scale * (1.0 + 1e-15)) / scale);
    if (value < 0 && whole > 0)
        return std::nullopt;
    return whole >= INT_MAX ? INT_MAX : int(whole);
}

std::optional<int> takenIfNotNegative(int value)
{
    return value >= 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

ExerciseScores::ExerciseScores(QObject *parent) : QObject(parent)
{
    m_captions.fill(QStringLiteral("0"));
}

void ExerciseScores::setCaption(Exercise exercise, const QString &caption)
{
    QString &stored = m_captions[std::size_t(exercise)];
    if (stored == caption)
        return;
    stored = caption;
    emit changed(exercise);
}

void ExerciseScores::setBoard(int hits, int misses, const QLocale &locale)
{
    m_boardPercent = hits > 0 ? hits * 100.0 / (double(hits) + double(misses)) : 0;
    setCaption(Board, hits > 0 ? NumberFormat::picture(m_boardPercent, 1, locale) : QStringLiteral("0"));
}

void ExerciseScores::resetBoard()
{
    setBoard(0, 0);
}

void ExerciseScores::setExamples(int percent)
{
    m_examplesPercent = percent;
    setCaption(Examples, QString::number(percent));
}

void ExerciseScores::setPhrases(long double percent, const QLocale &locale)
{
    m_phrasesPercent = percent;
    setCaption(Phrases, PhrasesExercise::percentCaption(percent, locale));
}

void ExerciseScores::setQuestions(long double percent)
{
    m_questionsPercent = percent;
    setCaption(Questions, QuestionsExercise::roundedPercentText(percent));
}

ResultsSummary::StripFigures ExerciseScores::takeStripReading()
{
    ResultsSummary::StripFigures reading = m_strip;
    reading.board = shownWhole(m_boardPercent, 1).value_or(m_strip.board);
    reading.examples = takenIfNotNegative(m_examplesPercent).value_or(m_strip.examples);
    reading.phrases = shownWhole(double(m_phrasesPercent), 2).value_or(m_strip.phrases);
    reading.questions =
        takenIfNotNegative(NumberFormat::roundHalfEven(double(m_questionsPercent))).value_or(m_strip.questions);
    reading.total = ResultsSummary::average(reading.board, reading.examples, reading.phrases, reading.questions);
    if (reading != m_strip) {
        m_strip = reading;
        emit stripChanged();
    }
    return m_strip;
}

ResultsSummary::Figures ExerciseScores::resultsFigures() const
{
    ResultsSummary::Figures f;
    f.studentName = m_studentName;
    f.studentGroup = m_studentGroup;
    f.boardHits = m_counts.boardHits;
    f.boardMisses = m_counts.boardMisses;
    f.exampleHits = m_counts.exampleHits;
    f.exampleAttempts = m_counts.exampleAttempts;
    f.phraseHits = m_counts.phraseHits;
    f.phraseTotal = m_counts.phraseTotal;
    f.percentages = m_strip;
    return f;
}

int ExerciseScores::missRoom(SessionDetail::Exercise exercise) const
{
    const qsizetype kept = std::count_if(m_misses.cbegin(), m_misses.cend(),
                                         [exercise](const SessionDetail::Miss &miss) { return miss.exercise == exercise; });
    return int(std::max<qsizetype>(0, missesKept - kept));
}

void ExerciseScores::addMiss(const SessionDetail::Miss &miss)
{
    if (missRoom(miss.exercise) > 0)
        m_misses.append(miss);
}

void ExerciseScores::replaceMisses(SessionDetail::Exercise exercise, const QList<SessionDetail::Miss> &misses)
{
    m_misses.removeIf([exercise](const SessionDetail::Miss &miss) { return miss.exercise == exercise; });
    m_misses.append(misses.first(std::min<qsizetype>(misses.size(), missesKept)));
}

SessionDetail::Detail ExerciseScores::detail(const QDateTime &when) const
{
    SessionDetail::Detail detail;
    static_cast<ResultsSummary::StripFigures &>(detail.scores) = m_strip;
    detail.scores.name = m_studentName;
    detail.scores.group = m_studentGroup;
    detail.when = when;
    detail.misses = m_misses;
    return detail;
}
