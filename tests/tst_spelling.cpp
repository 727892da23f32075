// The spelling check: a misspelt word is told its right form first, the reviewed 2010 list has
// the last word over the dictionaries, and without a dictionary the rule alone is explained.
#include "FileFixtures.h"

#include "spanish/SpanishWord.h"
#include "spanish/SpellingDictionary.h"
#include "spanish/SpellingExplanation.h"
#include "spanish/TildeRule.h"
#include "spanish/WordExplanation.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const SpellingDictionary &dictionary()
{
    return SpellingDictionary::shared();
}

QString ruleOf(const QString &word)
{
    return TildeRule(SpanishWord(word)).sentence();
}

} // namespace

class TestSpelling : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(dictionary().isAvailable(), qPrintable(dictionary().unavailableText()));
    }

    // The sentence --explicar prints last: it starts with the right form of a misspelt word
    // and ends with what the dictionary adds of a right one.
    void explanations_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        // Misspelt only by the accent: the right form, its syllables, the rule of that form.
        QTest::addRow("missing tilde, llana") << u"arbol"_s << u"\"arbol\" se escribe \"árbol\" (ár-bol): "_s + ruleOf(u"árbol"_s) << QString();
        QTest::addRow("missing tilde, esdrújula") << u"examenes"_s << u"\"examenes\" se escribe \"exámenes\" (e-xá-me-nes): "_s << QString();
        QTest::addRow("tilde on the wrong vowel") << u"cámion"_s << u"\"cámion\" se escribe \"camión\" (ca-mión): "_s << QString();
        QTest::addRow("preterite of an -ir verb") << u"vivi"_s << u"\"vivi\" se escribe \"viví\" (vi-ví): "_s << QString();
        QTest::addRow("hiatus without its tilde") << u"reir"_s << u"\"reir\" se escribe \"reír\" (re-ír): "_s << QString();
        QTest::addRow("capital kept") << u"Arbol"_s << u"\"Arbol\" se escribe \"Árbol\" (Ár-bol): "_s << QString();
        QTest::addRow("all capitals kept") << u"ARBOL"_s << u"\"ARBOL\" se escribe \"ÁRBOL\" (ÁR-BOL): "_s << QString();
        // Spellings retired in 2010 that the dictionaries still hold: a monosyllable has no
        // syllables to show.
        QTest::addRow("retired guión") << u"guión"_s << u"\"guión\" se escribe \"guion\": "_s + ruleOf(u"guion"_s) << QString();
        QTest::addRow("retired fié") << u"fié"_s << u"\"fié\" se escribe \"fie\": "_s << QString();
        QTest::addRow("retired sólo") << u"sólo"_s << u"\"sólo\" se escribe \"solo\" (so-lo): "_s << QString();
        QTest::addRow("retired éste") << u"éste"_s << u"\"éste\" se escribe \"este\" (es-te): "_s << QString();
        // Real words: the rule of the word as written.
        QTest::addRow("right árbol") << u"árbol"_s << ruleOf(u"árbol"_s) << ruleOf(u"árbol"_s);
        QTest::addRow("right 2010 guion") << u"guion"_s << ruleOf(u"guion"_s) << ruleOf(u"guion"_s);
        QTest::addRow("right, rivals named") << u"medico"_s << ruleOf(u"medico"_s)
                                             << u" También existen \"médico\" y \"medicó\"."_s;
        QTest::addRow("right, the word list's misprint ábrigo not named") << u"abrigo"_s << ruleOf(u"abrigo"_s)
                                                                       << ruleOf(u"abrigo"_s) + u" También existe \"abrigó\"."_s;
        QTest::addRow("right, the pair tu / tú named by its rule") << u"tu"_s << ruleOf(u"tu"_s) << ruleOf(u"tu"_s);
        QTest::addRow("right, está named beside esta") << u"esta"_s << ruleOf(u"esta"_s) << u" También existe \"está\"."_s;
        QTest::addRow("right, voseo casá not offered") << u"casa"_s << ruleOf(u"casa"_s) << ruleOf(u"casa"_s);
        QTest::addRow("no word in any variant") << u"xyzzy"_s << ruleOf(u"xyzzy"_s) << u" No está en el diccionario."_s;
    }
    void explanations()
    {
        QFETCH(QString, word);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const QString sentence = SpellingExplanation::ruleSentence(word, dictionary());
        QVERIFY2(sentence.startsWith(start), qPrintable(sentence));
        QVERIFY2(sentence.endsWith(end), qPrintable(sentence));
    }

    // The Frases tip tells a typed word that is no word from a real word used wrongly.
    void phraseTips_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("start");
        QTest::addRow("no word") << u"El arbol"_s << u"El árbol"_s << u"«arbol» no existe; se escribe \"árbol\""_s;
        QTest::addRow("no word, capital") << u"Arbol alto"_s << u"Árbol alto"_s << u"«Arbol» no existe; se escribe \"Árbol\""_s;
        QTest::addRow("a real word, wrong here") << u"Esta aquí"_s << u"Está aquí"_s << u"«Esta» se escribe \"Está\""_s;
    }
    void phraseTips()
    {
        QFETCH(QString, typed);
        QFETCH(QString, model);
        QFETCH(QString, start);
        const QString tip = WordExplanation::ofPhraseDifferences(typed, model);
        QVERIFY2(tip.startsWith(start), qPrintable(tip));
    }

    // The shipped list reads without a bad line, and it has the last word over both sources.
    void reviewedListRules()
    {
        QStringList problems;
        const QList<SpellingDictionary::Correction> corrections =
            SpellingDictionary::readCorrections(SpellingDictionary::correctionsResource(), &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY(corrections.size() > 100);
        for (const SpellingDictionary::Correction &correction : corrections)
            QVERIFY2(dictionary().isWord(correction.form) == correction.isWord, qPrintable(correction.form));
    }

    void malformedListLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addRow("no reason") << QByteArray("guion\tsí");
        QTest::addRow("neither sí nor no") << QByteArray("guion\tquizá\tmonosílaba");
        QTest::addRow("capitals") << QByteArray("Guion\tsí\tmonosílaba");
        QTest::addRow("spaces for tabs") << QByteArray("guion sí monosílaba");
    }
    void malformedListLines()
    {
        QFETCH(QByteArray, line);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"lista.tsv"_s);
        writeFile(path, "# comentario\ntruhan\tsí\tmonosílaba\n" + line + "\n");
        QStringList problems;
        const QList<SpellingDictionary::Correction> read = SpellingDictionary::readCorrections(path, &problems);
        QCOMPARE(read.size(), 1);
        QCOMPARE(read[0].form, u"truhan"_s);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].contains(u"línea 3"_s), qPrintable(problems[0]));
    }

    // Without hunspell's files the program goes on: no word is judged, the rule is explained,
    // and the reason names the missing file.
    void missingDictionary()
    {
        SpellingDictionary::Sources sources = SpellingDictionary::systemSources();
        sources.dictionaryFile = u"/nonexistent/es_ES.dic"_s;
        const SpellingDictionary missing(sources);
        QVERIFY(!missing.isAvailable());
        QVERIFY2(missing.unavailableText().contains(u"/nonexistent/es_ES.dic"_s), qPrintable(missing.unavailableText()));
        QVERIFY(!missing.isWord(u"casa"_s));
        QVERIFY(missing.realVariants(u"arbol"_s).isEmpty());
        QCOMPARE(SpellingExplanation::ruleSentence(u"arbol"_s, missing), ruleOf(u"arbol"_s));
    }
};

QTEST_GUILESS_MAIN(TestSpelling)
#include "tst_spelling.moc"
