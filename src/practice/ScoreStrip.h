// The score strip under the board: the five gauges of the run's percentages with their
// captions, on a rounded box between the student's picture and the medal.
#pragma once

#include <QWidget>

#include <array>

class ExerciseScores;
class Gauge;

class ScoreStrip : public QWidget {
    Q_OBJECT

public:
    // The gauges show the score object's last strip reading and follow each new one.
    explicit ScoreStrip(const ExerciseScores &scores, QWidget *parent = nullptr);

private:
    void showReading();

    const ExerciseScores &m_scores;
    // Board, examples, phrases, questions and their average.
    std::array<Gauge *, 5> m_gauges{};
};
