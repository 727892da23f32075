// The score object: the four exercise percentages of a run, the captions that show them, the
// strip's readings of them and their average. The exercises write it, the windows view it.
#pragma once

#include "results/ResultsSummary.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <array>

// One per run, owned with the windows and handed to each by reference: the board and the
// help window's three exercises write their figures here, every percentage label is a view
// of a caption, and the practice window's one-second tick takes the strip's reading from here
// (so the gauges, the summary and the results file lag the captions by up to a second, as
// the student has always seen them). No window reads another window's controls for a score.
class ExerciseScores : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString boardCaption READ boardCaption NOTIFY changed)
    Q_PROPERTY(QString examplesCaption READ examplesCaption NOTIFY changed)
    Q_PROPERTY(QString phrasesCaption READ phrasesCaption NOTIFY changed)
    Q_PROPERTY(QString questionsCaption READ questionsCaption NOTIFY changed)

public:
    enum Exercise { Board, Examples, Phrases, Questions };
    static constexpr int exerciseCount = 4;
    // What the gauges show before the strip's first reading.
    static constexpr int designProgress = 44;

    explicit ExerciseScores(QObject *parent = nullptr);

    // The board's hit percentage after either count changed, picture "###.#" (2 hits and
    // 1 miss give 66.7 with the locale's separator; "0" while there is no hit).
    void setBoard(int hits, int misses, const QLocale &locale = QLocale());
    static QString boardCaptionFor(int hits, int misses, const QLocale &locale = QLocale());
    // A new board: the caption goes back to "0".
    void resetBoard();
    // The classification's whole percentage (hits per attempt, halves to the even neighbour).
    void setExamples(int percent);
    // The phrases right in percent of those checked, picture "###.##" (0 gives an empty caption).
    void setPhrases(long double percent, const QLocale &locale = QLocale());
    // The questions' percentage, shown as a whole number with halves to the even neighbour.
    void setQuestions(long double percent);

    // The captions, as the percentage labels show them.
    QString caption(Exercise exercise) const { return m_captions[std::size_t(exercise)]; }
    QString boardCaption() const { return caption(Board); }
    QString examplesCaption() const { return caption(Examples); }
    QString phrasesCaption() const { return caption(Phrases); }
    QString questionsCaption() const { return caption(Questions); }

    // Takes the strip's reading of the four captions now: each read as its leading whole
    // number (66.7 gives 66), a negative one not taken, and the average of the four with
    // halves to the even neighbour. Returns the new figures.
    ResultsSummary::StripFigures takeStripReading();
    // The figures of the last reading (the design value 44 before the first): what the
    // gauges show and what the summary and the results file print.
    const ResultsSummary::StripFigures &strip() const { return m_strip; }

signals:
    // A caption changed; `exercise` says whose.
    void changed(ExerciseScores::Exercise exercise);
    // The strip's reading changed.
    void stripChanged();

private:
    void setCaption(Exercise exercise, const QString &caption);

    std::array<QString, exerciseCount> m_captions;
    ResultsSummary::StripFigures m_strip{designProgress, designProgress, designProgress, designProgress,
                                         designProgress};
};
