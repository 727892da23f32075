// The rule a miss is kept under: the accent rule of each kind of right word, known keys for the
// classification's groups and the questions' pairs, and a known rule for every shipped word.
#include "exercises/ClassificationExercise.h"
#include "exercises/MissRule.h"
#include "exercises/QuestionsExercise.h"
#include "results/MissRules.h"
#include "shared/TextFile.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMissRule : public QObject {
    Q_OBJECT

private slots:
    void ruleOfTheRightWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("rule");
        QTest::addRow("aguda in a vowel") << u"café"_s << u"aguda-vocal"_s;
        QTest::addRow("aguda in -n") << u"camión"_s << u"aguda-n"_s;
        QTest::addRow("aguda in -s") << u"compás"_s << u"aguda-s"_s;
        QTest::addRow("aguda in another consonant") << u"reloj"_s << u"aguda-sin-tilde"_s;
        QTest::addRow("aguda in two consonants") << u"robots"_s << u"aguda-sin-tilde"_s;
        QTest::addRow("aguda in -y") << u"estoy"_s << u"aguda-sin-tilde"_s;
        QTest::addRow("llana in a vowel") << u"casa"_s << u"llana-sin-tilde"_s;
        QTest::addRow("llana in a consonant") << u"árbol"_s << u"llana-con-tilde"_s;
        QTest::addRow("llana in two consonants") << u"bíceps"_s << u"llana-con-tilde"_s;
        QTest::addRow("llana in -y") << u"yóquey"_s << u"llana-con-tilde"_s;
        QTest::addRow("esdrújula") << u"pájaro"_s << u"esdrujula"_s;
        QTest::addRow("sobresdrújula") << u"dígaselo"_s << u"esdrujula"_s;
        QTest::addRow("hiatus") << u"país"_s << u"hiato"_s;
        QTest::addRow("monosyllable") << u"guion"_s << u"monosilabo"_s;
        QTest::addRow("diacritic with its tilde") << u"tú"_s << u"diacritico"_s;
        QTest::addRow("diacritic without") << u"mas"_s << u"diacritico"_s;
        QTest::addRow("interrogative") << u"Cuándo"_s << u"interrogativo"_s;
        QTest::addRow("aún") << u"aún"_s << u"aun"_s;
        QTest::addRow("solo") << u"solo"_s << u"solo-demostrativo"_s;
        QTest::addRow("demonstrative") << u"aquella"_s << u"solo-demostrativo"_s;
        QTest::addRow("adverb in -mente") << u"fácilmente"_s << u"adverbio-mente"_s;
        QTest::addRow("the longest explanation") << u"cuántos"_s << u"interrogativo"_s;
        QTest::addRow("no word: a digit") << u"mar3"_s << QString();
        QTest::addRow("no word: no vowel") << u"sr"_s << QString();
        QTest::addRow("no word: too long") << QString(60, u'a') << QString();
    }
    void ruleOfTheRightWord()
    {
        QFETCH(QString, word);
        QFETCH(QString, rule);
        QCOMPARE(MissRule::ofWord(word), rule);
        if (!rule.isEmpty())
            QVERIFY(MissRules::keys().contains(rule));
        const auto miss = MissRule::ofRightWord(SessionDetail::Exercise::Phrases, word, word, word);
        QCOMPARE(miss.has_value(), !rule.isEmpty());
        if (miss) {
            QCOMPARE(miss->ruleName, MissRules::name(rule));
            QVERIFY(miss->explanation.startsWith(u'"' + word + u"\" ("_s));
            // The detail file gives it back whole.
            const SessionDetail::Detail detail{{}, {}, {*miss}};
            QCOMPARE(SessionDetail::parse(SessionDetail::toJson(detail), u"result.json"_s).detail.misses, detail.misses);
        }
    }

    // Every word a student can miss in the shipped files has a rule the results know.
    void everyShippedWordHasAKnownRule_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addRow("board") << u"nivel1.txt"_s;
        QTest::addRow("phrases") << u"Frases.txt"_s;
    }
    void everyShippedWordHasAKnownRule()
    {
        QFETCH(QString, file);
        static const QRegularExpression letters(u"\\p{L}+"_s);
        const QStringList keys = MissRules::keys();
        QStringList unknown;
        qsizetype words = 0;
        for (const QString &line : TextFile::readLines(QStringLiteral(TILDORA_DATA "/") + file)) {
            for (auto match = letters.globalMatch(line); match.hasNext(); ++words) {
                const QString word = match.next().captured();
                if (!keys.contains(MissRule::ofWord(word)))
                    unknown << word;
            }
        }
        QVERIFY(words > 200);
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u", "_s)));
    }

    // Every group and pair has a key the results know; nothing lies past either end.
    void groupAndPairKeysAreKnown()
    {
        for (int i = 0; i < ClassificationExercise::groupCount; ++i)
            QVERIFY(MissRules::keys().contains(MissRule::ofGroup(i)));
        for (int i = 0; i < QuestionsExercise::groupCount; ++i)
            QVERIFY(MissRules::keys().contains(MissRule::ofQuestionGroup(i)));
        QVERIFY(MissRule::ofGroup(ClassificationExercise::groupCount).isEmpty());
        QVERIFY(MissRule::ofQuestionGroup(-1).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMissRule)
#include "tst_missrule.moc"
