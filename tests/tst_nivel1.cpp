// The shipped board file: forty board words and enough replacements, every one a real,
// correctly written Spanish word that fits the selectors.
#include "shared/Accents.h"
#include "shared/TextFile.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

class TestNivel1 : public QObject {
    Q_OBJECT

private slots:
    void boardFileIsWindows1252WithRealWords()
    {
        const QString path = QStringLiteral(TILDORA_DATA "/nivel1.txt");
        const QByteArray bytes = TextFile::readBytes(path);
        // Windows-1252 with accents is never valid UTF-8: make sure it is not UTF-8.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString asUtf8 = utf8.decode(bytes);
        Q_UNUSED(asUtf8);
        QVERIFY(utf8.hasError());

        const QStringList words = TextFile::readLines(path);
        QVERIFY(words.size() >= 240);

        QFile dictionaryFile(QStringLiteral("/usr/share/dict/spanish"));
        QVERIFY2(dictionaryFile.open(QIODevice::ReadOnly), "the wspanish word list is missing");
        const QStringList dictionaryWords = QString::fromUtf8(dictionaryFile.readAll()).split(QLatin1Char('\n'));
        const QSet<QString> dictionary(dictionaryWords.cbegin(), dictionaryWords.cend());

        QSet<QString> seen;
        int accented = 0;
        int boardAccented = 0;
        for (const QString &word : words) {
            QVERIFY2(dictionary.contains(word), qPrintable(word));
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
