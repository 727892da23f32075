// The window "Progreso": five series from the history, the last session as text, the notes.
#include "reports/ProgressWindow.h"

#include "FileFixtures.h"

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What the window shows: the chart's line n, and the labels under it.
QLineSeries *line(const ProgressWindow &window, int n)
{
    return static_cast<QLineSeries *>(window.findChild<QChartView *>(QStringLiteral("ProgressChart"))->chart()->series().at(n));
}

QString label(const ProgressWindow &window, const char *name)
{
    return window.findChild<QLabel *>(QLatin1String(name))->text();
}

} // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT

private slots:
    void drawsEverySeriesAndTheLastSession()
    {
        ScoreHistory::Contents history;
        for (int day = 1; day <= 4; ++day)
            history.records << ScoreHistory::Record{{{10 * day, 20 * day, 5 * day, day, 50 + day}, QStringLiteral("Ana"), QStringLiteral("2B")},
                                                    QDateTime(QDate(2026, 3, day), QTime(9, 0))};
        // Added by hand at the end, yet older: the last session is the latest by date.
        history.records << ScoreHistory::Record{{{1, 1, 1, 1, 1}, QStringLiteral("Ana"), QStringLiteral("2B")},
                                                QDateTime(QDate(2026, 2, 1), QTime(9, 0))};
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        // Two damaged lines among the sessions.
        QByteArray bytes = ScoreHistory::header() + '\n';
        for (qsizetype n = 0; n < history.records.size(); ++n)
            bytes += ScoreHistory::line(history.records.at(n)) + (n < 2 ? "\nlínea rota\n" : "\n");
        writeFile(path, bytes);
        ProgressWindow window;
        window.loadHistory(path);
        for (int n = 0; n < ProgressWindow::seriesCount; ++n)
            QCOMPARE(line(window, n)->count(), 5);
        QCOMPARE(line(window, 0)->at(3).y(), 40.0);
        QCOMPARE(line(window, 4)->at(0).y(), 51.0);
        QCOMPARE(label(window, "LastSession"),
                 QStringLiteral("Última sesión (04/03/2026 09:00): Tablero 40 %, Ejemplos 80 %, Frases 20 %, Cuestiones 4 %, "
                                "Promedio 54 %."));
        QCOMPARE(label(window, "HistoryNote"), QStringLiteral("Se han saltado 2 líneas dañadas del historial %1.").arg(path));
        QCOMPARE(window.findChild<QChartView *>()->accessibleDescription(), label(window, "LastSession"));
    }

    void longHistoriesKeepTheirPeaks()
    {
        ScoreHistory::Contents history;
        for (int n = 0; n < 5000; ++n)
            history.records << ScoreHistory::Record{{{50, 0, 0, 0, n == 2500 ? 100 : (n == 4000 ? 3 : 50)}, {}, {}},
                                                    QDateTime(QDate(2020, 1, 1), QTime(9, 0)).addSecs(n * 3600LL)};
        const QList<QPointF> points = ProgressWindow::linePoints(history, 4, 100);
        QVERIFY(points.size() <= 100);
        bool peak = false, dip = false;
        for (int i = 0; i < points.size(); ++i) {
            peak = peak || points.at(i).y() == 100;
            dip = dip || points.at(i).y() == 3;
            if (i > 0)
                QVERIFY(points.at(i - 1).x() < points.at(i).x());
        }
        QVERIFY(peak && dip);
        QCOMPARE(ProgressWindow::linePoints(history, 0, 10000).size(), 5000);
    }

    void historyNote_data()
    {
        QTest::addColumn<int>("damaged");
        QTest::addColumn<QString>("note");
        QTest::addRow("none damaged") << 0 << "Historial: /tmp/historial.csv";
        QTest::addRow("one damaged") << 1 << "Se ha saltado 1 línea dañada del historial /tmp/historial.csv.";
        QTest::addRow("three damaged") << 3 << "Se han saltado 3 líneas dañadas del historial /tmp/historial.csv.";
    }
    void historyNote()
    {
        QFETCH(int, damaged);
        QFETCH(QString, note);
        ScoreHistory::Contents history;
        history.damaged = damaged;
        QCOMPARE(ProgressWindow::historyNote(history, QStringLiteral("/tmp/historial.csv")), note);
    }

    // No history yet is said as such; one that cannot be read is never passed off as empty.
    void historyThatCannotBeShown_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("start");
        QTest::addRow("missing") << QByteArray() << "Todavía no hay ninguna sesión guardada.";
        QTest::addRow("oversized") << ScoreHistory::header() + '\n' + QByteArray(ScoreHistory::maxBytes, ';')
                                   << "No se puede leer el historial %1: ocupa";
        QTest::addRow("not a history") << QByteArray("nombre;nota\n") << "El archivo %1 no es un historial de Tildora";
    }
    void historyThatCannotBeShown()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, start);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        if (!bytes.isEmpty())
            writeFile(path, bytes);
        ProgressWindow window;
        window.loadHistory(path);
        QVERIFY2(label(window, "LastSession").startsWith(start.arg(path)), qPrintable(label(window, "LastSession")));
        QCOMPARE(line(window, 0)->count(), 0);
    }
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
