// The command line: "tildora --explicar" and every option, on the real program started with no
// display at all (or the offscreen one), and how the arguments are read.
#include "app/CommandLine.h"
#include "spanish/ExplainCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestExplicar : public QObject {
    Q_OBJECT

private:
    // Where the new boards look for a history: none there, so a seed gives one board.
    QTemporaryDir m_dataHome;

    struct Run {
        int status = -1;
        QStringList lines;
        QString errors;
    };

    static Run run(const QStringList &arguments, bool offscreenDisplay = false, const QString &outputFile = QString())
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.remove(u"XDG_SESSION_TYPE"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        if (offscreenDisplay)
            environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        if (!outputFile.isEmpty())
            program.setStandardOutputFile(outputFile);
        program.start(QStringLiteral(TILDORA_EXECUTABLE), arguments);
        Run result;
        if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) {
            // A window opened by mistake would wait for ever.
            program.kill();
            program.waitForFinished();
            return result;
        }
        result.status = program.exitCode();
        result.lines = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        result.errors = QString::fromUtf8(program.readAllStandardError());
        return result;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dataHome.isValid());
        qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
    }

    // The board saved is the board printed for the same seed, in the shipped boards' code page.
    void aNewBoardSavedIsTheOnePrinted()
    {
        const Run printed = run({u"--tablero-nuevo"_s, u"--semilla"_s, u"7"_s});
        QCOMPARE(printed.status, 0);
        const QString path = m_dataHome.filePath(u"tablero.txt"_s);
        const Run saved = run({u"--tablero-nuevo"_s, u"--guardar"_s, path, u"--semilla=7"_s});
        QCOMPARE(saved.status, 0);
        QCOMPARE(saved.lines, printed.lines.mid(printed.lines.size() - 2));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        const QStringList words = QString::fromLatin1(bytes).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QCOMPARE(words.size(), 40 + 251);
        QCOMPARE(words, printed.lines.mid(0, words.size()));
    }

    void explainsEachWordOnOneLine()
    {
        const Run result = run({u"--explicar"_s, u"árbol"_s, u"país"_s, u"buey"_s, u"CAMIÓN"_s});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.lines.size(), 4);
        QCOMPARE(result.lines[0], u"árbol\tár-bol\t2\tllana\t-\tllana terminada en -l, lleva tilde."_s);
        const QStringList pais = result.lines[1].split(u'\t');
        QCOMPARE(pais.size(), 6);
        QCOMPARE(pais.mid(0, 5), QStringList({u"país"_s, u"pa-ís"_s, u"1"_s, u"aguda"_s, u"hiato a-í"_s}));
        QCOMPARE(result.lines[2].split(u'\t').mid(0, 5),
                 QStringList({u"buey"_s, u"buey"_s, u"1"_s, u"monosílaba"_s, u"triptongo uey"_s}));
        QCOMPARE(result.lines[3].split(u'\t').mid(0, 2), QStringList({u"CAMIÓN"_s, u"CA-MIÓN"_s}));
    }

    // A misspelt word: the first five fields describe it as given, the sixth names its right
    // form first.
    void aMisspeltWordIsToldItsRightForm()
    {
        const Run result = run({u"--explicar"_s, u"arbol"_s});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.lines.size(), 1);
        const QStringList fields = result.lines[0].split(u'\t');
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields.mid(0, 4), QStringList({u"arbol"_s, u"ar-bol"_s, u"1"_s, u"aguda"_s}));
        QVERIFY2(fields[5].startsWith(u"\"arbol\" se escribe \"árbol\" (ár-bol): llana"_s), qPrintable(fields[5]));
    }

    void aWordItCannotTakeEndsWithStatusOne()
    {
        const Run result = run({u"--explicar"_s, u"casa"_s, u"cámión"_s});
        QCOMPARE(result.status, 1);
        QCOMPARE(result.lines.size(), 2);
        const QStringList fields = result.lines[1].split(u'\t');
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields[0], u"cámión"_s);
        QCOMPARE(fields[1], u"error"_s);
        QVERIFY2(fields[5].contains(u"dos tildes"_s), qPrintable(fields[5]));
    }

    // Each run ends by itself, with a Spanish message where something is wrong, display or not.
    void commandLineRuns_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("offscreenDisplay");
        QTest::addColumn<QString>("outputFile");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        const QString usage = u"Uso: tildora"_s;
        QTest::addRow("help in Spanish") << QStringList{u"--help"_s} << false << QString() << 0
                                         << u"Uso: tildora [--explicar PALABRA…] [--clase CARPETA]\n"_s << QString();
        QTest::addRow("no word") << QStringList{u"--explicar"_s} << false << QString() << 2 << QString()
                                 << u"--explicar necesita al menos una palabra"_s;
        QTest::addRow("unknown option") << QStringList{u"--bogus"_s} << false << QString() << 2 << QString()
                                        << u"opción desconocida: «--bogus»"_s;
        QTest::addRow("unknown option with a display") << QStringList{u"--bogus"_s} << true << QString() << 2
                                                       << QString() << usage;
        QTest::addRow("near miss") << QStringList{u"--explica"_s, u"árbol"_s} << true << QString() << 2 << QString()
                                   << u"¿Querías decir «--explicar»?"_s;
        QTest::addRow("stray argument") << QStringList{u"nivel1.txt"_s} << false << QString() << 2 << QString()
                                        << u"no se esperaba «nivel1.txt»"_s;
        QTest::addRow("class view without a display") << QStringList{u"--clase"_s, QDir::tempPath()} << false
                                                       << QString() << 2 << QString() << u"ninguna pantalla"_s;
        QTest::addRow("practice window without a display") << QStringList() << false << QString() << 2 << QString()
                                                           << u"ninguna pantalla"_s;
        QTest::addRow("class view without its folder") << QStringList{u"--clase"_s} << false << QString() << 2
                                                       << QString() << u"Falta la carpeta"_s;
        QTest::addRow("-h after --explicar is a word") << QStringList{u"--explicar"_s, u"-h"_s} << false << QString()
                                                       << 1 << u"-h\terror\t"_s << QString();
        QTest::addRow("decomposed accent") << QStringList{u"--explicar"_s, u"a\u0301rbol"_s} << false << QString() << 0
                                           << u"árbol\tár-bol\t2\t"_s << QString();
        QTest::addRow("control characters escaped")
            << QStringList{u"--explicar"_s, u"ca\tsa\x1b[1m\\"_s} << false << QString() << 1
            << u"ca\\tsa\\u{001b}[1m\\\\\terror\t"_s << QString();
        QTest::addRow("refused character shown whole") << QStringList{u"--explicar"_s, u"a😀b"_s} << false
                                                       << QString() << 1 << u"«😀»"_s << QString();
        QTest::addRow("full output") << QStringList{u"--explicar"_s, u"árbol"_s} << false << u"/dev/full"_s << 1
                                     << QString() << u"no se ha podido escribir la salida"_s;
        QTest::addRow("full output for the help") << QStringList{u"--help"_s} << false << u"/dev/full"_s << 1
                                                  << QString() << u"no queda espacio"_s;
        QTest::addRow("help names the new board") << QStringList{u"--help"_s} << false << QString() << 0
                                                  << u"tildora --tablero-nuevo [--semilla N] [--guardar ARCHIVO]\n"_s
                                                  << QString();
        QTest::addRow("new board without a display")
            << QStringList{u"--tablero-nuevo"_s, u"--semilla"_s, u"42"_s} << false << QString() << 0
            << u"\nPractica todas las reglas por igual: aguda con tilde; "_s << QString();
        QTest::addRow("new board, bad seed") << QStringList{u"--tablero-nuevo"_s, u"--semilla"_s, u"-3"_s} << false
                                             << QString() << 2 << QString() << u"no «-3»"_s;
        QTest::addRow("new board, unwritable file")
            << QStringList{u"--tablero-nuevo"_s, u"--guardar"_s, u"/nonexistent/tablero.txt"_s} << false << QString()
            << 1 << QString() << u"No se puede crear el archivo /nonexistent/tablero.txt."_s;
        QTest::addRow("new board, full output") << QStringList{u"--tablero-nuevo"_s} << false << u"/dev/full"_s << 1
                                                << QString() << u"no queda espacio"_s;
        // The tests run with the program's sound off: the words are explained, their syllables
        // written, and the missing voice said once.
        QTest::addRow("voice after the words") << QStringList{u"--explicar"_s, u"árbol"_s, u"--voz"_s} << false
                                               << QString() << 0 << u"\tllana terminada en -l, lleva tilde.\nSe pronuncia: ÁR-bol"_s
                                               << u"tildora: No hay ningún dispositivo de sonido: el sonido del programa está apagado"_s;
        QTest::addRow("voice before, a word it cannot take")
            << QStringList{u"--voz"_s, u"--explicar"_s, u"2B"_s, u"CAMIÓN"_s} << false << QString() << 1
            << u"escríbela con letras.\nCAMIÓN\tCA-MIÓN\t1\taguda\tdiptongo IÓ\taguda terminada en -n, lleva tilde.\nSe pronuncia: ca-MIÓN"_s
            << u"Las palabras se explican sin voz."_s;
        QTest::addRow("voice without words") << QStringList{u"--voz"_s} << false << QString() << 2 << QString()
                                             << u"«--voz» solo va con «--explicar»"_s;
        QTest::addRow("voice, full output") << QStringList{u"--explicar"_s, u"sol"_s, u"--voz"_s} << false
                                            << u"/dev/full"_s << 1 << QString() << u"no queda espacio"_s;
    }
    void commandLineRuns()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, offscreenDisplay);
        QFETCH(QString, outputFile);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        if (!outputFile.isEmpty() && !QFileInfo::exists(outputFile))
            QSKIP("no /dev/full on this system");
        const Run result = run(arguments, offscreenDisplay, outputFile);
        QCOMPARE(result.status, status);
        const QString printed = result.lines.join(u'\n');
        QVERIFY2(printed.contains(output), qPrintable(printed));
        QVERIFY2(result.errors.contains(errors), qPrintable(result.errors));
        // The toolkit's own English abort never shows.
        QVERIFY2(!result.errors.contains(u"Qt platform plugin"_s), qPrintable(result.errors));
        if (status == 2)
            QVERIFY(result.lines.isEmpty());
    }

    void argumentsRead_data()
    {
        using Action = CommandLine::Request::Action;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("error");
        QTest::addRow("nothing") << QStringList() << int(Action::PracticeWindow) << QString() << QString();
        QTest::addRow("toolkit options left to it")
            << QStringList{u"-platform"_s, u"offscreen"_s, u"--style=fusion"_s, u"-reverse"_s}
            << int(Action::PracticeWindow) << QString() << QString();
        QTest::addRow("class view and a toolkit option") << QStringList{u"--clase"_s, u"2B"_s, u"-style"_s, u"x"_s}
                                                         << int(Action::ClassView) << u"2B"_s << QString();
        QTest::addRow("help ends the reading")
            << QStringList{u"-h"_s, u"--bogus"_s} << int(Action::Help) << QString() << QString();
        QTest::addRow("unknown before help") << QStringList{u"--bogus"_s, u"--help"_s} << int(Action::Refused)
                                             << QString() << u"«--bogus»"_s;
        QTest::addRow("--help after --explicar is a word") << QStringList{u"--explicar"_s, u"--help"_s}
                                                           << int(Action::Explain) << QString() << QString();
        QTest::addRow("class view and explain together")
            << QStringList{u"--clase"_s, u"2B"_s, u"--explicar"_s, u"sol"_s} << int(Action::Refused) << QString()
            << u"no van juntas"_s;
        QTest::addRow("class view twice") << QStringList{u"--clase=a"_s, u"--clase=b"_s} << int(Action::Refused)
                                          << QString() << u"solo se puede dar una vez"_s;
        QTest::addRow("the first fault from the left: no folder")
            << QStringList{u"--clase"_s, u"--bogus"_s} << int(Action::Refused) << QString() << u"Falta la carpeta"_s;
        QTest::addRow("the first fault from the left: stray argument")
            << QStringList{u"nivel1.txt"_s, u"--bogus"_s} << int(Action::Refused) << QString() << u"«nivel1.txt»"_s;
        QTest::addRow("an option spelt otherwise") << QStringList{u"-clase"_s, u"2B"_s} << int(Action::Refused)
                                                   << QString() << u"opción desconocida: «-clase»."_s;
        QTest::addRow("the help's option with a value") << QStringList{u"--help=x"_s} << int(Action::Refused)
                                                        << QString() << u"¿Querías decir «--help»?"_s;
        QTest::addRow("new board") << QStringList{u"--tablero-nuevo"_s, u"--semilla"_s, u"7"_s, u"--guardar=t.txt"_s}
                                   << int(Action::NewBoard) << QString() << QString();
        QTest::addRow("new board's seed without it") << QStringList{u"--semilla=7"_s} << int(Action::Refused)
                                                     << QString() << u"solo va con «--tablero-nuevo»"_s;
        QTest::addRow("seed past 32 bits") << QStringList{u"--tablero-nuevo"_s, u"--semilla"_s, u"4294967296"_s}
                                           << int(Action::Refused) << QString() << u"de 0 a 4294967295"_s;
        QTest::addRow("seed twice") << QStringList{u"--tablero-nuevo"_s, u"--semilla=1"_s, u"--semilla=2"_s}
                                    << int(Action::Refused) << QString() << u"solo se puede dar una vez"_s;
        QTest::addRow("file left without its name") << QStringList{u"--tablero-nuevo"_s, u"--guardar"_s}
                                                    << int(Action::Refused) << QString() << u"falta el valor"_s;
        QTest::addRow("new board and class view together")
            << QStringList{u"--clase"_s, u"2B"_s, u"--tablero-nuevo"_s} << int(Action::Refused) << QString()
            << u"no van juntas"_s;
        QTest::addRow("voice spelt otherwise") << QStringList{u"-voz"_s, u"--explicar"_s, u"sol"_s} << int(Action::Refused)
                                               << QString() << u"opción desconocida: «-voz»."_s;
        QTest::addRow("voice with a new board") << QStringList{u"--tablero-nuevo"_s, u"--voz"_s} << int(Action::Refused)
                                                << QString() << u"«--voz» solo va con «--explicar»"_s;
        QTest::addRow("voice with the class view") << QStringList{u"--clase=2B"_s, u"--voz"_s} << int(Action::Refused)
                                                   << QString() << u"«--voz» solo va con «--explicar»"_s;
        QTest::addRow("a toolkit option left without its value")
            << QStringList{u"--clase=2B"_s, u"-platform"_s} << int(Action::ClassView) << u"2B"_s << QString();
    }
    void argumentsRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, folder);
        const CommandLine::Request request = CommandLine::parse(QStringList{u"tildora"_s} + arguments);
        QCOMPARE(int(request.action), action);
        QCOMPARE(request.folder, folder);
        QFETCH(QString, error);
        QCOMPARE(request.error.isEmpty(), action != int(CommandLine::Request::Action::Refused));
        QVERIFY2(request.error.contains(error), qPrintable(request.error));
    }

    // The syllables with the stressed one marked, as the command line writes them and as the
    // windows show them; a word the engine cannot take has none, and the reason.
    void stressedSyllables_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("capitals");
        QTest::addColumn<QString>("bold");
        QTest::addColumn<QString>("problem");
        QTest::addRow("llana") << u"árbol"_s << u"ÁR-bol"_s << u"<b>ár</b>-bol"_s << QString();
        QTest::addRow("capitals given") << u"CAMIÓN"_s << u"ca-MIÓN"_s << u"CA-<b>MIÓN</b>"_s << QString();
        QTest::addRow("hiatus") << u"búho"_s << u"BÚ-ho"_s << u"<b>bú</b>-ho"_s << QString();
        QTest::addRow("adverb in -mente") << u"fácilmente"_s << u"FÁ-cil-men-te"_s << u"<b>fá</b>-cil-men-te"_s << QString();
        QTest::addRow("spaces around, decomposed") << u" me\u0301dico "_s << u"MÉ-di-co"_s << u"<b>mé</b>-di-co"_s << QString();
        QTest::addRow("digit") << u"2B"_s << QString() << QString() << u"la cifra «2»"_s;
        QTest::addRow("markup") << u"<b>"_s << QString() << QString() << u"no es una letra"_s;
        QTest::addRow("empty") << QString() << QString() << QString() << u"vacía"_s;
    }
    void stressedSyllables()
    {
        QFETCH(QString, word);
        QFETCH(QString, problem);
        using ExplainCommand::StressMark;
        QString given;
        QTEST(ExplainCommand::stressedSyllables(word, StressMark::Capitals, &given), "capitals");
        QTEST(ExplainCommand::stressedSyllables(word, StressMark::Bold), "bold");
        QCOMPARE(given.isEmpty(), problem.isEmpty());
        QVERIFY2(given.contains(problem), qPrintable(given));
    }
};

QTEST_GUILESS_MAIN(TestExplicar)
#include "tst_explicar.moc"
