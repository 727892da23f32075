// The scores gathered: the summary box and the results file.
#include "results/ResultsSummary.h"

#include "SampleFigures.h"

#include <QTest>

using namespace ResultsSummary;

class TestResultsSummary : public QObject {
    Q_OBJECT

private slots:
    void summaryBox_data()
    {
        QTest::addColumn<bool>("zero");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("expectedLines5to12");
        const QString rule(48, QLatin1Char('_'));
        QTest::addRow("example, no student")
            << false << QString() << QString()
            << QStringList{" de ", rule, "Tablero: 30 aciertos y 10 fallos = 75 %", "Ejemplos: 40 aciertos de 50 = 80 %",
                           "Frases: 6/8 = 75 %", "Cuestiones: 50 %", rule, "Promedio: 70 %"};
        QTest::addRow("all zero, with student")
            << true << QStringLiteral("Ana Núñez") << QStringLiteral("2º B")
            << QStringList{"Ana Núñez de 2º B", rule, "Tablero: 0 aciertos y 0 fallos = 0 %",
                           "Ejemplos: 0 aciertos de 0 = 0 %", "Frases: 0/0 = 0 %", "Cuestiones: 0 %", rule,
                           "Promedio: 0 %"};
    }

    void summaryBox()
    {
        QFETCH(bool, zero);
        QFETCH(QString, name);
        QFETCH(QString, group);
        QFETCH(QStringList, expectedLines5to12);
        Figures f = zero ? Figures{} : sampleFigures();
        f.studentName = name;
        f.studentGroup = group;
        const QString text = summaryText(f);
        QVERIFY(!text.contains(QLatin1Char('\n')));
        const QStringList lines = text.split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines.mid(0, 4), (QStringList{" Tildora.  ", " ", " Resultados del test de acentos del alumno:",
                                               QString(48, QLatin1Char('_'))}));
        QCOMPARE(lines.mid(4, 8), expectedLines5to12);
        QCOMPARE(lines.mid(12), (QStringList{"  ", "  "}));
    }

    void resultsFileBytes()
    {
        Figures f = sampleFigures();
        f.studentName = QStringLiteral("José Peña");
        f.studentGroup = QStringLiteral("3º A");
        const QByteArray rule(46, '_');
        const QByteArray expected = " Resultados del test de acentos del alumno:\r\n" + rule + "\r\n"
                                    "Jos\xE9 Pe\xF1" "a de 3\xBA A\r\n" + rule + "\r\n"
                                    "Tablero: 30 aciertos y 10 fallos = 75 %\r\n"
                                    "Ejemplos: 40 aciertos de 50 = 80 %\r\n"
                                    "Frases: 6/8 = 75 %\r\n"
                                    "Cuestiones: 50 %\r\n" + rule + "\r\n"
                                    "Promedio: 70 %\r\n";
        QCOMPARE(fileBytes(fileLines(f)), expected);
    }

    void namesOutsideWindows1252KeepTheirLetters()
    {
        Figures f = sampleFigures();
        f.studentName = QStringLiteral("Łucja Nowak");
        f.studentGroup = QStringLiteral("1º €");
        const QByteArray bytes = fileBytes(fileLines(f));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!bytes.contains('?'));
        const QString text = QString::fromUtf8(bytes.mid(3));
        QCOMPARE(text.split(QStringLiteral("\r\n")).at(2), QStringLiteral("Łucja Nowak de 1º €"));
        QCOMPARE(text.count(QStringLiteral("\r\n")), 10);
    }
};

QTEST_APPLESS_MAIN(TestResultsSummary)
#include "tst_resultssummary.moc"
