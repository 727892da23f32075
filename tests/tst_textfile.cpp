// Text files: encoding guess, Windows-1252 writing, line splitting, safe saving, and the
// dialog texts derived from the program's own.
#include "AppErrorText.h"
#include "FileFixtures.h"

#include "ui/DialogService.h"
#include "shared/TextFile.h"
#include "shared/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::addRow("windows-1252 accents") << QByteArray("cami\xF3n \xE1rbol ping\xFCino") << "camión árbol pingüino";
        QTest::addRow("windows-1252 quotes and euro") << QByteArray("\x93s\xED\x94 \x80") << "“sí” €";
        QTest::addRow("utf-8 accents") << QByteArray("cami\xC3\xB3n") << "camión";
        QTest::addRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBFs\xC3\xAD") << "sí";
        QTest::addRow("plain ascii") << QByteArray("sol") << "sol";
        QTest::addRow("broken utf-8 is windows-1252") << QByteArray("\xC3\xB3 \xF3") << "Ã³ ó";
        QTest::addRow("utf-16 le, as Windows editors save Unicode")
            << QByteArray("\xFF\xFEs\0\xED\0\r\0\n\0", 10) << "sí\r\n";
        QTest::addRow("utf-16 be") << QByteArray("\xFE\xFF\0s\0\xED", 6) << "sí";
        QTest::addRow("lines in both encodings, each decoded as written")
            << QByteArray("caf\xC3\xA9\r\ncami\xF3n\nu\xC3\xB1" "a") << "café\r\ncamión\nuña";
        QTest::addRow("decomposed accents are composed")
            << QByteArray("Qu\x65\xCC\x81 ma\xCC\x81s") << "Qué más";
        QTest::addRow("decomposed accents with a bom") << QByteArray("\xEF\xBB\xBF" "a\xCC\x81rbol") << "árbol";
        QTest::addRow("decomposed utf-8 line among windows-1252 lines")
            << QByteArray("cami\xF3n\na\xCC\x81rbol") << "camión\nárbol";
        // Forms that UTF-8 forbids are not UTF-8: such a line is Windows-1252.
        QTest::addRow("overlong form") << QByteArray("\xC0\xAF") << "À¯";
        QTest::addRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << "í\u00A0€";
        QTest::addRow("past the last code point") << QByteArray("\xF4\x90\x80\x80") << "ô\u0090€€";
        QTest::addRow("sequence cut at the end") << QByteArray("caf\xC3") << "cafÃ";
        QTest::addRow("four-byte character") << QByteArray("a\xF0\x9F\x98\x80") << "a😀";
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(TextFile::decode(bytes), expected);
    }

    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::addRow("accents") << "camión Ñ ü" << QByteArray("cami\xF3n \xD1 \xFC");
        QTest::addRow("euro") << "€" << QByteArray("\x80");
        QTest::addRow("outside the code page") << "a→b" << QByteArray("a?b");
    }
    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(TextFile::encodeWindows1252(text), expected);
    }

    // The code page is read by table; Qt's own converter (through ICU) is the independent
    // reference for all 256 bytes and for every character of the basic plane.
    void windows1252AgreesWithQtsConverter()
    {
        QStringDecoder reference("windows-1252", QStringDecoder::Flag::Stateless);
        if (!reference.isValid())
            QSKIP("Qt was built without a Windows-1252 converter");
        for (int byte = 0; byte < 256; ++byte) {
            const char one = static_cast<char>(byte);
            QCOMPARE(Windows1252::decode(QByteArrayView(&one, 1)), reference.decode(QByteArrayView(&one, 1)));
        }
        for (char16_t code = 0; code < 0xD800; ++code) {
            QStringEncoder single("windows-1252", QStringEncoder::Flag::Stateless);
            const QChar ch(code);
            const QByteArray expected = single.encode(QStringView(&ch, 1));
            const std::optional<char> byte = Windows1252::encode(ch);
            QCOMPARE(byte.has_value(), !single.hasError());
            if (byte)
                QCOMPARE(QByteArray(1, *byte), expected);
        }
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::addRow("lf without final break") << "a\nb" << QStringList{"a", "b"};
        QTest::addRow("lone cr") << "a\rb" << QStringList{"a", "b"};
        QTest::addRow("empty lines kept") << "a\n\n b \n" << QStringList{"a", "", " b "};
        QTest::addRow("empty text") << "" << QStringList{};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(TextFile::splitLines(text), expected);
    }

    void writeThenRead()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("frases.txt"));
        TextFile::writeLines(path, {QStringLiteral("Él está aquí."), QStringLiteral("¿Por qué?")});
        QCOMPARE(fileBytes(path), QByteArray("\xC9l est\xE1 aqu\xED.\r\n\xBFPor qu\xE9?\r\n"));
        QCOMPARE(TextFile::readLines(path), (QStringList{"Él está aquí.", "¿Por qué?"}));
    }

    void failedWriteKeepsThePreviousFile_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("limit");
        QTest::addRow("larger than the write buffer") << 2000 << 4096;
        // The bytes of a short file would wait in a buffer, and only their late write fail.
        QTest::addRow("a short file") << 20 << 64;
    }
    void failedWriteKeepsThePreviousFile()
    {
        QFETCH(int, lines);
        QFETCH(int, limit);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("nivel1.txt"));
        TextFile::writeLines(path, {QStringLiteral("sol")});

        QString message;
        {
            FileSizeLimit small{rlim_t(limit)};
            QVERIFY(small.isSet());
            message = appErrorText([&] { TextFile::writeLines(path, QStringList(lines, QStringLiteral("una línea más larga"))); });
        }

        QCOMPARE(message, QStringLiteral("No se ha podido guardar el archivo %1: ha fallado la escritura. "
                                         "No se ha perdido nada de lo guardado antes.")
                              .arg(path));
        QCOMPARE(TextFile::readLines(path), QStringList{"sol"});
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"nivel1.txt"});
    }

    void unreadableFilesRaiseASpanishError_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addRow("missing") << "/no/existe/nivel1.txt" << "No se puede abrir el archivo /no/existe/nivel1.txt.";
        QTest::addRow("a folder") << "/tmp" << "No se puede abrir el archivo /tmp.";
        QTest::addRow("a device without end") << "/dev/zero" << "No se puede abrir el archivo /dev/zero.";
        QTest::addRow("opens but cannot be read") << "/proc/self/mem" << "No se puede leer el archivo /proc/self/mem.";
    }
    void unreadableFilesRaiseASpanishError()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        QCOMPARE(appErrorText([&] { TextFile::readLines(path); }), message);
    }

    void binaryFileIsNotText()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("foto.txt"));
        TextFile::writeBytes(path, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
        QCOMPARE(appErrorText([&] { TextFile::readLines(path); }), QStringLiteral("El archivo %1 no es un archivo de texto.").arg(path));
        // A tab, a form feed and a BOM are text.
        TextFile::writeBytes(path, "\xEF\xBB\xBF" "a\tb\f\n");
        QCOMPARE(TextFile::readLines(path), QStringList{"a\tb\f"});
    }

    // A file whose size is past the limit is refused before it is read (mended: 256 MB were
    // read first): the process's peak memory does not grow by the file's size.
    void oversizedFileIsRefusedUnread()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("enorme.txt"));
        QFile sparse(path);
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(TextFile::maxFileBytes + 1));
        sparse.close();
        const auto peakKb = [] {
            rusage usage {};
            getrusage(RUSAGE_SELF, &usage);
            return qint64(usage.ru_maxrss);
        };
        const qint64 before = peakKb();
        QCOMPARE(appErrorText([&] { TextFile::readBytes(path); }), QStringLiteral("El archivo %1 es demasiado grande.").arg(path));
        QVERIFY2(peakKb() - before < 32 * 1024, qPrintable(QStringLiteral("%1 KB more").arg(peakKb() - before)));
    }

    void nameFilters_data()
    {
        QTest::addColumn<QString>("described");
        QTest::addColumn<QString>("expected");
        QTest::addRow("board") << "Archivos de texto (*.TXT)|*.TXT|Rich text files (*.RTF)|*.RTF"
                               << "Archivos de texto (*.TXT *.txt);;Rich text files (*.RTF *.rtf)";
        QTest::addRow("several patterns") << "Todos|*.txt;*.rtf" << "Todos (*.txt *.TXT *.rtf *.RTF)";
    }
    void nameFilters()
    {
        QFETCH(QString, described);
        QFETCH(QString, expected);
        QCOMPARE(DialogText::qtNameFilters(described), expected);
    }

    void lineBreaks()
    {
        QCOMPARE(DialogText::withLineBreaks(QStringLiteral("uno\rdos\r\ntres")), QStringLiteral("uno\ndos\ntres"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
