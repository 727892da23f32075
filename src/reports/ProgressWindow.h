// The window "Progreso": the student's five scores over time, drawn from the history file.
#pragma once

#include "results/ScoreHistory.h"

#include <QList>
#include <QPointF>
#include <QWidget>

class QChartView;
class QLabel;
class QLineSeries;
class QDateTimeAxis;
class QValueAxis;

class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *parent = nullptr);

    // Reads the history file and draws it; a damaged line is skipped and counted, and a file
    // that cannot be read says why in place of the last session.
    void loadHistory(const QString &path);

    // The line under the chart: the history's file, and how many damaged lines were skipped.
    static QString historyNote(const ScoreHistory::Contents &history, const QString &path);

    static constexpr int seriesCount = 5;
    // More points than a chart's width in pixels cannot be told apart; longer histories are
    // thinned to this many per line.
    static constexpr int maxPointsPerLine = 1600;

    // Line n (0 board ... 4 average) of the chart: one point per session, or for a longer
    // history each run of sessions' lowest and highest score in their order.
    static QList<QPointF> linePoints(const ScoreHistory::Contents &history, int n, int maxPoints);

private:
    void showHistory(const ScoreHistory::Contents &history, const QString &path);

    QChartView *m_chart = nullptr;
    QLabel *m_lastSession = nullptr;
    QLabel *m_historyNote = nullptr;
    QLineSeries *m_series[seriesCount] = {};
    QDateTimeAxis *m_timeAxis = nullptr;
    QValueAxis *m_scoreAxis = nullptr;
};
