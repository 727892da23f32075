// Loading and saving rich-text documents: RTF detection, file lines for the board, errors
// that name the file, and saves that never destroy the previous file.
#include "AppErrorText.h"
#include "FileFixtures.h"
#include "RtfFixtures.h"

#include "richtext/RichTextFile.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TestRichTextFile : public QObject {
    Q_OBJECT
private slots:
    void detection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("rtf");
        QTest::addRow("rtf") << QByteArray("{\\rtf1\\ansi x}") << true;
        QTest::addRow("after a byte order mark") << QByteArray("\xEF\xBB\xBF{\\rtf1 x}") << true;
        QTest::addRow("after white space") << QByteArray(" \r\n\t{\\rtf1 x}") << true;
        QTest::addRow("bare header") << QByteArray("{\\rtf") << true;
        QTest::addRow("plain text") << QByteArray("hola\r\n") << false;
        QTest::addRow("mentions rtf later") << QByteArray("x {\\rtf1}") << false;
        QTest::addRow("cut header") << QByteArray("{\\rt") << false;
        QTest::addRow("other capitals") << QByteArray("{\\RTF1 x}") << false;
        QTest::addRow("empty") << QByteArray() << false;
    }
    void detection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, rtf);
        QCOMPARE(RichTextFile::isRtf(bytes), rtf);
    }

    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("Windows-1252 text") << QByteArray("\xe1rbol\r\ncami\xf3n\r\n") << QStringList{u"árbol"_qs, u"camión"_qs};
        QTest::addRow("UTF-8 text") << QByteArray("árbol\nlápiz") << QStringList{u"árbol"_qs, u"lápiz"_qs};
        QTest::addRow("text that looks like RTF inside") << QByteArray("a\n{\\rtf1 b}") << QStringList{"a", "{\\rtf1 b}"};
        QTest::addRow("RTF") << QByteArray("{\\rtf1\\ansi \\'e1rbol\\par cami\\'f3n\\par}") << QStringList{u"árbol"_qs, u"camión"_qs};
        QTest::addRow("RTF after a byte order mark") << QByteArray("\xEF\xBB\xBF{\\rtf1 a\\par b}") << QStringList{"a", "b"};
        QTest::addRow("RTF with decomposed accents") << QByteArray("{\\rtf1 a\\u769?rbol\\par}") << QStringList{u"árbol"_qs};
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(RichTextFile::lines(bytes), expected);
    }

    void boardFileLines()
    {
        const QStringList lines = RichTextFile::readLines(rtfFixturePath("board.rtf"));
        QCOMPARE(lines.size(), 42);
        QCOMPARE(lines.at(0), u"árbol"_qs);
        QCOMPARE(lines.at(9), u"pingüino"_qs);
        QCOMPARE(lines.at(10), u"español"_qs);
        QCOMPARE(lines.at(40), u"conspiración"_qs);
        QCOMPARE(lines.at(41), u"acción"_qs);
    }

    // A file that cannot be read gives a Spanish message naming it, and the document stays.
    void unreadableFileNamesIt_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addRow("missing") << "/nonexistent/tablero.rtf" << "No se puede abrir el archivo /nonexistent/tablero.rtf.";
        QTest::addRow("opens but reading fails") << "/proc/self/mem" << "No se puede leer el archivo /proc/self/mem.";
    }
    void unreadableFileNamesIt()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        const QString linesMessage = appErrorText([&] { RichTextFile::readLines(path); });
        QVERIFY2(linesMessage.contains(path), qPrintable(linesMessage));

        QTextDocument document;
        document.setPlainText(QStringLiteral("se queda"));
        QCOMPARE(appErrorText([&] { RichTextFile::load(document, path); }), message);
        QCOMPARE(document.toPlainText(), QStringLiteral("se queda"));
    }

    void loadPlainAndRtf()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("frases.txt"));
        writeFile(plain, "\xbfQu\xe9 tal?\r\nBien.\r\n");
        QTextDocument document;
        RichTextFile::load(document, plain);
        QCOMPARE(document.toPlainText(), u"¿Qué tal?\nBien."_qs);
        QVERIFY(!document.isModified());
        QVERIFY(!document.isUndoAvailable());

        RichTextFile::load(document, rtfFixturePath("simple_editor.rtf"));
        QCOMPARE(document.blockCount(), 5);
        QCOMPARE(document.begin().text(), u"El árbol y la canción"_qs);
        QVERIFY(!document.isModified());
        QVERIFY(!document.isUndoAvailable());
    }

    void saveWritesRtfWhateverTheName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frases.txt"));
        QTextDocument document;
        document.setHtml(QStringLiteral("<p><b>Qué</b> tal</p><p align=center>Bien</p>"));
        RichTextFile::save(document, path);
        QVERIFY(fileBytes(path).startsWith("{\\rtf1"));

        QTextDocument copy;
        RichTextFile::load(copy, path);
        QCOMPARE(copy.toPlainText(), u"Qué tal\nBien"_qs);
        QCOMPARE(copy.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(RichTextFile::readLines(path), (QStringList{u"Qué tal"_qs, "Bien"}));
    }

    void saveIntoMissingFolderNamesTheFile()
    {
        const QString path = QStringLiteral("/nonexistent/carpeta/frases.txt");
        QTextDocument document;
        QCOMPARE(appErrorText([&] { RichTextFile::save(document, path); }),
                 QStringLiteral("No se puede crear el archivo %1.").arg(path));
    }

    void failedSaveKeepsThePreviousFile()
    {
#ifdef Q_OS_LINUX
        // A file-size limit makes the write fail after the file was created.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frases.rtf"));
        writeFile(path, "contenido anterior");
        QTextDocument document;
        document.setPlainText(QString(20000, QLatin1Char('x')));

        QString message;
        {
            FileSizeLimit small(4096);
            QVERIFY(small.isSet());
            message = appErrorText([&] { RichTextFile::save(document, path); });
        }

        QCOMPARE(message, QStringLiteral("No se ha podido guardar el archivo %1: ha fallado la escritura. "
                                         "No se ha perdido nada de lo guardado antes.")
                              .arg(path));
        QCOMPARE(fileBytes(path), QByteArray("contenido anterior"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("frases.rtf")});
#else
        QSKIP("needs a file-size limit");
#endif
    }

    void writeToDeviceThatRefuses()
    {
        QByteArray storage;
        QBuffer buffer(&storage);
        buffer.open(QIODevice::ReadOnly);
        QTextDocument document;
        document.setPlainText(QStringLiteral("x"));
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        QCOMPARE(appErrorText([&] { RichTextFile::write(document, buffer); }),
                 QStringLiteral("No se ha podido escribir el documento."));
    }
};

QTEST_MAIN(TestRichTextFile)
#include "tst_richtextfile.moc"
