// The teacher's class view: reading a folder of results files, averages, sorting, exports.
#include "ScriptedDialogs.h"

#include "app/ClassCommandLine.h"
#include "exercises/ClassResults.h"
#include "exercises/ResultsFileReader.h"
#include "exercises/ResultsSummary.h"
#include "exercises/ScoreHistory.h"
#include "reports/ClassResultsWindow.h"
#include "shared/AppError.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray resultsFile(const QString &name, const QString &group, const ResultsSummary::StripFigures &p)
{
    ResultsSummary::Figures figures;
    figures.studentName = name;
    figures.studentGroup = group;
    figures.percentages = p;
    return ResultsSummary::fileBytes(ResultsSummary::fileLines(figures));
}

// Student n of a generated class: scores that spread over the whole range.
ResultsSummary::StripFigures scoresOf(int n)
{
    const int b = (n * 37) % 101, e = (n * 53) % 101, f = (n * 11) % 101, q = (n * 71) % 101;
    return {b, e, f, q, ResultsSummary::average(b, e, f, q)};
}

} // namespace

class TestClassResults : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_class;

private slots:
    void initTestCase()
    {
        // Thirty students (one in UTF-8 with a mark, as the program writes names outside
        // Windows-1252) and three files that are not results.
        for (int n = 1; n <= 30; ++n)
            writeFile(m_class.filePath(QStringLiteral("alumno%1.txt").arg(n, 2, 10, QLatin1Char('0'))),
                      resultsFile(n == 7 ? QStringLiteral("Łucja Nowak") : QStringLiteral("Alumno %1").arg(n),
                                  QStringLiteral("3º de ESO"), scoresOf(n)));
        writeFile(m_class.filePath(QStringLiteral("vacio.txt")), QByteArray());
        writeFile(m_class.filePath(QStringLiteral("lista.txt")), "Lista de la compra\r\npan\r\n");
        writeFile(m_class.filePath(QStringLiteral("foto.png")), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
    }

    void readsTheClassAndListsTheRest()
    {
        const ClassResults::Folder folder = ClassResults::readFolder(m_class.path());
        QCOMPARE(folder.rows.size(), 30);
        QCOMPARE(folder.rejected.size(), 3);
        QStringList rejected;
        for (const ClassResults::Rejected &file : folder.rejected)
            rejected << file.file + QStringLiteral(": ") + file.reason;
        QCOMPARE(rejected, QStringList({QStringLiteral("foto.png: No es un archivo de texto."),
                                        QStringLiteral("lista.txt: No es un archivo de resultados de Tildora."),
                                        QStringLiteral("vacio.txt: El archivo está vacío.")}));
        QCOMPARE(folder.rows.at(6).name, QStringLiteral("Łucja Nowak"));
        QCOMPARE(folder.rows.at(6).group, QStringLiteral("3º de ESO"));

        double sum = 0;
        for (int n = 1; n <= 30; ++n)
            sum += scoresOf(n).total;
        QCOMPARE(ClassResults::averages(folder.rows).average, sum / 30);
        int counted = 0;
        for (int bin : ClassResults::histogram(folder.rows))
            counted += bin;
        QCOMPARE(counted, 30);
    }

    void studentLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("group");
        QTest::addRow("plain") << QStringLiteral("Ana de 2B") << QStringLiteral("Ana") << QStringLiteral("2B");
        QTest::addRow("both hold de") << QStringLiteral("Juan de la Cruz de 3º de ESO") << QStringLiteral("Juan de la Cruz")
                                      << QStringLiteral("3º de ESO");
        QTest::addRow("name holds de") << QStringLiteral("Juan de la Cruz de Primero") << QStringLiteral("Juan de la Cruz")
                                       << QStringLiteral("Primero");
        QTest::addRow("empty") << QStringLiteral(" de ") << QString() << QString();
    }
    void studentLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QString, group);
        QString gotName, gotGroup;
        ResultsFileReader::splitStudent(line, gotName, gotGroup);
        QCOMPARE(gotName, name);
        QCOMPARE(gotGroup, group);
    }

    void historyFilesGiveLatestPerStudent()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        for (int day = 1; day <= 3; ++day)
            ScoreHistory::append(path, {{{10 * day, 0, 0, 0, 3 * day}, QStringLiteral("Ana"), QStringLiteral("2B")},
                                        QDateTime(QDate(2026, 3, day), QTime(10, 0))});
        // The same student's results file of the day before: the newer history record wins.
        writeFile(folder.filePath(QStringLiteral("ana.txt")), resultsFile(QStringLiteral("Ana"), QStringLiteral("2B"), {1, 1, 1, 1, 1}));
        QFile ana(folder.filePath(QStringLiteral("ana.txt")));
        QVERIFY(ana.open(QIODevice::ReadWrite));
        QVERIFY(ana.setFileTime(QDateTime(QDate(2026, 3, 2), QTime(10, 0)), QFileDevice::FileModificationTime));
        ana.close();
        const ClassResults::Folder contents = ClassResults::readFolder(folder.path());
        QCOMPARE(contents.rows.size(), 1);
        QCOMPARE(contents.rows.at(0).board, 30);
        QCOMPARE(contents.rows.at(0).file, QStringLiteral("historial.csv"));
    }

    void csvByteForByte()
    {
        const QDateTime when(QDate(2026, 3, 14), QTime(9, 5));
        const QList<ClassResults::Row> rows = {{{{75, 80, 75, 50, 70}, QStringLiteral("Núñez; Ana"), QStringLiteral("2B")}, when, {}},
                                               {{{100, 0, 0, 0, 25}, QStringLiteral("Luis"), QString()}, when, {}}};
        QCOMPARE(ClassResults::csv(rows),
                 QByteArray("\xEF\xBB\xBF"
                            "Nombre;Grupo;Tablero;Ejemplos;Frases;Cuestiones;Promedio;Fecha\r\n"
                            "\"N\xC3\xBA\xC3\xB1" "ez; Ana\";2B;75;80;75;50;70;14/03/2026 09:05\r\n"
                            "Luis;;100;0;0;0;25;14/03/2026 09:05\r\n"
                            "Media de la clase;;87,5;40,0;37,5;25,0;47,5;\r\n"));
    }

    void windowSortsAndExports()
    {
        ScriptedDialogs dialogs;
        ClassResultsWindow window;
        window.openFolder(m_class.path());
        QCOMPARE(window.Table->rowCount(), 30);
        QCOMPARE(window.Rejected->count(), 3);
        QVERIFY(window.ClassAverages->text().startsWith(QStringLiteral("Media de la clase (30 alumnos)")));

        // Sorting by the average, highest first, chosen from the keyboard.
        window.OrdenarPor->setFocus();
        QTest::keyClick(window.OrdenarPor, Qt::Key_End);
        QTest::keyClick(window.OrdenarPor, Qt::Key_Up);
        QCOMPARE(window.OrdenarPor->currentText(), QStringLiteral("Promedio"));
        const QList<ClassResults::Row> shown = window.shownRows();
        for (int r = 1; r < shown.size(); ++r)
            QVERIFY(shown.at(r - 1).total >= shown.at(r).total);
        QCOMPARE(window.Table->item(0, 6)->data(Qt::DisplayRole).toInt(), shown.at(0).total);

        // The export writes the rows in the order shown.
        QTemporaryDir out;
        const QString csvPath = out.filePath(QStringLiteral("clase.csv"));
        dialogs.queueFile(csvPath);
        window.ExportarCSV->click();
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), ClassResults::csv(shown));

        const QString pdfPath = out.filePath(QStringLiteral("clase.pdf"));
        dialogs.queueFile(pdfPath);
        window.ExportarPDF->click();
        QVERIFY(QFileInfo(pdfPath).size() > 1000);

        // Names in Spanish order: an accented capital sorts with its letter.
        window.Table->sortByColumn(0, Qt::AscendingOrder);
        const QList<ClassResults::Row> byName = window.shownRows();
        for (int r = 1; r < byName.size(); ++r)
            QVERIFY(QString::localeAwareCompare(byName.at(r - 1).name, byName.at(r).name) <= 0);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("requested");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("error");
        const QString missing = QStringLiteral("Falta la carpeta: tildora --clase CARPETA");
        QTest::addRow("none") << QStringList{QStringLiteral("tildora")} << false << QString() << QString();
        QTest::addRow("folder") << QStringList{QStringLiteral("tildora"), QStringLiteral("--clase"), QStringLiteral("/aula/2B")}
                                << true << QStringLiteral("/aula/2B") << QString();
        QTest::addRow("equals") << QStringList{QStringLiteral("tildora"), QStringLiteral("--clase=2º B")} << true
                                << QStringLiteral("2º B") << QString();
        QTest::addRow("no folder") << QStringList{QStringLiteral("tildora"), QStringLiteral("--clase")} << true << QString() << missing;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        const ClassCommandLine::Request request = ClassCommandLine::parse(arguments);
        QTEST(request.requested, "requested");
        QTEST(request.folder, "folder");
        QTEST(request.error, "error");
    }

    void missingFolderIsAMessage()
    {
        ClassResultsWindow window;
        QVERIFY_THROWS_EXCEPTION(AppError, window.openFolder(QStringLiteral("/no/existe")));
    }
};

QTEST_MAIN(TestClassResults)
#include "tst_classresults.moc"
