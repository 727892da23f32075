// The score object: captions, strip readings and their average.
#include "exercises/ExerciseScores.h"

#include "exercises/PhrasesExercise.h"
#include "exercises/QuestionsExercise.h"
#include "shared/NumberFormat.h"

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

QString ExerciseScores::boardCaptionFor(int hits, int misses, const QLocale &locale)
{
    if (hits <= 0)
        return QStringLiteral("0");
    const double attempts = double(hits) + double(misses);
    return NumberFormat::picture(hits * 100.0 / attempts, 1, locale);
}

void ExerciseScores::setBoard(int hits, int misses, const QLocale &locale)
{
    setCaption(Board, boardCaptionFor(hits, misses, locale));
}

void ExerciseScores::resetBoard()
{
    setCaption(Board, QStringLiteral("0"));
}

void ExerciseScores::setExamples(int percent)
{
    setCaption(Examples, QString::number(percent));
}

void ExerciseScores::setPhrases(long double percent, const QLocale &locale)
{
    setCaption(Phrases, PhrasesExercise::percentCaption(percent, locale));
}

void ExerciseScores::setQuestions(long double percent)
{
    setCaption(Questions, QuestionsExercise::roundedPercentText(percent));
}

ResultsSummary::StripFigures ExerciseScores::takeStripReading()
{
    const ResultsSummary::StripFigures reading = ResultsSummary::readStrip(
        caption(Board), caption(Examples), caption(Phrases), caption(Questions), m_strip);
    if (reading != m_strip) {
        m_strip = reading;
        emit stripChanged();
    }
    return m_strip;
}
