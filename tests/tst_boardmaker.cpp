// New boards: the rule of a word, the fairness of a board word, the lexicon file, and boards
// aimed at a student's misses, the same for the same seed.
#include "exercises/BoardExercise.h"
#include "exercises/BoardMaker.h"
#include "exercises/Lexicon.h"
#include "exercises/RunCounts.h"
#include "shared/TextFile.h"
#include "spanish/SpellingDictionary.h"

#include <QTemporaryDir>

#include <numeric>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "hiato=3,aguda-con-tilde=1" as misses per rule.
RuleMisses history(const QString &text)
{
    RuleMisses misses;
    for (const QString &item : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(u'=');
        misses[*BoardRules::fromKey(parts[0])] = parts[1].toInt();
    }
    return misses;
}

std::array<int, BoardRules::count> boardCounts(const NewBoard &board)
{
    std::array<int, BoardRules::count> counts{};
    for (int i = 0; i < BoardExercise::boardSize; ++i)
        ++counts[std::size_t(board.rules[i])];
    return counts;
}

} // namespace

class TestBoardMaker : public QObject {
    Q_OBJECT

    static const Lexicon &lexicon() { return Lexicon::shared(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(SpellingDictionary::shared().isAvailable(), qPrintable(SpellingDictionary::shared().unavailableText()));
        QVERIFY(lexicon().size() > 3000);
    }

    void rules_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("rule"); // its key, empty for none
        QTest::addRow("camión") << u"camión"_s << u"aguda-con-tilde"_s;
        QTest::addRow("reloj") << u"reloj"_s << u"aguda-sin-tilde"_s;
        QTest::addRow("árbol") << u"árbol"_s << u"llana-con-tilde"_s;
        QTest::addRow("bíceps") << u"bíceps"_s << u"llana-con-tilde"_s;
        QTest::addRow("casa") << u"casa"_s << u"llana-sin-tilde"_s;
        QTest::addRow("pájaro") << u"pájaro"_s << u"esdrujula"_s;
        QTest::addRow("dígaselo, sobresdrújula") << u"dígaselo"_s << u"esdrujula"_s;
        QTest::addRow("país") << u"país"_s << u"hiato"_s;
        QTest::addRow("reír") << u"reír"_s << u"hiato"_s;
        QTest::addRow("tú") << u"tú"_s << u"diacritico"_s;
        QTest::addRow("tu") << u"tu"_s << u"diacritico"_s;
        QTest::addRow("cuándo") << u"cuándo"_s << u"interrogativo"_s;
        QTest::addRow("sol, plain monosyllable") << u"sol"_s << QString();
        QTest::addRow("solo") << u"solo"_s << QString();
        QTest::addRow("fácilmente") << u"fácilmente"_s << QString();
        QTest::addRow("relój, a tilde the rule forbids") << u"relój"_s << QString();
        QTest::addRow("guión, before 2010") << u"guión"_s << QString();
        QTest::addRow("r2d2") << u"r2d2"_s << QString();
    }
    void rules()
    {
        QFETCH(QString, word);
        QFETCH(QString, rule);
        const std::optional<BoardRule> given = BoardRules::of(word);
        QCOMPARE(given ? BoardRules::key(*given) : QString(), rule);
        if (given)
            QCOMPARE(BoardRules::fromKey(rule), given);
    }

    void fairness_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("fair");
        QTest::addRow("camión") << u"camión"_s << true;
        QTest::addRow("casa beside the voseo casá") << u"casa"_s << true;
        QTest::addRow("médico / medicó") << u"médico"_s << false;
        QTest::addRow("río / rio") << u"río"_s << false;
        QTest::addRow("tú / tu") << u"tú"_s << false;
        QTest::addRow("arbol, no word") << u"arbol"_s << false;
        QTest::addRow("Camión, the selector would lower it") << u"Camión"_s << false;
    }
    void fairness()
    {
        QFETCH(QString, word);
        QFETCH(bool, fair);
        QCOMPARE(Lexicon::isFair(word, SpellingDictionary::shared()), fair);
    }

    void reading_data()
    {
        QTest::addColumn<QString>("text"); // null: no file at all
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("problem");
        QTest::addRow("good lines, comment, blank") << u"# lista\ncasa\t1\tsí\r\n\ncamión\t2\tno\n"_s
                                                    << QStringList{u"casa"_s, u"camión"_s} << QString();
        QTest::addRow("rank not a number") << u"casa\tuno\tsí\ncamión\t2\tsí\n"_s << QStringList{u"camión"_s}
                                           << u"«lista.tsv», línea 1: se espera"_s;
        QTest::addRow("capital") << u"Casa\t1\tsí\n"_s << QStringList() << u"línea 1"_s;
        QTest::addRow("flag not sí or no") << u"casa\t1\tyes\n"_s << QStringList() << u"línea 1"_s;
        QTest::addRow("two fields") << u"casa\t1\n"_s << QStringList() << u"línea 1"_s;
        QTest::addRow("no rule") << u"casa\t1\tsí\nsol\t2\tsí\n"_s << QStringList{u"casa"_s}
                                 << u"línea 2: no se sabe qué regla de acentuación practica «sol»"_s;
        QTest::addRow("twice") << u"casa\t1\tsí\ncasa\t2\tsí\n"_s << QStringList{u"casa"_s} << u"«casa» ya estaba"_s;
        QTest::addRow("missing file") << QString() << QStringList() << u"No se puede leer la lista de palabras"_s;
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"lista.tsv"_s);
        if (!text.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
        }
        QStringList problems;
        const Lexicon read = Lexicon::read(path, &problems);
        QStringList readWords;
        for (const Lexicon::Entry &entry : read.entries())
            readWords << entry.word;
        QCOMPARE(readWords, words);
        QCOMPARE(problems.size(), problem.isEmpty() ? 0 : 1);
        // A list this short still makes a board, of each fair word once; none when none is fair.
        const auto fair = std::count_if(read.entries().begin(), read.entries().end(), [](const Lexicon::Entry &e) { return e.fair; });
        const NewBoard board = BoardMaker(read).make(1);
        QCOMPARE(board.words.size(), fair);
        QCOMPARE(board.practiceLine.isEmpty(), fair == 0);
        if (!problem.isEmpty())
            QVERIFY2(problems[0].contains(problem), qPrintable(problems[0]));
    }

    // The flags were judged when the list was made: the dictionary of today must agree, and
    // the engine must still give every word a rule.
    void shippedListAgreesWithTheDictionary()
    {
        QStringList problems;
        const Lexicon shipped = Lexicon::read(Lexicon::resourcePath(), &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QStringList wrong;
        for (const Lexicon::Entry &entry : shipped.entries())
            if (Lexicon::isFair(entry.word, SpellingDictionary::shared()) != entry.fair)
                wrong << entry.word;
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", "_s)));
        // Words a play of new boards found that have no place in a classroom.
        for (const Lexicon::Entry &entry : shipped.entries())
            QVERIFY2(!QStringList({u"cabrón"_s, u"testículos"_s, u"estúpido"_s}).contains(entry.word), qPrintable(entry.word));
    }

    void aimed_data()
    {
        QTest::addColumn<QString>("misses");
        QTest::addColumn<QStringList>("raised"); // most missed first
        QTest::addColumn<QString>("line");
        QTest::addRow("no history") << QString() << QStringList()
                                    << u"Practica todas las reglas por igual: aguda con tilde; aguda sin tilde; "
                                       "llana con tilde; llana sin tilde; esdrújula o sobresdrújula; hiato con vocal "
                                       "cerrada tónica."_s;
        QTest::addRow("hiatos only") << u"hiato=6"_s << QStringList{u"hiato"_s}
                                     << u"Practica sobre todo: hiato con vocal cerrada tónica."_s;
        QTest::addRow("hiatos, then agudas with tilde") << u"aguda-con-tilde=1,hiato=3"_s
                                                        << QStringList{u"hiato"_s, u"aguda-con-tilde"_s}
                                                        << u"Practica sobre todo: hiato con vocal cerrada tónica; aguda con tilde."_s;
        // No fair word can practise a diacritical pair, so such misses cannot aim a board.
        QTest::addRow("diacritics only") << u"diacritico=9"_s << QStringList() << u"Practica todas las reglas por igual"_s;
        QTest::addRow("a damaged history's negative count") << u"hiato=-4"_s << QStringList()
                                                            << u"Practica todas las reglas por igual"_s;
    }
    void aimed()
    {
        QFETCH(QString, misses);
        QFETCH(QStringList, raised);
        QFETCH(QString, line);
        const BoardMaker maker(lexicon());
        const QList<BoardRule> practised = maker.practisedRules();
        QCOMPARE(practised.size(), 6);
        const double floorWords = BoardExercise::boardSize / (2.0 * practised.size());
        for (std::uint32_t seed = 0; seed < 20; ++seed) {
            const NewBoard board = maker.make(seed, history(misses));
            QVERIFY2(board.practiceLine.startsWith(line), qPrintable(board.practiceLine));
            const auto counts = boardCounts(board);
            int previousRaised = BoardExercise::boardSize;
            for (BoardRule rule : practised) {
                const int count = counts[std::size_t(rule)];
                const QByteArray what = BoardRules::key(rule).toUtf8() + ": " + QByteArray::number(count);
                if (raised.contains(BoardRules::key(rule)))
                    QVERIFY2(count > floorWords + 1, what);
                else if (raised.isEmpty())
                    QVERIFY2(count >= floorWords, what);
                else
                    QVERIFY2(std::abs(count - floorWords) <= 1, what);
            }
            for (const QString &key : raised) {
                const int count = counts[std::size_t(*BoardRules::fromKey(key))];
                QVERIFY(count < previousRaised);
                previousRaised = count;
            }
        }
    }

    void seeds_data()
    {
        QTest::addColumn<uint>("first");
        QTest::addColumn<uint>("second");
        QTest::addColumn<QString>("misses");
        QTest::addColumn<bool>("same");
        QTest::addRow("seed 7 twice") << 7u << 7u << QString() << true;
        QTest::addRow("the largest seed twice, with a history") << 4294967295u << 4294967295u << u"hiato=2"_s << true;
        QTest::addRow("seeds 7 and 8") << 7u << 8u << QString() << false;
        QTest::addRow("seeds 0 and the largest") << 0u << 4294967295u << u"esdrujula=1"_s << false;
    }
    void seeds()
    {
        QFETCH(uint, first);
        QFETCH(uint, second);
        QFETCH(QString, misses);
        QFETCH(bool, same);
        // A maker of its own for each board: nothing of one board may leak into the next.
        const NewBoard a = BoardMaker(lexicon()).make(first, history(misses));
        const NewBoard b = BoardMaker(lexicon()).make(second, history(misses));
        QCOMPARE(a.words == b.words, same);
        QCOMPARE(a.boardWords() == b.boardWords(), same);
    }

    // A rule with fewer fair words than its share keeps what it has and the others take the
    // rest; when the whole list runs out, the replacements stop short and the board stays whole.
    void shortRule()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(u"corta.tsv"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QString text = u"árbol\t1\tsí\nlápiz\t2\tsí\n"_s;
        int rank = 3;
        for (const QString &start : {u"b"_s, u"c"_s, u"d"_s, u"f"_s, u"g"_s, u"l"_s, u"m"_s, u"p"_s})
            for (const QString &vowel : {u"a"_s, u"e"_s, u"i"_s, u"o"_s, u"u"_s})
                for (const QString &ending : {u"la"_s, u"lar"_s})
                    text += start + vowel + ending + u"\t"_s + QString::number(rank++) + u"\tsí\n"_s;
        file.write(text.toUtf8());
        file.close();
        const Lexicon small = Lexicon::read(file.fileName());
        QCOMPARE(small.size(), 82);
        const BoardMaker maker(small);
        const RuleMisses misses{{BoardRule::LlanaConTilde, 5}};
        const auto weights = maker.weights(misses);
        QCOMPARE(weights[std::size_t(BoardRule::LlanaConTilde)], 2.0 / BoardExercise::boardSize);
        QCOMPARE(std::accumulate(weights.begin(), weights.end(), 0.0), 1.0);
        const NewBoard board = maker.make(1, misses);
        QCOMPARE(board.words.size(), 82);
        QCOMPARE(boardCounts(board)[std::size_t(BoardRule::LlanaConTilde)], 2);
        QCOMPARE(QSet<QString>(board.words.begin(), board.words.end()).size(), 82);
    }

    // The board file opens as a board: forty words on the board, the rest replacements, and it
    // reads back from its Windows-1252 bytes letter for letter.
    void boardFile()
    {
        const NewBoard board = BoardMaker(lexicon()).make(3);
        QCOMPARE(board.words.size(), BoardExercise::boardSize + BoardMaker::replacementCount);
        QCOMPARE(board.rules.size(), board.words.size());
        RunCounts counts;
        BoardExercise exercise(counts);
        exercise.load(board.fileText(), u"tablero.txt"_s);
        QCOMPARE(exercise.wordCount(), board.words.size());
        QCOMPARE(exercise.wordAt(1), board.words.first());
        QCOMPARE(exercise.wordAt(int(board.words.size())), board.words.last());
        QCOMPARE(TextFile::decode(board.fileBytes()), board.fileText());
        for (qsizetype i = 0; i < board.words.size(); ++i)
            QCOMPARE(BoardRules::of(board.words[i]), board.rules[i]);
    }
};

QTEST_GUILESS_MAIN(TestBoardMaker)
#include "tst_boardmaker.moc"
