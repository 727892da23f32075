// The questions' judgement without widgets: each blank's rule, the counts per group, the
// percentages and the hints for wrong answers.
#include "exercises/QuestionsExercise.h"
#include "exercises/RunCounts.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A right answer for every blank, as a student would write it.
const QStringList allRight = {
    u"porqué"_s, u"por qué"_s, u"porque"_s, u"Por qué"_s, u"por que"_s, u"porque"_s, u"porqué"_s,
    u"sino"_s, u"si no"_s, u"sino"_s, u"Si no"_s, u"si no"_s, u"si no"_s,
    u"aun"_s, u"aun"_s, u"aun"_s, u"Aún"_s, u"aún"_s,
    u"echo"_s, u"hecho"_s, u"echo"_s, u"Hecho"_s, u"hecho"_s,
    u"a"_s, u"ha"_s, u"a"_s, u"ha"_s, u"a"_s, u"a"_s,
    u"haberlo"_s, u"A ver"_s, u"haber"_s, u"a ver"_s, u"haber"_s,
};

} // namespace

class TestQuestionsExercise : public QObject {
    Q_OBJECT

private slots:
    void blankRules_data()
    {
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        QTest::addRow("1a porqué") << 1 << u"porqué"_s << true;
        QTest::addRow("1a porque: accents count") << 1 << u"porque"_s << false;
        QTest::addRow("1a porqué typed with a combining accent") << 1 << u"porque\u0301"_s << true;
        QTest::addRow("1d Por qué") << 4 << u"Por qué"_s << true;
        QTest::addRow("1d porqué") << 4 << u"porqué"_s << false;
        QTest::addRow("1e por que") << 5 << u"por que"_s << true;
        QTest::addRow("1g el porqué") << 7 << u"porqué"_s << true;
        QTest::addRow("1g por qué") << 7 << u"por qué"_s << false;
        QTest::addRow("2a si no for sino") << 8 << u"si no"_s << false;
        QTest::addRow("2b sino for si no") << 9 << u"sino"_s << false;
        QTest::addRow("2d Si no") << 11 << u"Si no"_s << true;
        QTest::addRow("3a ni aun así") << 14 << u"aun"_s << true;
        QTest::addRow("3a aún, accepted before") << 14 << u"aún"_s << false;
        QTest::addRow("3b aun") << 15 << u"aun"_s << true;
        QTest::addRow("3b aún") << 15 << u"aún"_s << false;
        QTest::addRow("3d Aún") << 17 << u"Aún"_s << true;
        QTest::addRow("4a echo") << 19 << u"echo"_s << true;
        QTest::addRow("4a hecho") << 19 << u"hecho"_s << false;
        QTest::addRow("4c echo") << 21 << u"echo"_s << true;
        QTest::addRow("4c hecho") << 21 << u"hecho"_s << false;
        QTest::addRow("4d Hecho") << 22 << u"Hecho"_s << true;
        QTest::addRow("4d hecho") << 22 << u"hecho"_s << true;
        QTest::addRow("4d echo") << 22 << u"echo"_s << false;
        QTest::addRow("5a a") << 24 << u"a"_s << true;
        QTest::addRow("5a leading space") << 24 << u" a"_s << false;
        QTest::addRow("5a capital A") << 24 << u"A"_s << false;
        QTest::addRow("5a trailing space") << 24 << u"a "_s << false;
        QTest::addRow("5b ha") << 25 << u"ha"_s << true;
        QTest::addRow("5e second blank a") << 29 << u"a"_s << true;
        QTest::addRow("6a de haberlo sabido") << 30 << u"haberlo"_s << true;
        QTest::addRow("6a de haber sabido") << 30 << u"haber"_s << true;
        QTest::addRow("6a a ver") << 30 << u"a ver"_s << false;
        QTest::addRow("6b A ver") << 31 << u"A ver"_s << true;
        QTest::addRow("6b a ver, as the chooser offers it") << 31 << u"a ver"_s << true;
        QTest::addRow("6b aver, accepted before") << 31 << u"aver"_s << false;
        QTest::addRow("6b ver, accepted before") << 31 << u"ver"_s << false;
        QTest::addRow("6b haber") << 31 << u"haber"_s << false;
        QTest::addRow("6d a ver") << 33 << u"a ver"_s << true;
        QTest::addRow("6d aver, accepted before") << 33 << u"aver"_s << false;
        QTest::addRow("6d ver, accepted before") << 33 << u"ver"_s << false;
        QTest::addRow("6d A ver mid-sentence") << 33 << u"A ver"_s << false;
        QTest::addRow("empty blank") << 2 << QString() << false;
    }
    void blankRules()
    {
        QFETCH(int, blank);
        QFETCH(QString, answer);
        QFETCH(bool, right);
        QCOMPARE(QuestionsExercise::ruleFor(blank).accepts(answer), right);
        QStringList answers = allRight;
        answers[blank - 1] = answer;
        QCOMPARE(QuestionsExercise::judge(answers).right[blank - 1], right);
    }

    void allRightCountsEveryGroup()
    {
        RunCounts scores;
        const QuestionsExercise::Judgement judgement = QuestionsExercise::judge(allRight);
        QCOMPARE(judgement.hits, (std::array<int, 6>{7, 6, 5, 5, 6, 5}));
        QCOMPARE(judgement.total(), 34);
        QuestionsExercise::storeHits(judgement, scores);
        QCOMPARE(scores.porqueHits, 7);
        QCOMPARE(scores.sinoHits, 6);
        QCOMPARE(scores.aunHits, 5);
        QCOMPARE(scores.hechoHits, 5);
        QCOMPARE(scores.haHits, 6);
        QCOMPARE(scores.haberHits, 5);
        QCOMPARE(scores.questionsPercent, 100.0L);
        QCOMPARE(QuestionsExercise::roundedPercentText(scores.questionsPercent), u"100"_s);
        QCOMPARE(QuestionsExercise::totalPercentText(scores.questionsPercent), u"100"_s);
    }

    // One wrong answer lowers exactly its own group: the group boundaries are right.
    void oneWrongAnswerLowersItsGroup_data()
    {
        QTest::addColumn<int>("blank");
        QTest::addColumn<int>("group");
        for (const auto &[blank, group] : {std::pair{1, 0}, {7, 0}, {8, 1}, {13, 1}, {14, 2}, {18, 2},
                                           {19, 3}, {23, 3}, {24, 4}, {29, 4}, {30, 5}, {34, 5}})
            QTest::addRow("blank %d", blank) << blank << group;
    }
    void oneWrongAnswerLowersItsGroup()
    {
        QFETCH(int, blank);
        QFETCH(int, group);
        QStringList answers = allRight;
        answers[blank - 1].clear();
        const QuestionsExercise::Judgement judgement = QuestionsExercise::judge(answers);
        std::array<int, 6> expected{7, 6, 5, 5, 6, 5};
        --expected[group];
        QCOMPARE(judgement.hits, expected);
        QCOMPARE(QuestionsExercise::groupOf(blank), group);
    }

    void nothingAnswered()
    {
        RunCounts scores;
        scores.aunHits = 3;
        QuestionsExercise::storeHits(QuestionsExercise::judge({}), scores);
        QCOMPARE(scores.aunHits, 0);
        QCOMPARE(scores.questionsPercent, 0.0L);
        QCOMPARE(QuestionsExercise::totalPercentText(scores.questionsPercent), QString());
        QCOMPARE(QuestionsExercise::roundedPercentText(scores.questionsPercent), u"0"_s);
    }

    void percentTexts_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QString>("expected");
        QTest::addRow("none") << 0 << 0 << QString();
        QTest::addRow("1 of 7") << 0 << 1 << u"14,3"_s;
        QTest::addRow("5 of 6") << 1 << 5 << u"83,3"_s;
        QTest::addRow("4 of 5") << 5 << 4 << u"80"_s;
    }
    void percentTexts()
    {
        QFETCH(int, group);
        QFETCH(int, hits);
        QFETCH(QString, expected);
        QCOMPARE(QuestionsExercise::groupPercentText(group, hits, QLocale(u"es"_s)), expected);
    }

    void totalPercent_data()
    {
        QTest::addColumn<int>("hits");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("rounded");
        QTest::addRow("1 of 34") << 1 << u"2,9"_s << u"3"_s;
        QTest::addRow("33 of 34") << 33 << u"97,1"_s << u"97"_s;
    }
    void totalPercent()
    {
        QFETCH(int, hits);
        QFETCH(QString, shown);
        QFETCH(QString, rounded);
        RunCounts scores;
        scores.haHits = hits;
        const long double percent = QuestionsExercise::percent(scores);
        QCOMPARE(QuestionsExercise::totalPercentText(percent, QLocale(u"es"_s)), shown);
        QCOMPARE(QuestionsExercise::roundedPercentText(percent), rounded);
    }

    // Each group has its own one-line hint, naming the group's words.
    void hints()
    {
        const QStringList words[] = {{u"\"porqué\""_s, u"\"por que\""_s}, {u"\"sino\""_s, u"\"si no\""_s},
                                     {u"\"aún\""_s, u"\"aun\""_s}, {u"\"hecho\""_s, u"\"echo\""_s},
                                     {u"\"ha\""_s, u"\"a\""_s}, {u"\"haber\""_s, u"\"a ver\""_s}};
        for (int group = 0; group < 6; ++group) {
            const QString hint = QuestionsExercise::groupHint(group);
            QVERIFY(!hint.contains(u'\n'));
            for (const QString &word : words[group])
                QVERIFY2(hint.contains(word), qPrintable(hint));
        }
    }
};

QTEST_APPLESS_MAIN(TestQuestionsExercise)
#include "tst_questionsexercise.moc"
