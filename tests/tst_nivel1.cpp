// The shipped board file: forty board words and enough replacements, every one a real,
// correctly written Spanish word that fits the selectors, and a fair one: of the variants its
// selector offers, the word itself is the only real word, so a student who picks another real
// word is never charged a miss.
#include "exercises/AccentVariants.h"
#include "shared/Accents.h"
#include "shared/TextFile.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Spellings the 2010 norm retired, which the word lists still hold: monosyllables that lost
// their tilde and "sólo". None of them may stand on the board, and a variant spelt so is no word.
const QSet<QString> retiredSpellings = {
    u"guión"_s, u"truhán"_s, u"sólo"_s, u"ión"_s, u"prión"_s, u"lió"_s, u"lié"_s, u"crió"_s, u"crié"_s,
    u"frió"_s, u"fié"_s, u"fió"_s, u"guié"_s, u"guió"_s, u"huí"_s, u"huís"_s, u"pié"_s, u"pió"_s, u"rió"_s,
    u"dió"_s, u"fué"_s, u"vió"_s,
};
// Their current forms, which the word lists lack: real words.
const QSet<QString> currentMonosyllables = {
    u"guion"_s, u"truhan"_s, u"ion"_s, u"prion"_s, u"lio"_s, u"lie"_s, u"crio"_s, u"crie"_s, u"frio"_s,
    u"fie"_s, u"fio"_s, u"guie"_s, u"guio"_s, u"hui"_s, u"huis"_s, u"pie"_s, u"pio"_s, u"rio"_s,
};

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

    QSet<QString> m_wspanish;
    QSet<QString> m_hunspell; // the words asked about that hunspell accepts

    // hunspell knows the voseo imperatives ("casá", "ideá"), which no student of this program
    // writes: a form that only hunspell knows, ends in an accented á, é or í and is its verb's
    // infinitive without the r does not make a board word unfair.
    bool isVoseoImperative(const QString &form) const
    {
        const QChar last = form.isEmpty() ? QChar() : form.back();
        const QChar plain = Accents::plainVowel(last);
        if (plain.isNull() || !u"aei"_s.contains(plain) || m_wspanish.contains(form) || !m_hunspell.contains(form))
            return false;
        return m_wspanish.contains(form.chopped(1) + plain + u'r');
    }

    bool isRealWord(const QString &form) const
    {
        if (retiredSpellings.contains(form))
            return false;
        return currentMonosyllables.contains(form) || m_wspanish.contains(form) || m_hunspell.contains(form);
    }

    // Both dictionaries know the word (or it is one of the 2010 monosyllables), and none of its
    // selector's other variants is a real word.
    QString unfairness(const QString &word) const
    {
        if (retiredSpellings.contains(word))
            return u"spelt as before 2010"_s;
        if (!currentMonosyllables.contains(word) && !(m_wspanish.contains(word) && m_hunspell.contains(word)))
            return u"not in both dictionaries"_s;
        QStringList others;
        for (const QString &variant : selectorVariants(word))
            if (variant != word && isRealWord(variant) && !isVoseoImperative(variant))
                others << variant;
        return others.isEmpty() ? QString() : u"also a word: "_s + others.join(u", "_s);
    }

private slots:
    void initTestCase()
    {
        QFile dictionaryFile(QStringLiteral("/usr/share/dict/spanish"));
        QVERIFY2(dictionaryFile.open(QIODevice::ReadOnly), "the wspanish word list is missing");
        const QStringList dictionaryWords = QString::fromUtf8(dictionaryFile.readAll()).split(u'\n');
        m_wspanish = QSet<QString>(dictionaryWords.cbegin(), dictionaryWords.cend());

        // Every form asked about below, through one hunspell run: it prints the ones it rejects.
        QStringList forms = {u"medicó"_s, u"casá"_s, u"casar"_s};
        for (const QString &word : boardWords() + QStringList{u"médico"_s, u"río"_s, u"mamá"_s, u"casa"_s})
            forms << word << selectorVariants(word);
        forms.removeDuplicates();
        QProcess hunspell;
        hunspell.start(u"hunspell"_s, {u"-d"_s, u"es_ES"_s, u"-l"_s, u"-i"_s, u"utf-8"_s});
        QVERIFY2(hunspell.waitForStarted(), "hunspell is missing (packages hunspell and hunspell-es)");
        hunspell.write((forms.join(u'\n') + u'\n').toUtf8());
        hunspell.closeWriteChannel();
        QVERIFY(hunspell.waitForFinished(60000));
        QCOMPARE(hunspell.exitCode(), 0);
        const QStringList rejected = QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(!rejected.contains(u"casa"_s), "hunspell has no Spanish dictionary (package hunspell-es)");
        for (const QString &form : forms)
            if (!rejected.contains(form))
                m_hunspell.insert(form);
    }

    // The checker itself: retired spellings are no words, their 2010 forms are, a verb form
    // only hunspell knows counts, a voseo imperative does not.
    void dictionaries_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("real");
        QTest::addColumn<bool>("voseo");
        for (const QString &old : {u"guión"_s, u"truhán"_s, u"sólo"_s, u"ión"_s, u"lió"_s, u"crió"_s, u"guié"_s, u"fié"_s})
            QTest::addRow("retired %s", qPrintable(old)) << old << false << false;
        for (const QString &current : {u"guion"_s, u"truhan"_s, u"ion"_s, u"lio"_s, u"crio"_s, u"guie"_s, u"fie"_s})
            QTest::addRow("2010 %s", qPrintable(current)) << current << true << false;
        QTest::addRow("medicó, hunspell only") << u"medicó"_s << true << false;
        QTest::addRow("casá, a voseo imperative") << u"casá"_s << true << true;
        QTest::addRow("casa") << u"casa"_s << true << false;
    }
    void dictionaries()
    {
        QFETCH(QString, form);
        QFETCH(bool, real);
        QFETCH(bool, voseo);
        QCOMPARE(isRealWord(form), real);
        QCOMPARE(isVoseoImperative(form), voseo);
    }

    void fairness_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("fair");
        QTest::addRow("médico / medico / medicó") << u"médico"_s << false;
        QTest::addRow("río / rio") << u"río"_s << false;
        QTest::addRow("mamá / mama") << u"mamá"_s << false;
        QTest::addRow("casa beside the voseo casá") << u"casa"_s << true;
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
