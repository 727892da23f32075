// The score object: captions in their number formats, the strip's reading with its lag, and
// the change signals the views follow.
#include "exercises/ExerciseScores.h"
#include "exercises/MissRule.h"
#include "exercises/QuestionsExercise.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestExerciseScores : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void captions_data()
    {
        QTest::addColumn<int>("boardHits");
        QTest::addColumn<int>("boardMisses");
        QTest::addColumn<double>("phrases");
        QTest::addColumn<double>("questions");
        QTest::addColumn<QStringList>("captions");
        QTest::addRow("two hits one miss") << 2 << 1 << 200.0 / 3 << 100.0 / 34 << QStringList{u"66,7"_s, u"0"_s, u"66,67"_s, u"3"_s};
        QTest::addRow("whole figures") << 1 << 1 << 70.0 << 50.0 << QStringList{u"50"_s, u"0"_s, u"70"_s, u"50"_s};
        QTest::addRow("nothing yet") << 0 << 0 << 0.0 << 0.0 << QStringList{u"0"_s, u"0"_s, QString(), u"0"_s};
        QTest::addRow("misses only") << 0 << 3 << 0.0 << 0.0 << QStringList{u"0"_s, u"0"_s, QString(), u"0"_s};
        QTest::addRow("half to even") << 40 << 0 << 0.0 << 250.0 / 100 << QStringList{u"100"_s, u"0"_s, QString(), u"2"_s};
    }
    void captions()
    {
        QFETCH(int, boardHits);
        QFETCH(int, boardMisses);
        QFETCH(double, phrases);
        QFETCH(double, questions);
        QFETCH(QStringList, captions);
        ExerciseScores scores;
        scores.setBoard(boardHits, boardMisses);
        scores.setPhrases(phrases);
        scores.setQuestions(questions);
        QCOMPARE((QStringList{scores.boardCaption(), scores.examplesCaption(), scores.phrasesCaption(),
                              scores.questionsCaption()}),
                 captions);
    }

    void aNewBoardReadsZero()
    {
        ExerciseScores scores;
        scores.setBoard(3, 1);
        scores.resetBoard();
        QCOMPARE(scores.boardCaption(), u"0"_s);
    }

    // The strip takes the captions only when read: before that it keeps the design value,
    // and the summary and the results file print what the strip last read.
    void theStripLagsUntilItsReading()
    {
        ExerciseScores scores;
        QSignalSpy strip(&scores, &ExerciseScores::stripChanged);
        scores.setBoard(2, 1);
        scores.setExamples(80);
        scores.setQuestions(50);
        QCOMPARE(scores.strip().board, ExerciseScores::designProgress);
        QCOMPARE(scores.strip().total, ExerciseScores::designProgress);
        const ResultsSummary::StripFigures read = scores.takeStripReading();
        QCOMPARE((QList<int>{read.board, read.examples, read.phrases, read.questions, read.total}),
                 (QList<int>{66, 80, 0, 50, 49}));
        QCOMPARE(scores.strip().total, 49);
        QCOMPARE(strip.count(), 1);
        // An unchanged reading signals nothing, so the views repaint nothing.
        scores.takeStripReading();
        QCOMPARE(strip.count(), 1);
    }

    // The strip reads each percentage as the whole number its caption begins with, keeps a
    // figure that would read negative, and averages the four with halves to the even neighbour.
    void stripReading_data()
    {
        QTest::addColumn<int>("boardHits");
        QTest::addColumn<int>("boardMisses");
        QTest::addColumn<int>("examples");
        QTest::addColumn<double>("phrases");
        QTest::addColumn<double>("questions");
        QTest::addColumn<QList<int>>("expected");
        QTest::addRow("example") << 3 << 1 << 80 << 75.0 << 50.0 << QList<int>{75, 80, 75, 50, 70};
        QTest::addRow("decimals are cut") << 999 << 1 << 0 << 200.0 / 3 << 0.0 << QList<int>{99, 0, 66, 0, 41};
        QTest::addRow("rounded up before the cut") << 2499 << 1 << 0 << 99.996 << 0.0 << QList<int>{100, 0, 100, 0, 50};
        QTest::addRow("nothing yet") << 0 << 0 << 0 << 0.0 << 0.0 << QList<int>{0, 0, 0, 0, 0};
        QTest::addRow("37.5 to even 38") << 1 << 0 << 50 << 0.0 << 0.0 << QList<int>{100, 50, 0, 0, 38};
        QTest::addRow("12.5 to even 12") << 1 << 1 << 0 << 0.0 << 0.0 << QList<int>{50, 0, 0, 0, 12};
        QTest::addRow("62.5 to 62") << 1 << 0 << 50 << 0.0 << 100.0 << QList<int>{100, 50, 0, 100, 62};
        QTest::addRow("63.5 to 64") << 1 << 0 << 54 << 0.0 << 100.0 << QList<int>{100, 54, 0, 100, 64};
        // The earlier reading (7 each) stays for a figure that would read negative.
        QTest::addRow("negative keeps the earlier figure") << 1 << 4 << -3 << -2.5 << -0.4 << QList<int>{20, 7, 7, 0, 8};
    }
    void stripReading()
    {
        QFETCH(int, boardHits);
        QFETCH(int, boardMisses);
        QFETCH(int, examples);
        QFETCH(double, phrases);
        QFETCH(double, questions);
        QFETCH(QList<int>, expected);
        ExerciseScores scores;
        scores.setBoard(7, 93);
        scores.setExamples(7);
        scores.setPhrases(7);
        scores.setQuestions(7);
        scores.takeStripReading();
        scores.setBoard(boardHits, boardMisses);
        scores.setExamples(examples);
        scores.setPhrases(phrases);
        scores.setQuestions(questions);
        const ResultsSummary::StripFigures f = scores.takeStripReading();
        QCOMPARE((QList<int>{f.board, f.examples, f.phrases, f.questions, f.total}), expected);
    }

    void resultsFiguresComeFromTheRun()
    {
        ExerciseScores scores;
        scores.setStudentName(u"Luis"_s);
        RunCounts &counts = scores.counts();
        counts.boardHits = 3;
        counts.boardMisses = 4;
        counts.exampleHits = 5;
        counts.exampleAttempts = 6;
        counts.phraseHits = 1;
        counts.phraseTotal = 2;
        scores.setExamples(2);
        scores.takeStripReading();
        QCOMPARE(ResultsSummary::fileLines(scores.resultsFigures()).mid(2, 6),
                 (QStringList{u"Luis de "_s, QString(46, u'_'), u"Tablero: 3 aciertos y 4 fallos = 0 %"_s,
                              u"Ejemplos: 5 aciertos de 6 = 2 %"_s, u"Frases: 1/2 = 0 %"_s, u"Cuestiones: 0 %"_s}));
    }

    void aCheckReplacesItsExercisesMissesOnly()
    {
        using SessionDetail::Exercise;
        const auto miss = [](Exercise exercise, const char *word) {
            return SessionDetail::Miss{exercise, QString(), QString(), QString::fromUtf8(word), QStringLiteral("hiato"), {}, {}};
        };
        ExerciseScores scores;
        scores.addMiss(miss(Exercise::Board, "país"));
        scores.replaceMisses(Exercise::Phrases, {miss(Exercise::Phrases, "río"), miss(Exercise::Phrases, "baúl")});
        scores.addMiss(miss(Exercise::Board, "raíz"));
        scores.replaceMisses(Exercise::Phrases, {miss(Exercise::Phrases, "oído")});
        scores.setStudentName(QStringLiteral("Ana"));
        const SessionDetail::Detail detail = scores.detail(QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        QCOMPARE(detail.misses, (QList<SessionDetail::Miss>{miss(Exercise::Board, "país"), miss(Exercise::Board, "raíz"),
                                                             miss(Exercise::Phrases, "oído")}));
        QCOMPARE(detail.scores.name, QStringLiteral("Ana"));
        QCOMPARE(detail.scores.total, ExerciseScores::designProgress);
    }

    // Each exercise keeps its first misses up to the cap, whatever the others keep, and a run
    // with every exercise at the cap, each miss as long as a miss gets, still writes a detail
    // file its readers take.
    void missesKeptUpToTheCap_data()
    {
        QTest::addColumn<QList<int>>("made");
        QTest::addColumn<QList<int>>("kept");
        const int cap = ExerciseScores::missesKept;
        QTest::addRow("a few") << QList<int>{3, 0, 2, 1} << QList<int>{3, 0, 2, 1};
        QTest::addRow("the board clicked past the cap") << QList<int>{cap + 50, 1, 0, 0} << QList<int>{cap, 1, 0, 0};
        QTest::addRow("every exercise past it") << QList<int>{cap + 1, cap + 2, 5000, cap} << QList<int>{cap, cap, cap, cap};
    }
    void missesKeptUpToTheCap()
    {
        QFETCH(QList<int>, made);
        QFETCH(QList<int>, kept);
        // The longest texts a miss keeps: a typed text cut at its limit, the longest rule name
        // and explanation the program writes.
        const QString longest = MissRule::kept(QString(1000, u'ñ'));
        const QString explanation = QuestionsExercise::groupHint(0) + QuestionsExercise::groupHint(0);
        ExerciseScores scores;
        for (int exercise = 0; exercise < 4; ++exercise) {
            const auto which = SessionDetail::Exercise(exercise);
            for (int n = 0; n < made[exercise]; ++n)
                scores.addMiss(MissRule::withRule(which, longest, longest, longest, u"llana-con-tilde"_s, explanation));
        }
        QList<int> counted(4, 0);
        for (const SessionDetail::Miss &miss : scores.misses())
            ++counted[int(miss.exercise)];
        QCOMPARE(counted, kept);
        for (int exercise = 0; exercise < 4; ++exercise)
            QCOMPARE(scores.missRoom(SessionDetail::Exercise(exercise)), ExerciseScores::missesKept - kept[exercise]);
        const QByteArray file = SessionDetail::toJson(scores.detail(QDateTime(QDate(2026, 12, 8), QTime(10, 0))));
        QVERIFY2(file.size() <= SessionDetail::maxBytes, QByteArray::number(file.size()));
        QCOMPARE(SessionDetail::parse(file, u"result.json"_s).detail.misses, scores.misses());
    }

    void changesAreSignalledOncePerNewCaption()
    {
        ExerciseScores scores;
        QSignalSpy changed(&scores, &ExerciseScores::changed);
        scores.setExamples(0); // "0" already
        QCOMPARE(changed.count(), 0);
        scores.setExamples(75);
        scores.setExamples(75);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<ExerciseScores::Exercise>(), ExerciseScores::Examples);
        scores.setQuestions(50.4);
        QCOMPARE(changed.count(), 2);
        scores.setQuestions(49.6); // still rounds to 50
        QCOMPARE(changed.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TestExerciseScores)
#include "tst_exercisescores.moc"
