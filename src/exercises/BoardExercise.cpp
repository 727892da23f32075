// The board exercise without its controls.
#include "exercises/BoardExercise.h"

#include "shared/NumberFormat.h"
#include "shared/RunScores.h"

#include <climits>

BoardExercise::BoardExercise(RunScores &scores) : m_scores(scores) {}

void BoardExercise::start(QString text)
{
    m_lines = TextLines(std::move(text));
    m_scores.boardHits = 0;
    m_scores.boardMisses = 0;
    m_scores.nextWordLine = boardSize;
}

QString BoardExercise::wordAt(int line) const
{
    return m_lines.line(line);
}

int BoardExercise::recount(const QList<bool> &right)
{
    m_scores.boardHits = int(right.count(true));
    return m_scores.boardHits;
}

QString BoardExercise::hitPercentText(const QLocale &locale) const
{
    const double attempts = double(m_scores.boardHits) + double(m_scores.boardMisses);
    if (attempts <= 0)
        return QString();
    return NumberFormat::picture(m_scores.boardHits * 100.0 / attempts, 1, locale);
}

bool BoardExercise::complete() const
{
    return m_scores.boardHits >= boardSize;
}

QString BoardExercise::countMiss()
{
    ++m_scores.boardMisses;
    if (m_scores.nextWordLine < INT_MAX)
        ++m_scores.nextWordLine;
    return wordAt(m_scores.nextWordLine);
}

int BoardExercise::scaledMaximum(int maximum) const
{
    if (maximum >= m_scores.boardMisses || maximum > INT_MAX / 2)
        return maximum;
    return maximum * 2;
}
