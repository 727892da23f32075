// The window "Progreso": five series from the history, the last session as text, the notes.
#include "reports/ProgressWindow.h"

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QTest>

class TestProgressWindow : public QObject {
    Q_OBJECT

private slots:
    void drawsEverySeriesAndTheLastSession()
    {
        ScoreHistory::Contents history;
        for (int day = 1; day <= 4; ++day)
            history.records << ScoreHistory::Record{QDateTime(QDate(2026, 3, day), QTime(9, 0)), QStringLiteral("Ana"),
                                                    QStringLiteral("2B"), 10 * day, 20 * day, 5 * day, day, 50 + day};
        history.damaged = 2;
        ProgressWindow window;
        window.setHistory(history, QStringLiteral("/tmp/historial.csv"));
        for (int n = 0; n < ProgressWindow::seriesCount; ++n)
            QCOMPARE(window.series(n)->count(), 4);
        QCOMPARE(window.series(0)->at(3).y(), 40.0);
        QCOMPARE(window.series(4)->at(0).y(), 51.0);
        QCOMPARE(window.LastSession->text(),
                 QStringLiteral("Última sesión (04/03/2026 09:00): Tablero 40 %, Ejemplos 80 %, Frases 20 %, Cuestiones 4 %, "
                                "Promedio 54 %."));
        QCOMPARE(window.HistoryNote->text(), QStringLiteral("Se han saltado 2 líneas dañadas del historial /tmp/historial.csv."));
        QCOMPARE(window.ProgressChart->accessibleDescription(), window.LastSession->text());
    }

    void saysWhenThereIsNoHistory()
    {
        ProgressWindow window;
        window.loadHistory(QStringLiteral("/no/existe/historial.csv"));
        QVERIFY(window.LastSession->text().startsWith(QStringLiteral("Todavía no hay ninguna sesión guardada.")));
        QCOMPARE(window.series(0)->count(), 0);
    }
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
