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

#include <algorithm>
#include <limits>

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
                                                     record.total};
    return scores[n];
}

// The latest session's figures as text, or the note that there is no history yet.
QString lastSessionText(const ScoreHistory::Contents &history)
{
    if (history.records.isEmpty())
        return QStringLiteral("Todavía no hay ninguna sesión guardada. Cada vez que guardes o envíes los resultados "
                              "se añadirá una aquí.");
    // The latest by its date: a history put together by hand need not be in order.
    const auto last = *std::max_element(history.records.cbegin(), history.records.cend(),
                                        [](const ScoreHistory::Record &a, const ScoreHistory::Record &b) {
                                            return a.when < b.when;
                                        });
    return QStringLiteral("Última sesión (%1): Tablero %2 %, Ejemplos %3 %, Frases %4 %, Cuestiones %5 %, Promedio %6 %.")
        .arg(last.when.toString(QStringLiteral("dd/MM/yyyy HH:mm")))
        .arg(last.board)
        .arg(last.examples)
        .arg(last.phrases)
        .arg(last.questions)
        .arg(last.total);
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

    m_chart = new QChartView(chart, this);
    m_chart->setObjectName(QStringLiteral("ProgressChart"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setAccessibleName(QStringLiteral("Gráfico del progreso"));
    m_lastSession = new QLabel(this);
    m_lastSession->setObjectName(QStringLiteral("LastSession"));
    m_lastSession->setWordWrap(true);
    m_lastSession->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_historyNote = new QLabel(this);
    m_historyNote->setObjectName(QStringLiteral("HistoryNote"));
    m_historyNote->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_lastSession);
    layout->addWidget(m_historyNote);
}

QList<QPointF> ProgressWindow::linePoints(const ScoreHistory::Contents &history, int n, int maxPoints)
{
    const qsizetype count = history.records.size();
    QList<QPointF> points;
    const auto point = [&](qsizetype i) {
        const ScoreHistory::Record &record = history.records.at(i);
        return QPointF(qreal(record.when.toMSecsSinceEpoch()), score(record, n));
    };
    if (count <= maxPoints) {
        points.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            points.append(point(i));
        return points;
    }
    // More sessions than the chart has pixels for: each run of sessions keeps its lowest and
    // highest score, in their order, so every peak and dip still shows.
    const qsizetype buckets = maxPoints / 2;
    points.reserve(maxPoints);
    for (qsizetype b = 0; b < buckets; ++b) {
        const qsizetype from = b * count / buckets;
        const qsizetype to = (b + 1) * count / buckets;
        qsizetype low = from;
        qsizetype high = from;
        for (qsizetype i = from; i < to; ++i) {
            if (score(history.records.at(i), n) < score(history.records.at(low), n))
                low = i;
            if (score(history.records.at(i), n) > score(history.records.at(high), n))
                high = i;
        }
        points.append(point(std::min(low, high)));
        if (low != high)
            points.append(point(std::max(low, high)));
    }
    return points;
}

QString ProgressWindow::historyNote(const ScoreHistory::Contents &history, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    if (history.damaged == 1)
        return QStringLiteral("Se ha saltado 1 línea dañada del historial %1.").arg(file);
    if (history.damaged > 1)
        return QStringLiteral("Se han saltado %1 líneas dañadas del historial %2.").arg(QString::number(history.damaged), file);
    return QStringLiteral("Historial: %1").arg(file);
}

void ProgressWindow::loadHistory(const QString &path)
{
    showHistory(ScoreHistory::read(path), path);
}

void ProgressWindow::showHistory(const ScoreHistory::Contents &history, const QString &path)
{
    // The time range from the points drawn: each holds its session's time in milliseconds.
    qreal firstMs = std::numeric_limits<qreal>::max();
    qreal lastMs = std::numeric_limits<qreal>::lowest();
    for (int n = 0; n < seriesCount; ++n) {
        const QList<QPointF> points = linePoints(history, n, maxPointsPerLine);
        for (const QPointF &p : points) {
            firstMs = std::min(firstMs, p.x());
            lastMs = std::max(lastMs, p.x());
        }
        // One replace per line: a history of thousands of sessions redraws once, not per point.
        m_series[n]->replace(points);
        m_series[n]->setPointsVisible(history.records.size() <= 60);
    }
    // Thousands of sessions draw as one dense band: smoothing them costs more than it shows.
    m_chart->setRenderHint(QPainter::Antialiasing, history.records.size() <= maxPointsPerLine);
    QDateTime first = QDateTime::currentDateTime();
    QDateTime last = first;
    if (!history.records.isEmpty()) {
        first = QDateTime::fromMSecsSinceEpoch(qint64(firstMs));
        last = QDateTime::fromMSecsSinceEpoch(qint64(lastMs));
    }
    // A single day still needs a width to draw on.
    m_timeAxis->setRange(first.addSecs(-12 * 3600), last.addSecs(12 * 3600));
    m_timeAxis->setFormat(first.daysTo(last) < 2 ? QStringLiteral("dd/MM HH:mm") : QStringLiteral("dd/MM/yy"));

    // A history that cannot be read is never shown as an empty one: the student would think
    // every session was gone.
    const QString text = history.problem == ScoreHistory::Problem::None
        ? lastSessionText(history)
        : ScoreHistory::problemText(history.problem, path);
    m_lastSession->setText(text);
    m_chart->setAccessibleDescription(text);
    m_historyNote->setText(historyNote(history, path));
}
