// "tildora --explicar": the real program, started with no display at all.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using namespace Qt::StringLiterals;

class TestExplicar : public QObject {
    Q_OBJECT

private:
    struct Run {
        int status = -1;
        QStringList lines;
        QString errors;
    };

    static Run run(const QStringList &arguments)
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TILDORA_EXECUTABLE), arguments);
        Run result;
        if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
            return result;
        result.status = program.exitCode();
        result.lines = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        result.errors = QString::fromUtf8(program.readAllStandardError());
        return result;
    }

private slots:
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

    void helpIsInSpanish()
    {
        const Run result = run({u"--help"_s});
        QCOMPARE(result.status, 0);
        const QString text = result.lines.join(u'\n');
        QVERIFY(text.startsWith(u"Uso: tildora"_s));
        QVERIFY(text.contains(u"--explicar PALABRA"_s));
    }

    void noWordIsAnError()
    {
        const Run result = run({u"--explicar"_s});
        QCOMPARE(result.status, 2);
        QVERIFY(result.lines.isEmpty());
        QVERIFY2(result.errors.contains(u"al menos una palabra"_s), qPrintable(result.errors));
    }
};

QTEST_GUILESS_MAIN(TestExplicar)
#include "tst_explicar.moc"
