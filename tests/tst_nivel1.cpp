// The shipped board file: forty board words and enough replacements, every one a real,
// correctly written Spanish word that fits the selectors, and a fair one: of the variants its
// selector offers, the word itself is the only real word, so a student who picks another real
// word is never charged a miss.
#include "spanish/AccentVariants.h"
#include "shared/Accents.h"
#include "shared/TextFile.h"
#include "spanish/SpellingDictionary.h"

#include <QSet>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList boardWords()
{
    return TextFile::readLines(QStringLiteral(TILDORA_DATA "/nivel1.txt"));
}

QStringList selectorVariants(const QString &word)
{
    return AccentVariants::variants(AccentVariants::caption(word));
}

} // namespace

class TestNivel1 : public QObject {
    Q_OBJECT

    // The program's own spelling check: hunspell, the word list and the reviewed 2010 list.
    static const SpellingDictionary &dictionary() { return SpellingDictionary::shared(); }

    // The word is a real word, and none of its selector's other variants is one.
    static QString unfairness(const QString &word)
    {
        if (!dictionary().isWord(word))
            return u"not a word by the spelling check"_s;
        QStringList others;
        const QStringList real = dictionary().realVariants(word);
        for (const QString &variant : selectorVariants(word))
            if (variant != word && real.contains(variant))
                others << variant;
        return others.isEmpty() ? QString() : u"also a word: "_s + others.join(u", "_s);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(dictionary().isAvailable(), qPrintable(dictionary().unavailableText()));
    }

    // The check the board is measured with: retired spellings are no words, their 2010 forms
    // are, a verb form only hunspell knows counts, a voseo imperative is never a rival.
    void dictionaries_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("real");
        for (const QString &old : {u"guión"_s, u"truhán"_s, u"sólo"_s, u"ión"_s, u"lió"_s, u"crió"_s, u"guié"_s, u"fié"_s, u"reir"_s})
            QTest::addRow("retired %s", qPrintable(old)) << old << false;
        for (const QString &current : {u"guion"_s, u"truhan"_s, u"ion"_s, u"lio"_s, u"crio"_s, u"guie"_s, u"fie"_s, u"reír"_s})
            QTest::addRow("2010 %s", qPrintable(current)) << current << true;
        QTest::addRow("medicó, hunspell only") << u"medicó"_s << true;
        QTest::addRow("casa") << u"casa"_s << true;
    }
    void dictionaries()
    {
        QFETCH(QString, form);
        QFETCH(bool, real);
        QCOMPARE(dictionary().isWord(form), real);
    }

    void fairness_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("fair");
        QTest::addRow("médico / medico / medicó") << u"médico"_s << false;
        QTest::addRow("río / rio") << u"río"_s << false;
        QTest::addRow("mamá / mama") << u"mamá"_s << false;
        QTest::addRow("casa beside the voseo casá") << u"casa"_s << true;
        QTest::addRow("guion beside the retired guión") << u"guion"_s << true;
    }
    void fairness()
    {
        QFETCH(QString, word);
        QFETCH(bool, fair);
        QCOMPARE(unfairness(word).isEmpty(), fair);
    }

    void everyLineIsFair_data()
    {
        QTest::addColumn<QString>("word");
        const QStringList words = boardWords();
        for (int line = 1; line <= words.size(); ++line)
            QTest::addRow("line %d %s", line, qPrintable(words[line - 1])) << words[line - 1];
    }
    void everyLineIsFair()
    {
        QFETCH(QString, word);
        const QString problem = unfairness(word);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void boardFileIsWindows1252WithAGoodMix()
    {
        const QByteArray bytes = TextFile::readBytes(QStringLiteral(TILDORA_DATA "/nivel1.txt"));
        // Windows-1252 with accents is never valid UTF-8: make sure it is not UTF-8.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString asUtf8 = utf8.decode(bytes);
        Q_UNUSED(asUtf8);
        QVERIFY(utf8.hasError());

        const QStringList words = boardWords();
        QVERIFY(words.size() >= 240);
        QSet<QString> seen;
        int accented = 0;
        int boardAccented = 0;
        for (const QString &word : words) {
            QVERIFY2(word.size() <= 12, qPrintable(word));
            QCOMPARE(Accents::lowerAsciiLetters(word), word);
            QVERIFY2(!seen.contains(word), qPrintable(word));
            seen.insert(word);
            if (Accents::plainForm(word) != word) {
                ++accented;
                boardAccented += seen.size() <= 40;
            }
        }
        // The forty words on the board must not teach that every word carries an accent.
        QVERIFY2(boardAccented >= 20 && boardAccented <= 28, qPrintable(QString::number(boardAccented)));
        // A good mix: words with and without a written accent.
        QVERIFY(accented > words.size() / 4);
        QVERIFY(accented < words.size() * 3 / 4);
    }
};

QTEST_GUILESS_MAIN(TestNivel1)
#include "tst_nivel1.moc"
