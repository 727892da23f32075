// The board exercise without its controls.
#include "exercises/BoardExercise.h"

#include "exercises/MissRule.h"
#include "exercises/RunCounts.h"
#include "shared/AppError.h"
#include "spanish/AccentVariants.h"

#include <climits>

namespace {

// A bad line quoted in a message: a phrase file's long sentence is cut short.
QString quoted(const QString &line)
{
    constexpr int shown = 40;
    return line.size() <= shown ? line : line.left(shown) + QStringLiteral("…");
}

} // namespace

BoardExercise::BoardExercise(RunCounts &counts) : m_counts(counts) {}

void BoardExercise::start(QString text)
{
    TextLines lines(std::move(text));
    const qsizetype words = lastWordLine(lines);
    adopt(std::move(lines), words);
}

void BoardExercise::load(const QString &text, const QString &fileName)
{
    // Accents typed as a letter and a combining mark would never equal a variant the selector
    // builds from the composed letters.
    TextLines lines(text.normalized(QString::NormalizationForm_C));
    const qsizetype words = lastWordLine(lines);
    if (words == 0)
        throw AppError(QStringLiteral("El archivo %1 no tiene ninguna palabra: no es un tablero.").arg(fileName));
    for (qsizetype n = 1; n <= words; ++n) {
        const QString line = lines.line(n);
        if (line.trimmed().isEmpty())
            throw AppError(QStringLiteral("El archivo %1 no es un tablero: la línea %2 está vacía.").arg(fileName, QString::number(n)));
        if (!isWord(line))
            throw AppError(QStringLiteral("El archivo %1 no es un tablero: la línea %2, «%3», no es una sola palabra.")
                               .arg(fileName, QString::number(n), quoted(line)));
    }
    adopt(std::move(lines), words);
}

void BoardExercise::adopt(TextLines lines, qsizetype words)
{
    m_lines = std::move(lines);
    m_wordCount = words;
    m_counts.boardHits = 0;
    m_counts.boardMisses = 0;
    m_counts.nextWordLine = boardSize;
}

qsizetype BoardExercise::lastWordLine(const TextLines &lines)
{
    qsizetype last = lines.count();
    while (last > 0 && lines.line(last).trimmed().isEmpty())
        --last;
    return last;
}

bool BoardExercise::isWord(const QString &line)
{
    if (line.isEmpty())
        return false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!c.isLetter() || (i > 0 && c.isUpper()))
            return false;
    }
    return true;
}

QString BoardExercise::shortBoardNotice(qsizetype words, const QString &fileName)
{
    if (words >= boardSize)
        return QString();
    const QString count = words == 1 ? QStringLiteral("una palabra") : QStringLiteral("%1 palabras").arg(words);
    return QStringLiteral("El archivo %1 solo tiene %2 para las %3 casillas del tablero.\r"
                          "Las casillas sin palabra quedan vacías y no cuentan.")
        .arg(fileName, count, QString::number(boardSize));
}

QString BoardExercise::wordAt(int line) const
{
    return line <= m_wordCount ? m_lines.line(line) : QString();
}

int BoardExercise::recount(const QList<bool> &right)
{
    m_counts.boardHits = int(right.count(true));
    return m_counts.boardHits;
}

bool BoardExercise::complete() const
{
    return m_counts.boardHits >= boardSize;
}

QString BoardExercise::countMiss()
{
    ++m_counts.boardMisses;
    if (m_counts.nextWordLine < INT_MAX)
        ++m_counts.nextWordLine;
    return wordAt(m_counts.nextWordLine);
}

std::optional<SessionDetail::Miss> BoardExercise::missOf(const QString &chosen, const QString &word)
{
    return MissRule::ofRightWord(SessionDetail::Exercise::Board, AccentVariants::variants(word).value(0), chosen, word);
}

int BoardExercise::scaledMaximum(int maximum) const
{
    if (maximum >= m_counts.boardMisses || maximum > INT_MAX / 2)
        return maximum;
    return maximum * 2;
}
