// The shipped words checked by the Spanish engine: the board file, the phrase file and the
// classification key.
#include "exercises/ClassificationExercise.h"
#include "shared/TextFile.h"
#include "spanish/SpanishWord.h"
#include "spanish/TildeRule.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Why the engine finds fault with a correctly written word, or nothing.
QString fault(const QString &word)
{
    const SpanishWord analysis(word);
    if (!analysis.isValid())
        return word + u": "_s + analysis.problemText();
    const TildeRule rule(analysis);
    if (!rule.spellingAgrees())
        return word + u" ("_s + analysis.syllables() + u"): "_s + rule.sentence();
    return QString();
}

QStringList faults(const QStringList &words)
{
    QStringList found;
    for (const QString &word : words) {
        const QString why = fault(word);
        if (!why.isEmpty())
            found << why;
    }
    return found;
}

} // namespace

class TestSpanishContent : public QObject {
    Q_OBJECT

private slots:
    void boardAndReplacementWordsAreWrittenAsTheRulesSay()
    {
        const QStringList words = TextFile::readLines(QStringLiteral(TILDORA_DATA "/nivel1.txt"));
        QVERIFY(!words.isEmpty());
        const QStringList found = faults(words);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    void everyWordOfThePhrasesIsWrittenAsTheRulesSay()
    {
        const QStringList lines = TextFile::readLines(QStringLiteral(TILDORA_DATA "/Frases.txt"));
        QStringList words;
        static const QRegularExpression letters(u"\\p{L}+"_s);
        for (const QString &line : lines) {
            for (auto match = letters.globalMatch(line); match.hasNext();)
                words << match.next().captured();
        }
        QVERIFY(words.size() > 200);
        const QStringList found = faults(words);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // A word with a diphthong, hiatus or triphthong belongs to that group, whatever its stress;
    // the others to their stress class.
    void classificationKey_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("group");
        for (int group = 0; group < ClassificationExercise::groupCount; ++group) {
            for (const QString &word : ClassificationExercise::keyWords(group))
                QTest::addRow("%s", qPrintable(word)) << word << group;
        }
    }
    void classificationKey()
    {
        QFETCH(QString, word);
        QFETCH(int, group);
        QCOMPARE(fault(word), QString());
        const SpanishWord analysis(word);
        QList<int> groups;
        for (int i = 0; i < analysis.sequenceCount(); ++i) {
            switch (analysis.sequence(i).kind) {
            case SpanishWord::SequenceKind::Diptongo: groups << ClassificationExercise::Diptongos; break;
            case SpanishWord::SequenceKind::Hiato: groups << ClassificationExercise::Hiatos; break;
            case SpanishWord::SequenceKind::Triptongo: groups << ClassificationExercise::Triptongos; break;
            }
        }
        if (groups.isEmpty()) {
            switch (analysis.stressClass()) {
            case SpanishWord::StressClass::Aguda: groups << ClassificationExercise::Agudas; break;
            case SpanishWord::StressClass::Llana: groups << ClassificationExercise::Llanas; break;
            case SpanishWord::StressClass::Esdrujula:
            case SpanishWord::StressClass::Sobresdrujula: groups << ClassificationExercise::Esdrujulas; break;
            case SpanishWord::StressClass::Monosilaba: break;
            }
        }
        QVERIFY2(groups.contains(group), qPrintable(analysis.syllables()));
    }
};

QTEST_GUILESS_MAIN(TestSpanishContent)
#include "tst_spanishcontent.moc"
