// The history file: appending, reading back, damaged lines and a failed write.
#include "FileFixtures.h"
#include "FullDisk.h"

#include "results/ScoreHistory.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

ScoreHistory::Record record(int day, const QString &name, int average)
{
    return {{{75, 80, 75, 50, average}, name, QStringLiteral("2º B")}, QDateTime(QDate(2026, 3, day), QTime(9, 5))};
}

} // namespace

Q_DECLARE_METATYPE(ScoreHistory::Record)

class TestScoreHistory : public QObject {
    Q_OBJECT

private slots:
    void appendsAndReadsBack()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sub/historial.csv"));
        QCOMPARE(ScoreHistory::append(path, record(14, QStringLiteral("Ana Núñez"), 70)), ScoreHistory::AppendStatus::Ok);
        QCOMPARE(ScoreHistory::append(path, record(15, QStringLiteral("Ana; \"la de 2º\""), 71)), ScoreHistory::AppendStatus::Ok);
        QCOMPARE(fileBytes(path), QByteArray("fecha;nombre;grupo;tablero;ejemplos;frases;cuestiones;promedio\n"
                                            "2026-03-14 09:05:00;Ana N\xC3\xBA\xC3\xB1" "ez;2\xC2\xBA B;75;80;75;50;70\n"
                                            "2026-03-15 09:05:00;\"Ana; \"\"la de 2\xC2\xBA\"\"\";2\xC2\xBA B;75;80;75;50;71\n"));
        const ScoreHistory::Contents contents = ScoreHistory::read(path);
        QCOMPARE(contents.damaged, 0);
        QCOMPARE(contents.records.size(), 2);
        QCOMPARE(contents.records.at(1).name, QStringLiteral("Ana; \"la de 2º\""));
        QCOMPARE(contents.records.at(1).when, record(15, {}, 0).when);
        QCOMPARE(contents.records.at(1).total, 71);

        // A session with board misses adds them after the eight fields, and they read back.
        ScoreHistory::Record missed = record(16, QStringLiteral("Ana"), 72);
        missed.misses = {{QStringLiteral("hiato"), 2}, {QStringLiteral("aguda-con-tilde"), 1}};
        QCOMPARE(ScoreHistory::append(path, missed), ScoreHistory::AppendStatus::Ok);
        QVERIFY(fileBytes(path).endsWith(";2\xC2\xBA B;75;80;75;50;72;aguda-con-tilde=1 hiato=2\n"));
        QCOMPARE(ScoreHistory::read(path).records.value(2).misses, missed.misses);
    }

    void damagedLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("damaged");
        QTest::addRow("too few fields") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50") << 1;
        QTest::addRow("bad date") << QByteArray("14/03/2026;Ana;2B;75;80;75;50;70") << 1;
        QTest::addRow("no such day") << QByteArray("2026-02-30 09:05:00;Ana;2B;75;80;75;50;70") << 1;
        QTest::addRow("score over 100") << QByteArray("2026-03-14 09:05:00;Ana;2B;175;80;75;50;70") << 1;
        QTest::addRow("not a number") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;ochenta;75;50;70") << 1;
        QTest::addRow("cut quote") << QByteArray("2026-03-14 09:05:00;\"Ana;2B;75;80;75;50;70") << 1;
        QTest::addRow("scores of exactly 100 and 0") << QByteArray("2026-03-14 09:05:00;Ana;2B;100;0;100;0;50") << 0;
        QTest::addRow("misses by rule") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;hiato=2 aguda-con-tilde=1") << 0;
        QTest::addRow("misses of a rule not known yet") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;regla-nueva=3") << 0;
        QTest::addRow("empty misses field") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;") << 0;
        QTest::addRow("a miss without its count") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;hiato") << 1;
        QTest::addRow("no misses counted as some") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;hiato=0") << 1;
        QTest::addRow("a rule twice") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;hiato=1 hiato=2") << 1;
        QTest::addRow("a key that is no key") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;Hiato=1") << 1;
        QTest::addRow("ten fields") << QByteArray("2026-03-14 09:05:00;Ana;2B;75;80;75;50;70;hiato=1;x") << 1;
    }
    void damagedLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, damaged);
        const QByteArray good = ScoreHistory::line(record(14, QStringLiteral("Luis"), 60));
        const ScoreHistory::Contents contents =
            ScoreHistory::parse(ScoreHistory::header() + '\n' + good + '\n' + line + "\r\n" + good + '\n');
        QCOMPARE(contents.records.size(), 3 - damaged);
        QCOMPARE(contents.damaged, damaged);
    }

    // A history kept by hand in another encoding reads without garbled letters, and a new
    // session added to it reads back as well as the old ones.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        const QByteArray header = ScoreHistory::header();
        const auto utf16 = [&header](const QString &name) {
            const QString text = QString::fromLatin1(header) + u"\r\n2026-03-14 09:05:00;"_qs + name + u";2º B;75;80;75;50;70\r\n"_qs;
            return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        };
        QTest::addRow("Windows-1252") << header + "\r\n2026-03-14 09:05:00;Jos\xE9 Pe\xF1" "a;2\xBA B;75;80;75;50;70\r\n"
                                      << "José Peña";
        QTest::addRow("UTF-8 with a byte-order mark")
            << "\xEF\xBB\xBF" + header + "\n2026-03-14 09:05:00;Jos\xC3\xA9 Pe\xC3\xB1" "a;2\xC2\xBA B;75;80;75;50;70\n"
            << "José Peña";
        QTest::addRow("UTF-16 as Notepad saves it") << utf16(u"José Peña"_qs) << "José Peña";
        // Half of a UTF-16 pair has no UTF-8 form: read as the character it is written back as.
        QTest::addRow("UTF-16 with half a pair") << utf16(u"Ana "_qs + QChar(0xDA50)) << u"Ana \uFFFD"_qs;
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        writeFile(path, bytes);
        QCOMPARE(ScoreHistory::read(path).records.value(0).name, name);
        QCOMPARE(ScoreHistory::append(path, record(15, QStringLiteral("Íñigo"), 71)), ScoreHistory::AppendStatus::Ok);
        const ScoreHistory::Contents contents = ScoreHistory::read(path);
        QCOMPARE(contents.damaged, 0);
        QCOMPARE(contents.records.size(), 2);
        QCOMPARE(contents.records.at(0).name, name);
        QCOMPARE(contents.records.at(0).group, QStringLiteral("2º B"));
        QCOMPARE(contents.records.at(1).name, QStringLiteral("Íñigo"));
    }

    // Saving and then sending the same results is one session, not two.
    void sameFiguresAreRecordedOnce_data()
    {
        QTest::addColumn<ScoreHistory::Record>("next");
        QTest::addColumn<ScoreHistory::AppendStatus>("status");
        QTest::addRow("same figures a day later") << record(15, QStringLiteral("Ana"), 70) << ScoreHistory::AppendStatus::AlreadyRecorded;
        QTest::addRow("another average") << record(14, QStringLiteral("Ana"), 71) << ScoreHistory::AppendStatus::Ok;
        QTest::addRow("another student") << record(14, QStringLiteral("Luis"), 70) << ScoreHistory::AppendStatus::Ok;
        ScoreHistory::Record missed = record(15, QStringLiteral("Ana"), 70);
        missed.misses.insert(QStringLiteral("hiato"), 1);
        QTest::addRow("same figures with new board misses") << missed << ScoreHistory::AppendStatus::Ok;
    }
    void sameFiguresAreRecordedOnce()
    {
        QFETCH(ScoreHistory::Record, next);
        QFETCH(ScoreHistory::AppendStatus, status);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        QCOMPARE(ScoreHistory::append(path, record(14, QStringLiteral("Ana"), 70)), ScoreHistory::AppendStatus::Ok);
        QCOMPARE(ScoreHistory::append(path, next), status);
        QCOMPARE(ScoreHistory::read(path).records.size(), status == ScoreHistory::AppendStatus::Ok ? 2 : 1);
    }

    // A history that is not what it seems is neither read nor written, and says why.
    void refusedHistories_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ScoreHistory::Problem>("problem");
        QTest::addColumn<QString>("reason");
        QTest::addRow("link to another file") << "link" << ScoreHistory::Problem::Link << "es un enlace a otro archivo";
        QTest::addRow("link to no file yet") << "dangling link" << ScoreHistory::Problem::Link << "es un enlace a otro archivo";
        QTest::addRow("first line not the header") << "no header" << ScoreHistory::Problem::NotAHistory
                                                   << "no es un historial de Tildora";
        QTest::addRow("oversized") << "oversized" << ScoreHistory::Problem::TooLarge << "un historial no puede pasar de";
        QTest::addRow("a folder") << "folder" << ScoreHistory::Problem::NotAFile << "no es un archivo";
    }
    void refusedHistories()
    {
        QFETCH(QString, kind);
        QFETCH(ScoreHistory::Problem, problem);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        const QString other = folder.filePath(QStringLiteral("notas.csv"));
        const QByteArray otherBytes = "nombre;nota\nAna;7\n";
        if (kind == QLatin1String("link")) {
            writeFile(other, otherBytes);
            QVERIFY(QFile::link(other, path));
        } else if (kind == QLatin1String("dangling link")) {
            QVERIFY(QFile::link(other, path));
        } else if (kind == QLatin1String("no header")) {
            writeFile(path, otherBytes);
        } else if (kind == QLatin1String("oversized")) {
            writeFile(path, ScoreHistory::header() + '\n' + QByteArray(ScoreHistory::maxBytes, '\n'));
        } else {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("historial.csv")));
        }
        const QByteArray before = fileBytes(path);

        const ScoreHistory::Contents contents = ScoreHistory::read(path);
        QCOMPARE(contents.problem, problem);
        QVERIFY(contents.records.isEmpty());
        QVERIFY2(ScoreHistory::problemText(problem, path).contains(reason), qPrintable(ScoreHistory::problemText(problem, path)));
        QVERIFY(ScoreHistory::problemText(problem, path).contains(path));

        ScoreHistory::Problem why = ScoreHistory::Problem::None;
        QCOMPARE(ScoreHistory::append(path, record(14, QStringLiteral("Ana"), 70), &why), ScoreHistory::AppendStatus::Refused);
        QCOMPARE(why, problem);
        QCOMPARE(fileBytes(path), before);
        // Nothing lands where a link points.
        if (kind == QLatin1String("link"))
            QCOMPARE(fileBytes(other), otherBytes);
        if (kind == QLatin1String("dangling link"))
            QVERIFY(!QFileInfo::exists(other));
    }

    void appendAfterDamagedLineKeepsIt()
    {
        // The student's file is never "repaired" by dropping what cannot be read.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        const QByteArray old = ScoreHistory::header() + "\nbasura sin final";
        writeFile(path, old);
        QCOMPARE(ScoreHistory::append(path, record(14, QStringLiteral("Ana"), 70)), ScoreHistory::AppendStatus::Ok);
        QVERIFY(fileBytes(path).startsWith(old + '\n'));
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
        const QByteArray before = fileBytes(path);
        QVERIFY(disk.fill());

        QCOMPARE(ScoreHistory::append(path, record(4, QStringLiteral("Ana"), 64)), ScoreHistory::AppendStatus::CannotWrite);
        QCOMPARE(fileBytes(path), before);
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
