// The score object: the run's counts, the four exercise percentages as numbers, the captions
// that show them, the strip's readings of them and their average, and who the student is.
// The exercises write it, the windows view it.
#pragma once

#include "exercises/RunCounts.h"
#include "results/ResultsSummary.h"
#include "results/SessionDetail.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <array>

// One per run, owned with the windows and handed to each by reference: the board and the
// exercises window's three exercises keep their counts and write their percentages here, every
// percentage label is a view of a caption, and the practice window's one-second tick takes the
// strip's reading from here (so the gauges, the summary and the results file lag the captions
// by up to a second, as the student has always seen them). No window reads another window's
// controls for a score.
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

    // The counts the exercises keep as the student plays; each exercise is handed them.
    RunCounts &counts() { return m_counts; }
    const RunCounts &counts() const { return m_counts; }

    // Who the student is, as the results print it.
    QString studentName() const { return m_studentName; }
    QString studentGroup() const { return m_studentGroup; }
    void setStudentName(const QString &name) { m_studentName = name; }
    void setStudentGroup(const QString &group) { m_studentGroup = group; }

    // The board's hit percentage after either count changed, picture "###.#" (2 hits and
    // 1 miss give 66.7 with the locale's separator; "0" while there is no hit).
    void setBoard(int hits, int misses, const QLocale &locale = QLocale());
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

    // Takes the strip's reading of the four percentages now: each as the whole number its
    // caption begins with (66.7 gives 66, 99.96 shown as 100 gives 100), a negative one not
    // taken, and the average of the four with halves to the even neighbour. Returns the new
    // figures.
    ResultsSummary::StripFigures takeStripReading();
    // The figures of the last reading (the design value 44 before the first): what the
    // gauges show and what the summary and the results file print.
    const ResultsSummary::StripFigures &strip() const { return m_strip; }

    // The run's misses, answer by answer with their rules, in the order they were made: what
    // the detail file, the results page and the class view say was missed. They follow the
    // counts: the board and the classification add each miss as it is made, the phrases add
    // the misses of each file corrected (as they add its lines), the questions are judged
    // whole at each check, so a check replaces their misses; a new board drops the board's.
    const QList<SessionDetail::Miss> &misses() const { return m_misses; }
    void addMiss(const SessionDetail::Miss &miss);
    void replaceMisses(SessionDetail::Exercise exercise, const QList<SessionDetail::Miss> &misses);
    // The misses an exercise keeps at most. A teacher reads the weak rules from far fewer, and
    // a student clicking away at the board or leaving a long phrase file unaccented would
    // otherwise write thousands, and a detail file larger than its readers take. Misses past
    // it are not kept; the figures count them all the same.
    static constexpr int missesKept = 200;
    // How many more misses the exercise keeps.
    int missRoom(SessionDetail::Exercise exercise) const;
    // The student, the strip's last reading, the moment and the misses: the detail file.
    SessionDetail::Detail detail(const QDateTime &when) const;

    // The counts and the student with the strip's last reading: what the summary box, the
    // results file, the history and the PDF print.
    ResultsSummary::Figures resultsFigures() const;

signals:
    // A caption changed; `exercise` says whose.
    void changed(ExerciseScores::Exercise exercise);
    // The strip's reading changed.
    void stripChanged();

private:
    void setCaption(Exercise exercise, const QString &caption);

    RunCounts m_counts;
    QString m_studentName;
    QString m_studentGroup;
    // The percentages as set; the board's is 0 while there is no hit.
    double m_boardPercent = 0;
    int m_examplesPercent = 0;
    long double m_phrasesPercent = 0;
    long double m_questionsPercent = 0;
    std::array<QString, exerciseCount> m_captions;
    QList<SessionDetail::Miss> m_misses;
    ResultsSummary::StripFigures m_strip{designProgress, designProgress, designProgress, designProgress,
                                         designProgress};
};
