// The progress chart: one line per score, dated points, the last session written out.
#include "reports/ProgressWindow.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

struct SeriesLook {
    const char *name;
    QColor colour;
};
const SeriesLook looks[ProgressWindow::seriesCount] = {
    {"Tablero", QColor(0x1f, 0x77, 0xb4)},   {"Ejemplos", QColor(0xff, 0x7f, 0x0e)},
    {"Frases", QColor(0x2c, 0xa0, 0x2c)},    {"Cuestiones", QColor(0x94, 0x67, 0xbd)},
    {"Promedio", QColor(0xd6, 0x27, 0x28)}};

int score(const ScoreHistory::Record &record, int n)
{
    const int scores[ProgressWindow::seriesCount] = {record.board, record.examples, record.phrases, record.questions,
                                                     record.average};
    return scores[n];
}

} // namespace

ProgressWindow::ProgressWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Progreso"));
    setWindowTitle(QStringLiteral("Progreso"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/tildora.png")));
    resize(760, 520);

    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Tus resultados sesión a sesión (%)"));
    m_timeAxis = new QDateTimeAxis;
    m_timeAxis->setFormat(QStringLiteral("dd/MM/yy"));
    m_timeAxis->setTitleText(QStringLiteral("Fecha"));
    m_scoreAxis = new QValueAxis;
    m_scoreAxis->setRange(0, 100);
    m_scoreAxis->setLabelFormat(QStringLiteral("%d"));
    m_scoreAxis->setTitleText(QStringLiteral("%"));
    chart->addAxis(m_timeAxis, Qt::AlignBottom);
    chart->addAxis(m_scoreAxis, Qt::AlignLeft);
    for (int n = 0; n < seriesCount; ++n) {
        auto *line = new QLineSeries;
        line->setName(QString::fromUtf8(looks[n].name));
        QPen pen(looks[n].colour, n == seriesCount - 1 ? 3 : 2);
        line->setPen(pen);
        line->setPointsVisible(true);
        chart->addSeries(line);
        line->attachAxis(m_timeAxis);
        line->attachAxis(m_scoreAxis);
        m_series[n] = line;
    }
    chart->legend()->setAlignment(Qt::AlignBottom);

    ProgressChart = new QChartView(chart, this);
    ProgressChart->setObjectName(QStringLiteral("ProgressChart"));
    ProgressChart->setRenderHint(QPainter::Antialiasing);
    ProgressChart->setAccessibleName(QStringLiteral("Gráfico del progreso"));
    LastSession = new QLabel(this);
    LastSession->setObjectName(QStringLiteral("LastSession"));
    LastSession->setWordWrap(true);
    LastSession->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    HistoryNote = new QLabel(this);
    HistoryNote->setObjectName(QStringLiteral("HistoryNote"));
    HistoryNote->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ProgressChart, 1);
    layout->addWidget(LastSession);
    layout->addWidget(HistoryNote);
}

QString ProgressWindow::lastSessionText(const ScoreHistory::Contents &history)
{
    if (history.records.isEmpty())
        return QStringLiteral("Todavía no hay ninguna sesión guardada. Cada vez que guardes o envíes los resultados "
                              "se añadirá una aquí.");
    const ScoreHistory::Record &last = history.records.constLast();
    return QStringLiteral("Última sesión (%1): Tablero %2 %, Ejemplos %3 %, Frases %4 %, Cuestiones %5 %, Promedio %6 %.")
        .arg(last.when.toString(QStringLiteral("dd/MM/yyyy HH:mm")))
        .arg(last.board)
        .arg(last.examples)
        .arg(last.phrases)
        .arg(last.questions)
        .arg(last.average);
}

void ProgressWindow::loadHistory(const QString &path)
{
    setHistory(ScoreHistory::read(path), path);
}

void ProgressWindow::setHistory(const ScoreHistory::Contents &history, const QString &path)
{
    QDateTime first;
    QDateTime last;
    for (int n = 0; n < seriesCount; ++n) {
        QList<QPointF> points;
        points.reserve(history.records.size());
        for (const ScoreHistory::Record &record : history.records)
            points.append(QPointF(qreal(record.when.toMSecsSinceEpoch()), score(record, n)));
        // One replace per line: a history of thousands of sessions redraws once, not per point.
        m_series[n]->replace(points);
        m_series[n]->setPointsVisible(history.records.size() <= 60);
    }
    for (const ScoreHistory::Record &record : history.records) {
        if (!first.isValid() || record.when < first)
            first = record.when;
        if (!last.isValid() || record.when > last)
            last = record.when;
    }
    if (!first.isValid())
        first = last = QDateTime::currentDateTime();
    // A single day still needs a width to draw on.
    m_timeAxis->setRange(first.addSecs(-12 * 3600), last.addSecs(12 * 3600));
    m_timeAxis->setFormat(first.daysTo(last) < 2 ? QStringLiteral("dd/MM HH:mm") : QStringLiteral("dd/MM/yy"));

    const QString text = lastSessionText(history);
    LastSession->setText(text);
    ProgressChart->setAccessibleDescription(text);
    if (history.damaged > 0)
        HistoryNote->setText((history.damaged == 1 ? QStringLiteral("Se ha saltado 1 línea dañada del historial %2.")
                                                   : QStringLiteral("Se han saltado %1 líneas dañadas del historial %2."))
                                 .arg(history.damaged)
                                 .arg(QDir::toNativeSeparators(path)));
    else
        HistoryNote->setText(QStringLiteral("Historial: %1").arg(QDir::toNativeSeparators(path)));
}
