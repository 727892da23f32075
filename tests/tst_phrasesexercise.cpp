// The phrase exercise without its page: the accent-free copy, the line-by-line judgement and
// the run's totals and captions.
#include "exercises/PhrasesExercise.h"
#include "exercises/RunCounts.h"

#include <QTest>

using namespace Qt::StringLiterals;

using V = PhrasesExercise::Verdict;
using Verdicts = QList<V>;

class TestPhrasesExercise : public QObject {
    Q_OBJECT

private slots:
    void stripAccents_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("the ten vowels") << u"áéíóú ÁÉÍÓÚ"_s << u"aeiou AEIOU"_s;
        QTest::addRow("ü and ñ stay") << u"Pingüino, año, CIGÜEÑA"_s << u"Pingüino, año, CIGÜEÑA"_s;
        QTest::addRow("other marks stay") << u"à è ô ç Ý ý ÿ"_s << u"à è ô ç Ý ý ÿ"_s;
        QTest::addRow("a phrase") << u"¿Él también vendrá? ¡Qué alegría!"_s << u"¿El tambien vendra? ¡Que alegria!"_s;
        QTest::addRow("empty") << QString() << QString();
    }
    void stripAccents()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString stripped = PhrasesExercise::StripAccents(text);
        QCOMPARE(stripped, expected);
        QCOMPARE(stripped.size(), text.size());
    }

    void studentCopyIsTheReferenceWithoutAccents()
    {
        RunCounts scores;
        PhrasesExercise exercise(scores);
        exercise.open({u"Él está aquí."_s, QString(), u"Sin tildes."_s});
        QCOMPARE(exercise.studentCopy(), u"El esta aqui.\n\nSin tildes."_s);
    }

    void judgement_data()
    {
        QTest::addColumn<QStringList>("reference");
        QTest::addColumn<QStringList>("student");
        QTest::addColumn<Verdicts>("verdicts");
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("counted");
        const QStringList two = {u"Él tomó té."_s, u"Mi canción."_s};
        QTest::addRow("all accents restored") << two << two << Verdicts{V::Right, V::Right} << 2 << 2;
        QTest::addRow("one of two accents") << two << QStringList{u"Él tomo té."_s, u"Mi canción."_s}
            << Verdicts{V::Wrong, V::Right} << 1 << 2;
        QTest::addRow("a capital changed") << two << QStringList{u"él tomó té."_s, u"Mi canción."_s}
            << Verdicts{V::Wrong, V::Right} << 1 << 2;
        QTest::addRow("a space added") << two << QStringList{u"Él tomó té. "_s, u"Mi canción."_s}
            << Verdicts{V::Wrong, V::Right} << 1 << 2;
        QTest::addRow("punctuation lost") << two << QStringList{u"Él tomó té"_s, u"Mi canción."_s}
            << Verdicts{V::Wrong, V::Right} << 1 << 2;
        // Lines with nothing to put back earn nothing, left as they are or spoiled.
        QTest::addRow("no accents, untouched") << QStringList{u"Hola"_s, u"El pingüino."_s}
            << QStringList{u"Hola"_s, u"El pingüino."_s} << Verdicts{V::NotCounted, V::NotCounted} << 0 << 0;
        QTest::addRow("no accents, an accent added") << QStringList{u"Dele las gracias."_s, u"Sí"_s}
            << QStringList{u"Déle las gracias."_s, u"Sí"_s} << Verdicts{V::Wrong, V::Right} << 1 << 1;
        QTest::addRow("blank lines are not counted") << QStringList{QString(), u"Sí"_s, QString()}
            << QStringList{QString(), u"Si"_s, QString()} << Verdicts{V::NotCounted, V::Wrong, V::NotCounted} << 0 << 1;
        QTest::addRow("an extra line break shifts the rest")
            << QStringList{u"Sí"_s, u"Tú"_s, u"Él"_s} << QStringList{u"Sí"_s, QString(), u"Tú"_s, u"Él"_s}
            << Verdicts{V::Right, V::Wrong, V::Wrong, V::Wrong} << 1 << 3;
        QTest::addRow("missing lines are empty") << QStringList{u"Sí"_s, QString(), u"Él"_s}
            << QStringList{u"Sí"_s} << Verdicts{V::Right, V::NotCounted, V::Wrong} << 1 << 2;
        QTest::addRow("lines added beyond the file are wrong") << QStringList{u"Sí"_s}
            << QStringList{u"Sí"_s, u"Sí"_s} << Verdicts{V::Right, V::Wrong} << 1 << 1;
        const QString longLine = QString(300, u'x') + u"ó"_s;
        QTest::addRow("a line past 255 characters, whole") << QStringList{longLine} << QStringList{longLine}
            << Verdicts{V::Right} << 1 << 1;
        QTest::addRow("a line past 255 characters, cut") << QStringList{longLine}
            << QStringList{longLine.left(255)} << Verdicts{V::Wrong} << 0 << 1;
    }
    void judgement()
    {
        QFETCH(QStringList, reference);
        QFETCH(QStringList, student);
        QFETCH(Verdicts, verdicts);
        QFETCH(int, hits);
        QFETCH(int, counted);
        RunCounts scores;
        scores.phraseHits = 1;
        scores.phraseTotal = 2;
        PhrasesExercise exercise(scores);
        exercise.open(reference);
        QCOMPARE(exercise.correct(student), PhrasesExercise::Outcome::Corrected);
        QCOMPARE(exercise.lineResults(), verdicts);
        QCOMPARE(scores.phraseHits, 1 + hits);
        QCOMPARE(exercise.countedLines(), counted);
        QCOMPARE(scores.phraseTotal, 2 + counted);
        QVERIFY(exercise.corrected());
    }

    // Files corrected one after another: the totals add up and the captions follow.
    void runningTotals_data()
    {
        QTest::addColumn<QList<int>>("rightPerFile");
        QTest::addColumn<QList<int>>("linesPerFile");
        QTest::addColumn<QStringList>("hitsCaptions");
        QTest::addColumn<QStringList>("percentCaptions");
        QTest::addRow("3/5 then 7/10") << QList<int>{3, 4} << QList<int>{5, 5}
            << QStringList{u"3/5"_s, u"7/10"_s} << QStringList{u"60"_s, u"70"_s};
        QTest::addRow("none right") << QList<int>{0} << QList<int>{4} << QStringList{u"0/4"_s} << QStringList{QString()};
        QTest::addRow("two of three") << QList<int>{2} << QList<int>{3} << QStringList{u"2/3"_s} << QStringList{u"66.67"_s};
        QTest::addRow("all right, then a cancelled opening") << QList<int>{2, 0} << QList<int>{2, 0}
            << QStringList{u"2/2"_s, u"2/2"_s} << QStringList{u"100"_s, u"100"_s};
    }
    void runningTotals()
    {
        QFETCH(QList<int>, rightPerFile);
        QFETCH(QList<int>, linesPerFile);
        QFETCH(QStringList, hitsCaptions);
        QFETCH(QStringList, percentCaptions);
        RunCounts scores;
        PhrasesExercise exercise(scores);
        for (int file = 0; file < rightPerFile.size(); ++file) {
            QStringList reference;
            QStringList student;
            for (int line = 0; line < linesPerFile[file]; ++line) {
                reference << u"Canción %1"_s.arg(line);
                student << (line < rightPerFile[file] ? reference.last() : u"Cancion"_s);
            }
            exercise.open(reference);
            QCOMPARE(exercise.correct(student), PhrasesExercise::Outcome::Corrected);
            QCOMPARE(PhrasesExercise::hitsCaption(scores), hitsCaptions[file]);
            const long double percent = PhrasesExercise::phrasePercent(scores);
            QCOMPARE(PhrasesExercise::percentCaption(percent, QLocale::c()), percentCaptions[file]);
        }
    }

    void percentCaptionUsesTheLocaleSeparator()
    {
        QCOMPARE(PhrasesExercise::percentCaption(200.0L / 3, QLocale(QLocale::Spanish, QLocale::Spain)), u"66,67"_s);
    }

    void secondCorrectionIgnoredUntilReopened()
    {
        RunCounts scores;
        PhrasesExercise exercise(scores);
        const QStringList file = {u"Sí"_s, u"Tú"_s};
        exercise.open(file);
        QCOMPARE(exercise.correct({u"Si"_s, u"Tú"_s}), PhrasesExercise::Outcome::Corrected);
        QCOMPARE(exercise.correct(file), PhrasesExercise::Outcome::Ignored);
        QCOMPARE(scores.phraseHits, 1);
        QCOMPARE(scores.phraseTotal, 2);
        // The same file opened again counts again.
        exercise.open(file);
        QVERIFY(!exercise.corrected());
        QCOMPARE(exercise.correct(file), PhrasesExercise::Outcome::Corrected);
        QCOMPARE(scores.phraseHits, 3);
        QCOMPARE(scores.phraseTotal, 4);
    }

    void nothingChangesBeforeAnyPhrase()
    {
        RunCounts scores;
        PhrasesExercise exercise(scores);
        exercise.open({});
        QCOMPARE(exercise.correct({u"lo que escribió"_s}), PhrasesExercise::Outcome::NothingYet);
        QVERIFY(!exercise.corrected());
        QCOMPARE(scores.phraseTotal, 0);
        QCOMPARE(scores.phraseHits, 0);
        QCOMPARE(PhrasesExercise::phrasePercent(scores), 0.0L);
    }

    void totalsStopAtTheLargestCount()
    {
        RunCounts scores;
        scores.phraseTotal = INT_MAX - 1;
        scores.phraseHits = INT_MAX - 1;
        PhrasesExercise exercise(scores);
        exercise.open({u"á"_s, u"é"_s});
        exercise.correct({u"á"_s, u"é"_s});
        QCOMPARE(scores.phraseTotal, INT_MAX);
        QCOMPARE(scores.phraseHits, INT_MAX);
    }
};

QTEST_APPLESS_MAIN(TestPhrasesExercise)
#include "tst_phrasesexercise.moc"
