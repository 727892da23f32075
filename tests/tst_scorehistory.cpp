// The history file: appending, reading back, damaged lines and a failed write.
#include "FullDisk.h"

#include "exercises/ScoreHistory.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

ScoreHistory::Record record(int day, const QString &name, int average)
{
    return {{{75, 80, 75, 50, average}, name, QStringLiteral("2º B")}, QDateTime(QDate(2026, 3, day), QTime(9, 5))};
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestScoreHistory : public QObject {
    Q_OBJECT

private slots:
    void appendsAndReadsBack()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sub/historial.csv"));
        QCOMPARE(ScoreHistory::append(path, record(14, QStringLiteral("Ana Núñez"), 70)), ScoreHistory::AppendStatus::Ok);
        QCOMPARE(ScoreHistory::append(path, record(15, QStringLiteral("Ana; \"la de 2º\""), 71)), ScoreHistory::AppendStatus::Ok);
        QCOMPARE(readFile(path), QByteArray("fecha;nombre;grupo;tablero;ejemplos;frases;cuestiones;promedio\n"
                                            "2026-03-14 09:05:00;Ana N\xC3\xBA\xC3\xB1" "ez;2\xC2\xBA B;75;80;75;50;70\n"
                                            "2026-03-15 09:05:00;\"Ana; \"\"la de 2\xC2\xBA\"\"\";2\xC2\xBA B;75;80;75;50;71\n"));
        const ScoreHistory::Contents contents = ScoreHistory::read(path);
        QCOMPARE(contents.damaged, 0);
        QCOMPARE(contents.records.size(), 2);
        QCOMPARE(contents.records.at(1).name, QStringLiteral("Ana; \"la de 2º\""));
        QCOMPARE(contents.records.at(1).when, record(15, {}, 0).when);
        QCOMPARE(contents.records.at(1).total, 71);
    }

    void damagedLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addRow("too few fields") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50");
        QTest::addRow("bad date") << QByteArray("14/03/2026;Ana;2B;75;80;75;50;70");
        QTest::addRow("no such day") << QByteArray("2026-02-30 09:05:00;Ana;2B;75;80;75;50;70");
        QTest::addRow("score over 100") << QByteArray("2026-03-14 09:05:00;Ana;2B;175;80;75;50;70");
        QTest::addRow("not a number") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;ochenta;75;50;70");
        QTest::addRow("cut quote") << QByteArray("2026-03-14 09:05:00;\"Ana;2B;75;80;75;50;70");
    }
    void damagedLines()
    {
        QFETCH(QByteArray, line);
        const QByteArray good = ScoreHistory::line(record(14, QStringLiteral("Luis"), 60));
        const ScoreHistory::Contents contents =
            ScoreHistory::parse(ScoreHistory::header() + '\n' + good + '\n' + line + "\r\n" + good + '\n');
        QCOMPARE(contents.records.size(), 2);
        QCOMPARE(contents.damaged, 1);
    }

    void appendAfterDamagedLineKeepsIt()
    {
        // The student's file is never "repaired" by dropping what cannot be read.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        const QByteArray old = ScoreHistory::header() + "\nbasura sin final";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        QCOMPARE(ScoreHistory::append(path, record(14, QStringLiteral("Ana"), 70)), ScoreHistory::AppendStatus::Ok);
        QVERIFY(readFile(path).startsWith(old + '\n'));
        QCOMPARE(ScoreHistory::read(path).damaged, 1);
    }

    void failedWriteKeepsOlderRecords()
    {
        FullDisk disk;
        if (!disk.ready())
            QSKIP(disk.reason().constData());
        const QString path = disk.filePath(QStringLiteral("historial.csv"));
        for (int day = 1; day <= 3; ++day)
            QCOMPARE(ScoreHistory::append(path, record(day, QStringLiteral("Ana"), 60 + day)), ScoreHistory::AppendStatus::Ok);
        const QByteArray before = readFile(path);
        QVERIFY(disk.fill());

        QCOMPARE(ScoreHistory::append(path, record(4, QStringLiteral("Ana"), 64)), ScoreHistory::AppendStatus::CannotWrite);
        QCOMPARE(readFile(path), before);
        QCOMPARE(ScoreHistory::read(path).records.size(), 3);
    }

    void missingFileIsEmptyHistory()
    {
        const ScoreHistory::Contents contents = ScoreHistory::read(QStringLiteral("/nonexistent/historial.csv"));
        QVERIFY(contents.records.isEmpty());
        QCOMPARE(contents.damaged, 0);
    }
};

QTEST_GUILESS_MAIN(TestScoreHistory)
#include "tst_scorehistory.moc"
