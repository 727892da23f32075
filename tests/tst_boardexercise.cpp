// The board's judgement without widgets: accent variants, recount, misses and replacement
// words, the counters' scale, and the line store the words live in.
#include "spanish/AccentVariants.h"
#include "exercises/BoardExercise.h"
#include "exercises/ExerciseScores.h"
#include "shared/TextLines.h"

#include <QTest>

#include <climits>

class TestBoardExercise : public QObject {
    Q_OBJECT

private slots:
    void variants_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("accent moves left to right")
            << "conspiración"
            << QStringList{"conspiracion", "cónspiracion", "conspíracion", "conspirácion", "conspiracíon", "conspiración"};
        QTest::addRow("ü is never accented") << "pingüino" << QStringList{"pingüino", "píngüino", "pingüíno", "pingüinó"};
        QTest::addRow("y is no vowel") << "hoy" << QStringList{"hoy", "hóy"};
        QTest::addRow("capital accent kept") << "Árbol" << QStringList{"Árbol", "Árból"};
        QTest::addRow("A-Z lower-cased") << "CAMIÓN" << QStringList{"camiÓn", "cámiÓn", "camíÓn"};
        QTest::addRow("cut to 25") << QString(30, u'a') << [] {
            QStringList list{QString(25, u'a')};
            for (int i = 0; i < 25; ++i)
                list << QString(25, u'a').replace(i, 1, u'á');
            return list;
        }();
        QTest::addRow("empty word") << "" << QStringList{""};
    }
    void variants()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, expected);
        QCOMPARE(AccentVariants::variants(AccentVariants::caption(word)), expected);
    }

    void judgement_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("right");
        QTest::addRow("the accented variant") << "conspiración" << 5 << true;
        QTest::addRow("another variant") << "conspiración" << 4 << false;
        QTest::addRow("plain form of an accented word") << "conspiración" << 0 << false;
        QTest::addRow("word without accent, item 0") << "examen" << 0 << true;
        QTest::addRow("word without accent, accented") << "examen" << 1 << false;
        QTest::addRow("empty word, its one item") << "" << 0 << true;
    }
    void judgement()
    {
        QFETCH(QString, word);
        QFETCH(int, chosen);
        QFETCH(bool, right);
        const QString caption = AccentVariants::caption(word);
        QCOMPARE(AccentVariants::isRight(AccentVariants::variants(caption).at(chosen), caption), right);
    }

    void recount_data()
    {
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<bool>("complete");
        QTest::addRow("nothing yet") << 0 << 0 << "0" << false;
        QTest::addRow("2 hits, 1 miss") << 2 << 1 << "66,7" << false;
        QTest::addRow("1 hit, 1 miss") << 1 << 1 << "50" << false;
        QTest::addRow("only misses") << 0 << 3 << "0" << false;
        QTest::addRow("all forty") << 40 << 2 << "95,2" << true;
    }
    void recount()
    {
        QFETCH(int, hits);
        QFETCH(int, misses);
        QFETCH(QString, percent);
        QFETCH(bool, complete);
        ExerciseScores scores;
        BoardExercise board(scores.counts());
        board.start(QString());
        for (int i = 0; i < misses; ++i)
            board.countMiss();
        QList<bool> right(BoardExercise::boardSize, false);
        for (int n = 0; n < hits; ++n)
            right[(n * 7) % BoardExercise::boardSize] = true;
        QCOMPARE(board.recount(right), hits);
        QCOMPARE(scores.counts().boardHits, hits);
        // The percentage the window shows comes from the counts the board keeps.
        scores.setBoard(scores.counts().boardHits, scores.counts().boardMisses, QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(scores.boardCaption(), percent);
        QCOMPARE(board.complete(), complete);
    }

    // Blank lines at the end are no words: the replacements run out before them. Accents
    // typed as a letter and a combining mark come out composed.
    void loadTrimsTheEndAndComposesAccents()
    {
        RunCounts scores;
        BoardExercise board(scores);
        board.load(QStringLiteral("cami\u00f3n\nleo\u0301n\n\n \n"), QStringLiteral("t.txt"));
        QCOMPARE(board.wordCount(), 2);
        QCOMPARE(board.wordAt(2), QStringLiteral("león"));
        QCOMPARE(board.wordAt(4), QString());
    }

    void missesHandOutReplacementWords()
    {
        RunCounts scores;
        scores.boardHits = 5;
        scores.boardMisses = 9;
        BoardExercise board(scores);
        QString text;
        for (int line = 1; line <= 42; ++line)
            text += QStringLiteral("palabra%1\r\n").arg(line);
        board.start(text);
        QCOMPARE(scores.boardHits, 0);
        QCOMPARE(scores.boardMisses, 0);
        QCOMPARE(scores.nextWordLine, 40);
        QCOMPARE(board.wordAt(1), QStringLiteral("palabra1"));
        QCOMPARE(board.wordAt(40), QStringLiteral("palabra40"));
        QCOMPARE(board.countMiss(), QStringLiteral("palabra41"));
        QCOMPARE(board.countMiss(), QStringLiteral("palabra42"));
        QCOMPARE(board.countMiss(), QString());
        QCOMPARE(scores.boardMisses, 3);
        QCOMPARE(scores.nextWordLine, 43);
    }

    void scaledMaximum_data()
    {
        QTest::addColumn<int>("misses");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("expected");
        QTest::addRow("40 misses fit 40") << 40 << 40 << 40;
        QTest::addRow("41st miss doubles") << 41 << 40 << 80;
        QTest::addRow("81st miss doubles again") << 81 << 80 << 160;
        QTest::addRow("no overflow") << INT_MAX << INT_MAX / 2 + 1 << INT_MAX / 2 + 1;
    }
    void scaledMaximum()
    {
        QFETCH(int, misses);
        QFETCH(int, maximum);
        QFETCH(int, expected);
        RunCounts scores;
        BoardExercise board(scores);
        scores.boardMisses = misses;
        QCOMPARE(board.scaledMaximum(maximum), expected);
    }

    void textLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::addRow("LF and CR") << "a\nb\rc" << QStringList{"a", "b", "c"};
        QTest::addRow("empty lines kept") << "a\n\n b \n" << QStringList{"a", "", " b "};
        QTest::addRow("empty text") << "" << QStringList{};
    }
    void textLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        const TextLines store(text);
        QCOMPARE(store.count(), lines.size());
        for (int n = 1; n <= lines.size(); ++n)
            QCOMPARE(store.line(n), lines[n - 1]);
        QCOMPARE(store.line(0), QString());
        QCOMPARE(store.line(lines.size() + 1), QString());
    }
};

QTEST_APPLESS_MAIN(TestBoardExercise)
#include "tst_boardexercise.moc"
