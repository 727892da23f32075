// The word classification's judgement: word order, answer key, move rule and recount.
#include "exercises/ClassificationExercise.h"
#include "exercises/RunCounts.h"
#include "exercises/WordListClassifier.h"
#include "spanish/SpellingDictionary.h"

#include <QTest>

#include <climits>

using namespace Qt::StringLiterals;
using Exercise = ClassificationExercise;

namespace {

// Every group holding exactly its words, the word list's "geógrafo " with its space.
QList<QStringList> allInPlace()
{
    QList<QStringList> groups;
    for (int group = 0; group < Exercise::groupCount; ++group)
        groups.append(Exercise::keyWords(group));
    groups[Exercise::Hiatos].replace(groups[Exercise::Hiatos].indexOf(u"geógrafo"_s), u"geógrafo "_s);
    return groups;
}

QList<QStringList> only(int group, const QStringList &items)
{
    QList<QStringList> groups(Exercise::groupCount);
    groups[group] = items;
    return groups;
}

// A loaded list's key, when the row gives one.
void useKey(Exercise &exercise, const QList<QStringList> &key)
{
    if (key.isEmpty())
        return;
    Exercise::GroupItems items;
    for (int group = 0; group < Exercise::groupCount; ++group)
        items[group] = key.at(group);
    exercise.useKey(items);
}

} // namespace

class TestClassificationExercise : public QObject {
    Q_OBJECT

private slots:
    // The list keeps the order it starts in: every word, taken out, goes back to its place.
    void wordGoesBackToItsPlace_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < Exercise::wordCount; ++i)
            QTest::addRow("%s", qPrintable(Exercise::startingWords().at(i))) << i;
    }
    void wordGoesBackToItsPlace()
    {
        QFETCH(int, index);
        QStringList words = Exercise::startingWords();
        QCOMPARE(words.size(), Exercise::wordCount);
        const QString word = words.takeAt(index);
        QCOMPARE(Exercise::sortedPosition(words, word), index);
    }

    void spanishOrder_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("before");
        QTest::addRow("accent sorts with its vowel") << u"cáliz"_s << u"camaleón"_s << true;
        QTest::addRow("accent does not jump ahead") << u"camaleón"_s << u"cáliz"_s << false;
        QTest::addRow("capital among small letters") << u"llovió"_s << u"Luisa"_s << true;
        QTest::addRow("capital not first") << u"Mediterráneo"_s << u"mecánico"_s << false;
        QTest::addRow("ü with u") << u"apacigüéis"_s << u"averiéis"_s << true;
        QTest::addRow("ñ after n") << u"nube"_s << u"ñandú"_s << true;
        QTest::addRow("ñ before o") << u"ñandú"_s << u"oso"_s << true;
    }
    void spanishOrder()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(bool, before);
        QCOMPARE(Exercise::sortsBefore(left, right), before);
    }

    // A word with a vowel cluster goes to the cluster's group whatever its stress.
    void everyWordInExactlyOneGroup_data()
    {
        QTest::addColumn<QString>("word");
        for (const QString &word : Exercise::startingWords())
            QTest::addRow("%s", qPrintable(word)) << word;
    }
    void everyWordInExactlyOneGroup()
    {
        QFETCH(QString, word);
        int groups = 0;
        for (int group = 0; group < Exercise::groupCount; ++group)
            groups += Exercise::count(group, {word});
        QCOMPARE(groups, 1);
    }

    void groupOfNotableWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("group");
        QTest::addRow("cuidado") << u"cuidado"_s << int(Exercise::Diptongos);
        QTest::addRow("caimán") << u"caimán"_s << int(Exercise::Diptongos);
        QTest::addRow("cuéntalo") << u"cuéntalo"_s << int(Exercise::Diptongos);
        QTest::addRow("camaleón") << u"camaleón"_s << int(Exercise::Hiatos);
        QTest::addRow("Mediterráneo") << u"Mediterráneo"_s << int(Exercise::Hiatos);
        QTest::addRow("geógrafo with its space") << u"geógrafo "_s << int(Exercise::Hiatos);
        QTest::addRow("apacigüéis") << u"apacigüéis"_s << int(Exercise::Triptongos);
    }
    void groupOfNotableWords()
    {
        QFETCH(QString, word);
        QFETCH(int, group);
        QCOMPARE(Exercise::count(group, {word}), 1);
    }

    // The engine groups the shipped sixty exactly as their key does, so a loaded list is
    // grouped by the same convention.
    void engineGroupsTheSixtyAsTheKey_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("group");
        for (int group = 0; group < Exercise::groupCount; ++group) {
            for (const QString &word : Exercise::keyWords(group))
                QTest::addRow("%s", qPrintable(word)) << word << group;
        }
    }
    void engineGroupsTheSixtyAsTheKey()
    {
        QFETCH(QString, word);
        QFETCH(int, group);
        QString why;
        const std::optional<Exercise::Group> found = WordListClassifier::groupOf(word, &why);
        QVERIFY2(found, qPrintable(why));
        QCOMPARE(int(*found), group);
    }

    // Words that fit no group, or two, are left out with their reason.
    void wordsLeftOut_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("reason");
        QTest::addRow("monosyllable") << u"sol"_s << u"es monosílaba y no tiene diptongo, hiato ni triptongo: no cabe en ningún grupo."_s;
        QTest::addRow("sobresdrújula") << u"dígamelo"_s << u"es sobresdrújula y no tiene diptongo, hiato ni triptongo: no cabe en ningún grupo."_s;
        QTest::addRow("two kinds of cluster") << u"teníais"_s << u"tiene el hiato í-a y el diptongo ai: cabría en dos grupos."_s;
        QTest::addRow("two words") << u"por qué"_s << u"la palabra contiene « », que no es una letra del español."_s;
        QTest::addRow("digit") << u"amor2"_s << u"la palabra contiene la cifra «2»: escríbela con letras."_s;
    }
    void wordsLeftOut()
    {
        QFETCH(QString, word);
        QFETCH(QString, reason);
        QString why;
        QVERIFY(!WordListClassifier::groupOf(word, &why));
        QCOMPARE(why, reason);
    }

    // A list read as the page reads it: blank lines and spaces ignored, repeats and words the
    // dictionary does not know left out, the rest sorted into the key and the word list.
    void classifyList()
    {
        const SpellingDictionary &dictionary = SpellingDictionary::shared();
        if (!dictionary.isAvailable())
            QSKIP(qPrintable(dictionary.unavailableText()));
        const QStringList lines = {u"  amoroso "_s, u""_s, u"ratón"_s, u"amor"_s, u"sol"_s, u"amor"_s,
                                   u"cuaderno"_s, u"cásaa"_s, u"poeta"_s, u"averiguáis"_s, u"árbol"_s, u"música"_s};
        QCOMPARE(WordListClassifier::wordCount(lines), 11);
        const WordListClassifier::Result result = WordListClassifier::classify(lines, &dictionary);
        QCOMPARE(result.words, (QStringList{u"amor"_s, u"amoroso"_s, u"árbol"_s, u"averiguáis"_s, u"cuaderno"_s,
                                            u"música"_s, u"poeta"_s, u"ratón"_s}));
        QCOMPARE(result.key[Exercise::Agudas], (QStringList{u"ratón"_s, u"amor"_s}));
        QCOMPARE(result.key[Exercise::Llanas], (QStringList{u"amoroso"_s, u"árbol"_s}));
        QCOMPARE(result.key[Exercise::Esdrujulas], QStringList{u"música"_s});
        QCOMPARE(result.key[Exercise::Diptongos], QStringList{u"cuaderno"_s});
        QCOMPARE(result.key[Exercise::Hiatos], QStringList{u"poeta"_s});
        QCOMPARE(result.key[Exercise::Triptongos], QStringList{u"averiguáis"_s});
        QStringList leftOut;
        for (const WordListClassifier::LeftOut &word : result.leftOut)
            leftOut << word.word + u": "_s + word.reason;
        QCOMPARE(leftOut, (QStringList{u"sol: es monosílaba y no tiene diptongo, hiato ni triptongo: no cabe en ningún grupo."_s,
                                       u"amor: está repetida."_s, u"cásaa: no está en el diccionario."_s}));
        QVERIFY(result.spellingUnchecked.isEmpty());
        QVERIFY(WordListClassifier::leftOutText(result, u"lista.txt"_s)
                    .startsWith(u"De lista.txt se han cargado 8 palabras; se han dejado fuera 3 palabras:\n«sol»: es monosílaba"_s));

        // Without a dictionary every word the engine groups is kept, and the message says the
        // spelling went unchecked.
        const WordListClassifier::Result unchecked = WordListClassifier::classify(lines, nullptr);
        QCOMPARE(unchecked.words.size(), 9);
        QVERIFY(WordListClassifier::leftOutText(unchecked, u"lista.txt"_s).endsWith(u"Las palabras de la lista no se han comprobado."_s));
    }

    void move_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("attemptsBefore");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<int>("attemptsAfter");
        QTest::addColumn<QList<QStringList>>("key"); // empty: the sixty words' key
        QTest::addRow("into an empty group") << u"amor"_s << QStringList() << 0 << true << 1 << QList<QStringList>();
        QTest::addRow("wrong group is still a move") << u"amor"_s << QStringList{u"joven"_s} << 3 << true << 4 << QList<QStringList>();
        QTest::addRow("already there: refused, counted") << u"amor"_s << QStringList{u"danés"_s, u"amor"_s} << 1 << false << 2 << QList<QStringList>();
        QTest::addRow("inside a longer item: refused") << u"amor"_s << QStringList{u"amores"_s} << 0 << false << 1 << QList<QStringList>();
        QTest::addRow("letter case matters") << u"luisa"_s << QStringList{u"Luisa"_s} << 0 << true << 1 << QList<QStringList>();
        QTest::addRow("item inside the word is no refusal") << u"geógrafo "_s << QStringList{u"geógrafo"_s} << 0 << true << 1 << QList<QStringList>();
        QTest::addRow("attempts stop at their top") << u"amor"_s << QStringList() << INT_MAX << true << INT_MAX << QList<QStringList>();
        // A loaded list is matched by whole words: "amor" is not inside "amoroso" there.
        const QList<QStringList> loaded = {{u"amor"_s}, {u"amoroso"_s}, {}, {}, {}, {}};
        QTest::addRow("loaded list: beside a longer word") << u"amor"_s << QStringList{u"amoroso"_s} << 0 << true << 1 << loaded;
        QTest::addRow("loaded list: the word itself refuses") << u"amor"_s << QStringList{u"amor"_s} << 0 << false << 1 << loaded;
    }
    void move()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, items);
        QFETCH(int, attemptsBefore);
        QFETCH(bool, moved);
        QFETCH(int, attemptsAfter);
        QFETCH(QList<QStringList>, key);
        RunCounts scores;
        scores.exampleAttempts = attemptsBefore;
        Exercise exercise(scores);
        useKey(exercise, key);
        QCOMPARE(exercise.move(word, items) == Exercise::MoveResult::Moved, moved);
        QCOMPARE(scores.exampleAttempts, attemptsAfter);
        QCOMPARE(scores.exampleHits, 0);
    }

    void recount_data()
    {
        QTest::addColumn<QList<QStringList>>("groups");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QList<bool>>("lit");
        QTest::addColumn<int>("percent"); // -1: none yet
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QList<QStringList>>("key"); // empty: the sixty words' key

        const QList<bool> none(Exercise::groupCount, false);
        const QList<bool> all(Exercise::groupCount, true);
        QList<bool> agudasLit = none;
        agudasLit[Exercise::Agudas] = true;
        QList<bool> allButLlanas = all;
        allButLlanas[Exercise::Llanas] = false;
        const QStringList agudas = Exercise::keyWords(Exercise::Agudas);

        QTest::addRow("start: no attempt, no percentage")
            << QList<QStringList>(Exercise::groupCount) << 0 << QList<int>{0, 0, 0, 0, 0, 0} << none << -1 << QString() << QList<QStringList>();
        QTest::addRow("amor in Agudas") << only(Exercise::Agudas, {u"amor"_s}) << 1
                                        << QList<int>{1, 0, 0, 0, 0, 0} << none << 100 << QString() << QList<QStringList>();
        QTest::addRow("amor in Llanas") << only(Exercise::Llanas, {u"amor"_s}) << 1
                                        << QList<int>{0, 0, 0, 0, 0, 0} << none << 0 << QString() << QList<QStringList>();
        QTest::addRow("wrong, sent back, right") << only(Exercise::Agudas, {u"amor"_s}) << 2
                                                 << QList<int>{1, 0, 0, 0, 0, 0} << none << 50 << QString() << QList<QStringList>();
        QTest::addRow("62.5 goes down to even") << only(Exercise::Agudas, agudas.mid(0, 5)) << 8
                                                << QList<int>{5, 0, 0, 0, 0, 0} << none << 62 << QString() << QList<QStringList>();
        QTest::addRow("87.5 goes up to even") << only(Exercise::Agudas, agudas.mid(0, 7)) << 8
                                              << QList<int>{7, 0, 0, 0, 0, 0} << none << 88 << QString() << QList<QStringList>();
        QTest::addRow("two of three") << only(Exercise::Agudas, agudas.mid(0, 2)) << 3
                                      << QList<int>{2, 0, 0, 0, 0, 0} << none << 67 << QString() << QList<QStringList>();
        QTest::addRow("all eight agudas light up") << only(Exercise::Agudas, agudas) << 8
                                                   << QList<int>{8, 0, 0, 0, 0, 0} << agudasLit << 100 << QString() << QList<QStringList>();
        QTest::addRow("a ninth, wrong word keeps the light")
            << only(Exercise::Agudas, agudas + QStringList{u"joven"_s}) << 9
            << QList<int>{8, 0, 0, 0, 0, 0} << agudasLit << 89 << QString() << QList<QStringList>();
        QTest::addRow("one right word out puts it out") << only(Exercise::Agudas, agudas.mid(1)) << 9
                                                        << QList<int>{7, 0, 0, 0, 0, 0} << none << 78 << QString() << QList<QStringList>();
        QTest::addRow("geógrafo with its space counts")
            << only(Exercise::Hiatos, {u"geógrafo "_s}) << 1 << QList<int>{0, 0, 0, 0, 1, 0} << none << 100 << QString() << QList<QStringList>();
        QTest::addRow("all sixty in place") << allInPlace() << 75 << QList<int>{8, 7, 6, 21, 13, 5} << all << 80
                                            << u"¡COMPLETADO!"_s << QList<QStringList>();
        QList<QStringList> oneBack = allInPlace();
        oneBack[Exercise::Llanas].removeOne(u"tórax"_s);
        QTest::addRow("one sent back clears the banner") << oneBack << 75 << QList<int>{8, 6, 6, 21, 13, 5}
                                                         << allButLlanas << 79 << QString() << QList<QStringList>();
        // A loaded list's key: whole words, its own sizes and its own total for the banner; an
        // empty group has all its words in place.
        const QList<QStringList> loaded = {{u"amor"_s, u"ratón"_s}, {u"amoroso"_s}, {}, {}, {}, {}};
        QList<bool> emptyGroupsLit = all;
        emptyGroupsLit[Exercise::Agudas] = emptyGroupsLit[Exercise::Llanas] = false;
        QTest::addRow("loaded list: a longer word is no hit") << only(Exercise::Agudas, {u"amoroso"_s}) << 1
            << QList<int>{0, 0, 0, 0, 0, 0} << emptyGroupsLit << 0 << QString() << loaded;
        QList<bool> agudasAndEmptyLit = emptyGroupsLit;
        agudasAndEmptyLit[Exercise::Agudas] = true;
        QTest::addRow("loaded list: its own group size") << only(Exercise::Agudas, {u"ratón"_s, u"amor"_s}) << 2
            << QList<int>{2, 0, 0, 0, 0, 0} << agudasAndEmptyLit << 100 << QString() << loaded;
        QList<QStringList> loadedInPlace(Exercise::groupCount);
        loadedInPlace[Exercise::Agudas] = QStringList{u"amor"_s, u"ratón"_s};
        loadedInPlace[Exercise::Llanas] = QStringList{u"amoroso"_s};
        QTest::addRow("loaded list: complete at its own total") << loadedInPlace << 4
            << QList<int>{2, 1, 0, 0, 0, 0} << all << 75 << u"¡COMPLETADO!"_s << loaded;
    }
    void recount()
    {
        QFETCH(QList<QStringList>, groups);
        QFETCH(int, attempts);
        QFETCH(QList<int>, counts);
        QFETCH(QList<bool>, lit);
        QFETCH(int, percent);
        QFETCH(QString, banner);
        QFETCH(QList<QStringList>, key);
        RunCounts scores;
        scores.exampleAttempts = attempts;
        scores.exampleHits = 12345;
        Exercise exercise(scores);
        useKey(exercise, key);
        Exercise::GroupItems items;
        for (int group = 0; group < Exercise::groupCount; ++group)
            items[group] = groups.at(group);

        const Exercise::Figures figures = exercise.recount(items);
        int hits = 0;
        for (int group = 0; group < Exercise::groupCount; ++group) {
            QCOMPARE(figures.counts[group], counts.at(group));
            QCOMPARE(figures.colors[group], lit.at(group) ? Colors::clLime : Colors::clMaroon);
            hits += counts.at(group);
        }
        QCOMPARE(figures.hits, hits);
        QCOMPARE(scores.exampleHits, hits);
        QCOMPARE(figures.attempts, attempts);
        QCOMPARE(scores.exampleAttempts, attempts);
        QCOMPARE(figures.percent.has_value(), percent >= 0);
        if (percent >= 0)
            QCOMPARE(*figures.percent, percent);
        QCOMPARE(figures.banner, banner);
    }
};

QTEST_APPLESS_MAIN(TestClassificationExercise)
#include "tst_classificationexercise.moc"
