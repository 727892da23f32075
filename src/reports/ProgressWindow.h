// The window "Progreso": the student's five scores over time, drawn from the history file.
#pragma once

#include "exercises/ScoreHistory.h"

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

    // Reads the history file and draws it; a damaged line is skipped and counted.
    void loadHistory(const QString &path);
    void setHistory(const ScoreHistory::Contents &history, const QString &path);

    // The last session's figures as text, or the note that there is no history yet.
    static QString lastSessionText(const ScoreHistory::Contents &history);

    static constexpr int seriesCount = 5;
    QLineSeries *series(int n) const { return m_series[n]; }

    QChartView *ProgressChart = nullptr;
    QLabel *LastSession = nullptr;
    QLabel *HistoryNote = nullptr;

private:
    QLineSeries *m_series[seriesCount] = {};
    QDateTimeAxis *m_timeAxis = nullptr;
    QValueAxis *m_scoreAxis = nullptr;
};
