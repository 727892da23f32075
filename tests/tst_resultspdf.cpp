// The results page as PDF: read back with pdftotext; its default name; an unwritable place.
#include "results/ResultsPdf.h"

#include "FileFixtures.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestResultsPdf : public QObject {
    Q_OBJECT

private slots:
    void pageReadsBack()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("resultados.pdf"));
        ResultsSummary::Figures figures;
        figures.studentName = QStringLiteral("Íñigo Pérez");
        figures.studentGroup = QStringLiteral("2º B");
        figures.boardHits = 30;
        figures.boardMisses = 10;
        figures.exampleHits = 40;
        figures.exampleAttempts = 50;
        figures.phraseHits = 6;
        figures.phraseTotal = 8;
        figures.percentages = {75, 80, 75, 50, 70};
        QImage strip(705, 121, QImage::Format_RGB32);
        strip.fill(QColor(0, 64, 128));
        QCOMPARE(ResultsPdf::write(path, figures, QDateTime(QDate(2026, 3, 14), QTime(9, 5)), strip), TextFile::SaveStatus::Ok);

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(20000));
        QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
        // The extractor guesses spaces from the glyphs' places: compare without them.
        const auto spaceless = [](QString s) { return s.remove(QLatin1Char(' ')); };
        text = spaceless(text);
        for (const char *expected :
             {"Alumno: Íñigo Pérez", "Curso y grupo: 2º B", "Fecha: 14/03/2026 09:05", "Resultados del test de acentos del alumno:",
              "Íñigo Pérez de 2º B", "Tablero: 30 aciertos  y 10 fallos = 75 %", "Ejemplos: 40 aciertos de 50= 80 %",
              "Frases: 6/8= 75 %", "Cuestiones: 50 %", "Promedio: 70 %", "________________________________________________"})
            QVERIFY2(text.contains(spaceless(QString::fromUtf8(expected))), expected);
    }

    void unwritablePlaceFails()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("archivo")), {});
        // A folder that is really a file: nothing can be created in it, not even by root.
        QCOMPARE(ResultsPdf::write(folder.filePath(QStringLiteral("archivo/r.pdf")), {}, QDateTime::currentDateTime(), {}),
                 TextFile::SaveStatus::CannotCreate);
    }

    void defaultFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addRow("name") << QStringLiteral("Ana Núñez") << QStringLiteral("Resultados de Ana Núñez 2026-03-14.pdf");
        QTest::addRow("no name") << QString() << QStringLiteral("Resultados 2026-03-14.pdf");
        QTest::addRow("slashes") << QStringLiteral(" Ana/Luis: 2ºB ") << QStringLiteral("Resultados de Ana Luis 2ºB 2026-03-14.pdf");
    }
    void defaultFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(ResultsPdf::defaultFileName(name, QDate(2026, 3, 14)), expected);
    }
};

QTEST_MAIN(TestResultsPdf)
#include "tst_resultspdf.moc"
