// Putting the accents back into phrases, without the controls: the accent-free copy the
// student edits, the line-by-line judgement and the running totals of the run.
#pragma once

#include "results/SessionDetail.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

struct RunCounts;

class PhrasesExercise {
public:
    // What a correction did.
    enum class Outcome {
        Ignored,    // the file now open was corrected already
        NothingYet, // no phrase has been corrected in the whole run: nothing changes
        Corrected,
    };

    // How a line came out of a correction.
    enum class Verdict {
        Right,      // it had accents to put back, and the student wrote it exactly
        Wrong,      // it differs from the file's line, or lies beyond the file's last line
        NotCounted, // nothing to put back (a blank line, a line without acute accents), left as it was
    };

    explicit PhrasesExercise(RunCounts &scores);

    // The ten acute vowels á é í ó ú Á É Í Ó Ú become plain vowels; every other character,
    // ü and ñ included, stays, so the length never changes.
    static QString StripAccents(QString text);

    // Whether a line of a phrase file asks the student for anything: only a line with an acute
    // accent to put back is a phrase that counts. A line left as it stands would otherwise
    // score a point for nothing.
    static bool hasAccentsToRestore(const QString &line);

    // A new file: its lines, whole, are the reference until the next one is opened, whatever
    // happens to the file on disk meanwhile.
    void open(QStringList reference);
    const QStringList &reference() const { return m_reference; }
    // The reference's lines that count as phrases.
    qsizetype countedLines() const { return m_countedLines; }
    // The reference without its accents, lines joined by '\n': the text the student edits.
    QString studentCopy() const;
    bool corrected() const { return m_corrected; }

    // Judges the student's lines against the reference, line by line and exactly (a line
    // the student no longer has counts as empty), and adds the counted lines and the right
    // ones to the run's totals.
    Outcome correct(const QStringList &student);
    // After a correction, one verdict per line: the reference's lines, then any lines the
    // student added beyond them, which are always wrong.
    const QList<Verdict> &lineResults() const { return m_results; }
    // After a correction, the words of the wrong lines that the student wrote otherwise than
    // the model, word by word as the line's tip explains them, in line order and at most
    // `limit`: the model's word without its accents (as the student's copy showed it), the
    // word typed (empty when it is missing) and the model's word, with the rule of the
    // model's word. A word wrong only in its capitals breaks no accent rule and is left out,
    // as are words the student added and words the engine has no rule for.
    QList<SessionDetail::Miss> misses(const QStringList &student, int limit) const;

    // Right lines in percent of all lines corrected in the run; 0 before any.
    static long double phrasePercent(const RunCounts &scores);
    // "3/5": right lines of all lines corrected.
    static QString hitsCaption(const RunCounts &scores);
    // The percentage with the picture "###.##": 66.67, 70, and an empty text for 0.
    static QString percentCaption(long double percent, const QLocale &locale = QLocale());

private:
    RunCounts &m_scores;
    QStringList m_reference;
    qsizetype m_countedLines = 0;
    QList<Verdict> m_results;
    bool m_corrected = false;
};
