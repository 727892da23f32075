// The detail file: what is written reads back the same, and a file that cannot be taken is
// named and never stops the results from counting.
#include "results/MissRules.h"
#include "results/SessionDetail.h"

#include <QTemporaryDir>
#include <QTest>

using SessionDetail::Exercise;
using SessionDetail::Miss;
using SessionDetail::Reading;

namespace {

Miss miss(Exercise exercise, const QString &right, const QString &rule)
{
    return {exercise, right.toLower(), QStringLiteral("x"), right, rule, MissRules::name(rule), QString()};
}

SessionDetail::Detail session()
{
    SessionDetail::Detail detail;
    detail.scores = {{93, 80, 75, 50, 75}, QStringLiteral("Ana Núñez"), QStringLiteral("3º B")};
    detail.when = QDateTime(QDate(2026, 12, 8), QTime(10, 15));
    detail.misses = {miss(Exercise::Board, QStringLiteral("país"), QStringLiteral("hiato")),
                     miss(Exercise::Examples, QStringLiteral("grupo de los hiatos"), QStringLiteral("grupo-hiato")),
                     miss(Exercise::Phrases, QStringLiteral("Camión"), QStringLiteral("aguda-n")),
                     miss(Exercise::Questions, QStringLiteral("por qué"), QStringLiteral("porque")),
                     miss(Exercise::Board, QStringLiteral("río"), QStringLiteral("hiato"))};
    detail.misses[1].explanation = QStringLiteral("«río» tiene un hiato: í-o.");
    return detail;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSessionDetail : public QObject {
    Q_OBJECT

private slots:
    void readsBackWhatItWrites()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("result.json"));
        write(path, SessionDetail::toJson(session()));
        const Reading reading = SessionDetail::read(path);
        QCOMPARE(reading.status, Reading::Ok);
        QCOMPARE(reading.problem, QString());
        QCOMPARE(reading.detail.misses, session().misses);
        QCOMPARE(reading.detail.scores.name, session().scores.name);
        QCOMPARE(static_cast<const ResultsSummary::StripFigures &>(reading.detail.scores),
                 static_cast<const ResultsSummary::StripFigures &>(session().scores));
        QCOMPARE(reading.detail.when, session().when);
    }

    void refusesWhatItCannotTake_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("saying");
        const QByteArray whole = SessionDetail::toJson(session());
        QByteArray later = whole;
        later.replace("\"version\": 1", "\"version\": 2");
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 131) % 256);
        QByteArray oneWithoutRule = whole;
        oneWithoutRule.replace("\"regla\": \"porque\"", "\"regla\": \"\"");
        QTest::addRow("truncated") << whole.left(whole.size() / 2) << int(Reading::Damaged) << "dañado";
        QTest::addRow("binary") << binary << int(Reading::Damaged) << "dañado";
        QTest::addRow("empty") << QByteArray() << int(Reading::Damaged) << "dañado";
        QTest::addRow("another program's JSON") << QByteArray(R"({"version": 1, "fallos": []})") << int(Reading::Damaged)
                                                << "no es un detalle";
        QTest::addRow("later version") << later << int(Reading::LaterVersion) << "versión posterior";
        QTest::addRow("a miss without its rule") << oneWithoutRule << int(Reading::Ok) << "1 fallos sin ejercicio";
    }
    void refusesWhatItCannotTake()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, saying);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("ana.json"));
        write(path, bytes);
        const Reading reading = SessionDetail::read(path);
        QCOMPARE(int(reading.status), status);
        QVERIFY2(reading.problem.contains(saying) && reading.problem.contains(QStringLiteral("ana.json")),
                 qPrintable(reading.problem));
        QCOMPARE(reading.detail.misses.size(), status == Reading::Ok ? session().misses.size() - 1 : 0);
    }

    void refusesUnreadFilesItCannotBe()
    {
        QTemporaryDir folder;
        QCOMPARE(SessionDetail::read(folder.filePath(QStringLiteral("nadie.json"))).status, Reading::Missing);
        QCOMPARE(SessionDetail::read(folder.path()).status, Reading::Unreadable);
        // A hundred megabytes, sparse: refused by its size before a byte is read.
        const QString huge = folder.filePath(QStringLiteral("grande.json"));
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(100 * 1024 * 1024));
        file.close();
        const Reading reading = SessionDetail::read(huge);
        QCOMPARE(reading.status, Reading::TooLarge);
        QVERIFY(reading.problem.contains(QStringLiteral("grande.json")));
    }

    void countsByRuleMostMissedFirst()
    {
        const QList<SessionDetail::RuleCount> counts = SessionDetail::byRule(session().misses);
        QCOMPARE(counts.size(), 4);
        QCOMPARE(counts.at(0), (SessionDetail::RuleCount{QStringLiteral("hiato"), MissRules::name(u"hiato"), 2}));
        // Ties follow the rules' own order: the accent rules, the groups, the pairs.
        QCOMPARE(counts.at(1).rule, QStringLiteral("aguda-n"));
        QCOMPARE(counts.at(2).rule, QStringLiteral("grupo-hiato"));
        QCOMPARE(counts.at(3).rule, QStringLiteral("porque"));
    }

    void liesBesideItsResultsFile_data()
    {
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("detail");
        QTest::addRow("home") << "/home/ana/result.txt" << "/home/ana/result.json";
        QTest::addRow("capital suffix") << "clase/ana.TXT" << "clase/ana.json";
        QTest::addRow("dots in the name") << "clase/ana.m.txt" << "clase/ana.m.json";
        QTest::addRow("bare name") << "result.txt" << "result.json";
    }
    void liesBesideItsResultsFile()
    {
        QFETCH(QString, results);
        QFETCH(QString, detail);
        QCOMPARE(SessionDetail::pathBeside(results), detail);
    }
};

QTEST_GUILESS_MAIN(TestSessionDetail)
#include "tst_sessiondetail.moc"
