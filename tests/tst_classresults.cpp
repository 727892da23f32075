// The teacher's class view: reading a folder of results files and their details, averages,
// misses by rule, sorting, exports.
#include "FileFixtures.h"
#include "ScriptedDialogs.h"

#include "app/ClassCommandLine.h"
#include "results/ClassResults.h"
#include "results/MissRules.h"
#include "results/ResultsFileReader.h"
#include "results/ResultsSummary.h"
#include "results/ScoreHistory.h"
#include "reports/ClassResultsWindow.h"
#include "shared/AppError.h"
#include "shared/CsvField.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QBarSet>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray resultsFile(const QString &name, const QString &group, const ResultsSummary::StripFigures &p)
{
    ResultsSummary::Figures figures;
    figures.studentName = name;
    figures.studentGroup = group;
    figures.percentages = p;
    return ResultsSummary::fileBytes(ResultsSummary::fileLines(figures));
}

// A file written by the bytes of its path, which need not be UTF-8.
void writeNative(const QByteArray &path, const QByteArray &bytes)
{
    FILE *file = std::fopen(path.constData(), "wb");
    QVERIFY(file);
    QCOMPARE(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file), size_t(bytes.size()));
    QCOMPARE(std::fclose(file), 0);
}

// A detail file of the student's session whose misses break the rules given, one miss a key
// ("hiato hiato aguda-n"); a key the program does not know is named "=SUMA(1) %2".
QByteArray detailFile(const QString &name, const QString &group, const QString &rules,
                      const ResultsSummary::StripFigures &scores = {75, 80, 75, 50, 70})
{
    SessionDetail::Detail detail;
    static_cast<ResultsSummary::StripFigures &>(detail.scores) = scores;
    detail.scores.name = name;
    detail.scores.group = group;
    detail.when = QDateTime(QDate(2026, 3, 14), QTime(9, 5));
    for (const QString &rule : rules.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        detail.misses << SessionDetail::Miss{SessionDetail::Exercise::Board, QStringLiteral("pais"), QStringLiteral("pais"),
                                             QStringLiteral("país"), rule, MissRules::name(rule).isEmpty() ? QStringLiteral("=SUMA(1) %2") : QString(), {}};
    return SessionDetail::toJson(detail);
}

// Rows as the folder would give them: "Ana: hiato aguda-n | Eva" (Eva without a detail file).
QList<ClassResults::Row> rowsOf(const QString &students)
{
    QList<ClassResults::Row> rows;
    for (const QString &student : students.split(QLatin1Char('|'))) {
        const QStringList parts = student.split(QLatin1Char(':'));
        ClassResults::Row row;
        row.name = parts.first().trimmed();
        row.hasDetail = parts.size() > 1;
        const SessionDetail::Reading reading = SessionDetail::parse(detailFile(row.name, {}, parts.value(1)), {});
        row.rules = row.hasDetail ? SessionDetail::byRule(reading.detail.misses) : QList<SessionDetail::RuleCount>{};
        rows << row;
    }
    return rows;
}

// The class of the misses-by-rule tests: three details (one without misses, one with a rule of
// a later program) and a results file without one.
void writeRulesClass(const QString &folder)
{
    const ResultsSummary::StripFigures scores{75, 80, 75, 50, 70};
    const QString students[][2] = {{"Ana", "hiato hiato hiato aguda-n"},
                                   {"Luis", "hiato hiato esdrujula esdrujula regla-nueva"},
                                   {"Marta", ""},
                                   {"Eva", "-"}};
    for (const auto &[name, rules] : students) {
        writeFile(QDir(folder).filePath(name.toLower() + QStringLiteral(".txt")), resultsFile(name, QStringLiteral("2B"), scores));
        if (rules != QStringLiteral("-"))
            writeFile(QDir(folder).filePath(name.toLower() + QStringLiteral(".json")), detailFile(name, QStringLiteral("2B"), rules));
    }
}

// The misses by rule as "rule=misses (share)", most first.
QString sharesText(const QList<ClassResults::RuleShare> &shares)
{
    QStringList texts;
    for (const ClassResults::RuleShare &share : shares)
        texts << QStringLiteral("%1=%2 (%3)").arg(share.rule).arg(share.misses).arg(ClassResults::averageText(share.percent));
    return texts.join(QStringLiteral(", "));
}

// A results file's ten lines with one of them replaced (line numbers from 1).
QByteArray alteredFile(int line, const QString &text)
{
    ResultsSummary::Figures figures;
    figures.studentName = QStringLiteral("Ana");
    figures.studentGroup = QStringLiteral("2B");
    figures.percentages = {75, 80, 75, 50, 70};
    QStringList lines = ResultsSummary::fileLines(figures);
    if (line > 0)
        lines[line - 1] = text;
    return ResultsSummary::fileBytes(lines);
}

// The text pdftotext reads from a PDF, one entry per page, without spaces (the extractor
// guesses them from the glyphs' places).
QStringList pdfPages(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000))
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).remove(QLatin1Char(' ')).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Student n of a generated class: scores that spread over the whole range.
ResultsSummary::StripFigures scoresOf(int n)
{
    const int b = (n * 37) % 101, e = (n * 53) % 101, f = (n * 11) % 101, q = (n * 71) % 101;
    return {b, e, f, q, ResultsSummary::average(b, e, f, q)};
}

template <typename T>
T *part(const ClassResultsWindow &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

// Chooses the column in "Ordenar por" from the keyboard, as the list offers it.
QString sortFromKeyboard(const ClassResultsWindow &window, const QString &column)
{
    auto *chooser = part<QComboBox>(window, "OrdenarPor");
    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_End);
    while (chooser->currentText() != column && chooser->currentIndex() > 0)
        QTest::keyClick(chooser, Qt::Key_Up);
    return chooser->currentText();
}

// "Exportar CSV" into the file chosen, and what it wrote.
QByteArray exportedCsv(const ClassResultsWindow &window, ScriptedDialogs &dialogs, const QString &path)
{
    dialogs.queueFile(path);
    part<QPushButton>(window, "ExportarCSV")->click();
    return fileBytes(path);
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
        writeFile(m_class.filePath(QStringLiteral("sinnombre.txt")), resultsFile(QString(), QStringLiteral("2B"), scoresOf(3)));
        writeFile(m_class.filePath(QStringLiteral("lista.txt")), "Lista de la compra\r\npan\r\n");
        writeFile(m_class.filePath(QStringLiteral("foto.png")), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
    }

    void readsTheClassAndListsTheRest()
    {
        const ClassResults::Folder folder = ClassResults::readFolder(m_class.path());
        QCOMPARE(folder.rows.size(), 30);
        QCOMPARE(folder.rejected.size(), 4);
        QStringList rejected;
        for (const ClassResults::Rejected &file : folder.rejected)
            rejected << file.file + QStringLiteral(": ") + file.reason;
        QCOMPARE(rejected, QStringList({QStringLiteral("foto.png: No es un archivo de texto."),
                                        QStringLiteral("lista.txt: No es un archivo de resultados de Tildora."),
                                        QStringLiteral("sinnombre.txt: Sin nombre del alumno."),
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
        auto *table = part<QTableWidget>(window, "Table");
        QCOMPARE(table->rowCount(), 30);
        QCOMPARE(part<QListWidget>(window, "Rejected")->count(), 4);
        QVERIFY(part<QLabel>(window, "ClassAverages")->text().startsWith(QStringLiteral("Media de la clase (30 alumnos)")));

        // Sorting by the average, highest first, chosen from the keyboard.
        QCOMPARE(sortFromKeyboard(window, QStringLiteral("Promedio")), QStringLiteral("Promedio"));
        const QList<ClassResults::Row> shown = window.shownRows();
        for (int r = 1; r < shown.size(); ++r)
            QVERIFY(shown.at(r - 1).total >= shown.at(r).total);
        QCOMPARE(table->item(0, 6)->data(Qt::DisplayRole).toInt(), shown.at(0).total);

        // The export writes the rows in the order shown.
        QTemporaryDir out;
        QCOMPARE(exportedCsv(window, dialogs, out.filePath(QStringLiteral("clase.csv"))), ClassResults::csv(shown));

        const QString pdfPath = out.filePath(QStringLiteral("clase.pdf"));
        dialogs.queueFile(pdfPath);
        part<QPushButton>(window, "ExportarPDF")->click();
        QVERIFY(QFileInfo(pdfPath).size() > 1000);

        // Names in Spanish order: an accented capital sorts with its letter.
        table->sortByColumn(0, Qt::AscendingOrder);
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

    void folderMessages_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::addRow("missing") << QByteArray("no/existe") << 0755 << QStringLiteral("No existe la carpeta %1.");
        QTest::addRow("no permission") << QByteArray("cerrada") << 0 << QStringLiteral("No se puede leer la carpeta %1: no tienes permiso de lectura.");
        QTest::addRow("link loop") << QByteArray("bucle") << 0755 << QStringLiteral("No se puede leer la carpeta %1: hay un bucle de enlaces.");
        // Named on an older system: the bytes of "2º B" in Windows-1252, given on the command line.
        QTest::addRow("name not UTF-8") << QByteArray("2\xBA B") << 0755 << QString();
    }
    void folderMessages()
    {
        QFETCH(QByteArray, folder);
        QFETCH(int, mode);
        QFETCH(QString, message);
        QTemporaryDir parent;
        const QByteArray path = QFile::encodeName(parent.path()) + '/' + folder;
        if (folder == "bucle")
            QVERIFY(::symlink(path.constData(), path.constData()) == 0);
        else if (folder != "no/existe") {
            QVERIFY(::mkdir(path.constData(), 0755) == 0);
            writeNative(path + "/ana.txt", resultsFile(QStringLiteral("Ana"), QStringLiteral("2B"), {75, 80, 75, 50, 70}));
            QVERIFY(::chmod(path.constData(), mode_t(mode)) == 0);
        }
        if (mode == 0 && ::geteuid() == 0)
            QSKIP("Run as root: every folder can be read.");
        QByteArray option = "--clase";
        QByteArray program = "tildora";
        QByteArray argument = path;
        char *argv[] = {program.data(), option.data(), argument.data(), nullptr};
        const ClassCommandLine::Request request = ClassCommandLine::parse(3, argv);
        ClassResultsWindow window;
        QString shown;
        try {
            window.openFolder(ClassResultsFolder::Path::fromNative(request.nativeFolder));
        } catch (const AppError &error) {
            shown = error.message();
        }
        ::chmod(path.constData(), 0755);
        // The temporary folder cannot remove what Qt cannot name.
        ::unlink((path + "/ana.txt").constData());
        ::rmdir(path.constData());
        QCOMPARE(shown, message.isEmpty() ? QString() : message.arg(ClassResultsFolder::shownName(path)));
        QCOMPARE(part<QTableWidget>(window, "Table")->rowCount(), message.isEmpty() ? 1 : 0);
    }

    void readerRefuses_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("name");
        const auto notAScore = [](int line, const char *shown) {
            return QStringLiteral("La línea %1 tiene «%2» y una nota es un número entero de 0 a 100.").arg(line).arg(QString::fromUtf8(shown));
        };
        QTest::addRow("as written") << alteredFile(0, {}) << QString() << QStringLiteral("Ana");
        QTest::addRow("negative") << alteredFile(5, QStringLiteral("Tablero: 3 aciertos  y 1 fallos = -5 %")) << notAScore(5, "-5 %") << QString();
        QTest::addRow("past an int") << alteredFile(6, QStringLiteral("Ejemplos: 4 aciertos de 5= 99999999999 %")) << notAScore(6, "99999999999 %") << QString();
        QTest::addRow("decimal comma") << alteredFile(7, QStringLiteral("Frases: 6/8= 50,5 %")) << notAScore(7, "50,5 %") << QString();
        QTest::addRow("decimal point") << alteredFile(8, QStringLiteral("Cuestiones: 70.9 %")) << notAScore(8, "70.9 %") << QString();
        QTest::addRow("over 100") << alteredFile(8, QStringLiteral("Cuestiones: 101 %")) << notAScore(8, "101 %") << QString();
        QTest::addRow("average not of the scores") << alteredFile(10, QStringLiteral("Promedio: 100 %"))
                                                   << QStringLiteral("La línea 10 da un promedio de 100 % y el de las cuatro notas es 70 %.") << QString();
        QTest::addRow("no name") << alteredFile(3, QStringLiteral(" de 2B")) << QStringLiteral("Sin nombre del alumno.") << QString();
        QTest::addRow("81 characters") << alteredFile(3, QString(81, QLatin1Char('x')) + QStringLiteral(" de 2B")) << QString()
                                       << QString(80, QLatin1Char('x'));
        QTest::addRow("million characters") << alteredFile(3, QString(1000000, QLatin1Char('x')) + QStringLiteral(" de 2B"))
                                            << QStringLiteral("Ocupa 976,9 kB y un archivo de resultados ocupa menos de 4,0 kB.") << QString();
    }
    void readerRefuses()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const ResultsFileReader::Result result = ResultsFileReader::parse(file);
        QCOMPARE(result.reason, reason);
        QCOMPARE(result.ok, reason.isEmpty());
        if (result.ok)
            QTEST(result.name, "name");
    }

    void folderFiles_data()
    {
        QTest::addColumn<QByteArray>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("sparseSize");
        QTest::addColumn<QString>("expected");
        const QByteArray ana = resultsFile(QStringLiteral("Ana"), QStringLiteral("2B"), {75, 80, 75, 50, 70});
        QByteArray history = ScoreHistory::header() + '\n';
        for (int n = 0; n < 200; ++n)
            history += ScoreHistory::line({{{n % 101, 0, 0, 0, 0}, QStringLiteral("Luis"), QStringLiteral("2B")},
                                           QDateTime(QDate(2026, 3, 1), QTime(8, 0)).addSecs(60 * n)}) + '\n';
        const QByteArray nameless = ScoreHistory::header() + '\n'
            + ScoreHistory::line({{{1, 2, 3, 4, 3}, QString(), QStringLiteral("2B")}, QDateTime(QDate(2026, 3, 1), QTime(8, 0))}) + '\n';
        QTest::addRow("name not UTF-8") << QByteArray("Jos\xE9.txt") << ana << qint64(0) << QStringLiteral("José.txt: Ana");
        QTest::addRow("200 MB, not read") << QByteArray("grande.txt") << QByteArray() << qint64(200) * 1024 * 1024
                                          << QStringLiteral("grande.txt: Ocupa 200,0 MB y un archivo de resultados ocupa menos de 4,0 kB.");
        QTest::addRow("history past the results' size") << QByteArray("historial.csv") << history << qint64(0)
                                                        << QStringLiteral("historial.csv: Luis");
        QTest::addRow("history without names") << QByteArray("historial.csv") << nameless << qint64(0)
                                               << QStringLiteral("historial.csv: Es un historial sin nombre del alumno.");
        QTest::addRow("a pipe") << QByteArray("tubo") << QByteArray() << qint64(-1) << QStringLiteral("tubo: No es un archivo normal.");
    }
    void folderFiles()
    {
        QFETCH(QByteArray, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, sparseSize);
        QTemporaryDir folder;
        const QByteArray path = QFile::encodeName(folder.path()) + '/' + fileName;
        if (sparseSize < 0) {
            QVERIFY(::mkfifo(path.constData(), 0644) == 0);
        } else {
            writeNative(path, bytes);
            if (sparseSize > 0)
                QVERIFY(::truncate(path.constData(), sparseSize) == 0);
        }
        const ClassResults::Folder contents = ClassResults::readFolder(folder.path());
        ::unlink(path.constData());
        QStringList listed;
        for (const ClassResults::Row &row : contents.rows)
            listed << row.file + QStringLiteral(": ") + row.name;
        for (const ClassResults::Rejected &file : contents.rejected)
            listed << file.file + QStringLiteral(": ") + file.reason;
        QFETCH(QString, expected);
        QCOMPARE(listed, QStringList{expected});
    }

    void sortList_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("names");
        QTest::addRow("Nombre, Spanish order") << QStringLiteral("Nombre")
                                               << QStringList{"alba", "Álvaro", "Nuria", "Ñoño", "Óscar", "Úrsula", "Zoe"};
        QTest::addRow("Grupo, from A") << QStringLiteral("Grupo")
                                       << QStringList{"Zoe", "Úrsula", "Óscar", "Ñoño", "Nuria", "Álvaro", "alba"};
        QTest::addRow("Promedio, highest first") << QStringLiteral("Promedio")
                                                 << QStringList{"Nuria", "Óscar", "Zoe", "Álvaro", "Ñoño", "Úrsula", "alba"};
    }
    void sortList()
    {
        QFETCH(QString, column);
        QFETCH(QStringList, names);
        // Groups run against the names, averages across them.
        const QStringList byName = {"alba", "Álvaro", "Nuria", "Ñoño", "Óscar", "Úrsula", "Zoe"};
        QTemporaryDir folder;
        for (int n = 0; n < byName.size(); ++n) {
            const int score = 30 + 10 * (n * 3 % 7);
            writeFile(folder.filePath(QStringLiteral("f%1.txt").arg(6 - n)),
                      resultsFile(byName.at(n), QStringLiteral("%1º B").arg(7 - n), {score, score, score, score, score}));
        }
        ScriptedDialogs dialogs;
        ClassResultsWindow window;
        window.openFolder(folder.path());
        QCOMPARE(sortFromKeyboard(window, column), column);
        QStringList shown;
        for (const ClassResults::Row &row : window.shownRows())
            shown << row.name;
        QCOMPARE(shown, names);
        // The CSV follows the table.
        QTemporaryDir out;
        const QList<QByteArray> lines = exportedCsv(window, dialogs, out.filePath(QStringLiteral("clase.csv"))).split('\n');
        QVERIFY(lines.size() > 1);
        QVERIFY(lines.at(1).startsWith(names.first().toUtf8() + ';'));
    }

    void csvCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("readBack");
        QTest::addRow("plain") << QStringLiteral("Ana Núñez") << QStringLiteral("Ana Núñez") << QStringLiteral("Ana Núñez");
        QTest::addRow("separator") << QStringLiteral("Núñez; Ana") << QStringLiteral("\"Núñez; Ana\"") << QStringLiteral("Núñez; Ana");
        QTest::addRow("bare double quote") << QStringLiteral("Ana \"la\" López") << QStringLiteral("\"Ana \"\"la\"\" López\"")
                                           << QStringLiteral("Ana \"la\" López");
        QTest::addRow("formula with link") << QStringLiteral("=HYPERLINK(\"http://x\",\"y\")")
                                           << QStringLiteral("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"")
                                           << QStringLiteral("=HYPERLINK(\"http://x\",\"y\")");
        QTest::addRow("plus") << QStringLiteral("+cmd") << QStringLiteral("'+cmd") << QStringLiteral("+cmd");
        QTest::addRow("minus") << QStringLiteral("-2+3") << QStringLiteral("'-2+3") << QStringLiteral("-2+3");
        QTest::addRow("at") << QStringLiteral("@SUM(1)") << QStringLiteral("'@SUM(1)") << QStringLiteral("@SUM(1)");
        QTest::addRow("tab first") << QStringLiteral("\t=1+1") << QStringLiteral("'\t=1+1") << QStringLiteral("\t=1+1");
        QTest::addRow("blank first") << QStringLiteral("  =1+1") << QStringLiteral("'  =1+1") << QStringLiteral("  =1+1");
        QTest::addRow("carriage return first") << QStringLiteral("\r=1+1") << QStringLiteral("' =1+1") << QStringLiteral(" =1+1");
        QTest::addRow("own apostrophe") << QStringLiteral("'Ana") << QStringLiteral("'Ana") << QStringLiteral("'Ana");
        QTest::addRow("line break") << QStringLiteral("Ana\nLópez") << QStringLiteral("Ana López") << QStringLiteral("Ana López");
    }
    void csvCells()
    {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        QCOMPARE(CsvField::cell(text), cell);
        // The class table and the history write the same cell, and the history reads it back.
        const ClassResults::Row row{{{75, 80, 75, 50, 70}, text, QStringLiteral("2B")}, QDateTime(QDate(2026, 3, 14), QTime(9, 5)), {}};
        QVERIFY(ClassResults::csv({row}).contains("\r\n" + cell.toUtf8() + ";2B;"));
        const ScoreHistory::Record record{row, row.date};
        QVERIFY(ScoreHistory::line(record).contains(';' + cell.toUtf8() + ";2B;"));
        const ScoreHistory::Contents back = ScoreHistory::parse(ScoreHistory::header() + '\n' + ScoreHistory::line(record) + '\n');
        QCOMPARE(back.records.size(), 1);
        QTEST(back.records.at(0).name, "readBack");
    }

    void histogramBins_data()
    {
        QTest::addColumn<int>("average");
        QTest::addColumn<int>("bin");
        QTest::addRow("0") << 0 << 0;
        QTest::addRow("9") << 9 << 0;
        QTest::addRow("10, on an edge") << 10 << 1;
        QTest::addRow("49") << 49 << 4;
        QTest::addRow("50, on an edge") << 50 << 5;
        QTest::addRow("90, on an edge") << 90 << 9;
        QTest::addRow("100, in the last") << 100 << 9;
    }
    void histogramBins()
    {
        QFETCH(int, average);
        QFETCH(int, bin);
        QList<int> expected(10, 0);
        expected[bin] = 1;
        QCOMPARE(ClassResults::histogram({ClassResults::Row{{{0, 0, 0, 0, average}, QStringLiteral("Ana"), {}}, {}, {}}}), expected);
    }

    void detailBesideResults_data()
    {
        QTest::addColumn<QByteArray>("stem");
        QTest::addColumn<QByteArray>("detail");
        // -1: a pipe in its place; -2: no detail file; more: the file made sparse to that size.
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("saying");
        const QByteArray whole = detailFile(QStringLiteral("Ana"), QStringLiteral("2B"), QStringLiteral("hiato hiato aguda-n"));
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 131) % 256);
        QByteArray later = whole;
        later.replace("\"version\": 1", "\"version\": 2");
        QTest::addRow("whole") << QByteArray("ana") << whole << qint64(0) << 3 << QString();
        QTest::addRow("same student, other spacing and case") << QByteArray("ana")
            << detailFile(QStringLiteral(" ana "), QStringLiteral("2b"), QStringLiteral("hiato")) << qint64(0) << 1 << QString();
        QTest::addRow("name not UTF-8") << QByteArray("Jos\xE9") << whole << qint64(0) << 3 << QString();
        QTest::addRow("missing") << QByteArray("ana") << QByteArray() << qint64(-2) << 0 << QString();
        QTest::addRow("truncated") << QByteArray("ana") << whole.left(whole.size() / 2) << qint64(0) << 0 << QStringLiteral("dañado");
        QTest::addRow("binary") << QByteArray("ana") << binary << qint64(0) << 0 << QStringLiteral("dañado");
        QTest::addRow("100 MB, sparse") << QByteArray("ana") << QByteArray() << qint64(100) * 1024 * 1024 << 0
                                        << QStringLiteral("demasiado grande");
        QTest::addRow("later version") << QByteArray("ana") << later << qint64(0) << 0 << QStringLiteral("versión posterior");
        QTest::addRow("another student") << QByteArray("ana") << detailFile(QStringLiteral("Luis"), QStringLiteral("2B"), QStringLiteral("hiato"))
                                         << qint64(0) << 0 << QStringLiteral("es de Luis (2B) y sus resultados, de Ana (2B)");
        QTest::addRow("another session") << QByteArray("ana")
                                         << detailFile(QStringLiteral("Ana"), QStringLiteral("2B"), QStringLiteral("hiato"), {75, 80, 75, 60, 73})
                                         << qint64(0) << 0 << QStringLiteral("es de otra sesión de Ana (2B)");
        QTest::addRow("a pipe") << QByteArray("ana") << QByteArray() << qint64(-1) << 0 << QStringLiteral("No es un archivo normal.");
    }
    void detailBesideResults()
    {
        QFETCH(QByteArray, stem);
        QFETCH(QByteArray, detail);
        QFETCH(qint64, size);
        QTemporaryDir folder;
        const QByteArray base = QFile::encodeName(folder.path()) + '/' + stem;
        writeNative(base + ".txt", resultsFile(QStringLiteral("Ana"), QStringLiteral("2B"), {75, 80, 75, 50, 70}));
        if (size == -1)
            QVERIFY(::mkfifo(base + ".json", 0644) == 0);
        else if (size != -2)
            writeNative(base + ".json", detail);
        if (size > 0)
            QVERIFY(::truncate(base + ".json", size) == 0);
        const ClassResults::Folder contents = ClassResults::readFolder(folder.path());
        ::unlink(base + ".txt");
        ::unlink(base + ".json");

        // The results count as without a detail; the detail file is no refused file of its own.
        QVERIFY(contents.rejected.isEmpty());
        QCOMPARE(contents.rows.size(), 1);
        const ClassResults::Row &row = contents.rows.first();
        QCOMPARE(static_cast<const ResultsSummary::StripFigures &>(row), ResultsSummary::StripFigures({75, 80, 75, 50, 70}));
        int misses = 0;
        for (const SessionDetail::RuleCount &count : row.rules)
            misses += count.misses;
        QTEST(misses, "misses");
        QFETCH(QString, saying);
        QCOMPARE(contents.notes.size(), saying.isEmpty() ? 0 : 1);
        if (!saying.isEmpty()) {
            const QString text = contents.notes.first().text;
            QVERIFY2(text.contains(saying) && text.contains(QDir::toNativeSeparators(folder.filePath(QStringLiteral("ana.json")))),
                     qPrintable(text));
        }
    }

    void rulesOfTheClass_data()
    {
        QTest::addColumn<QString>("students");
        QTest::addColumn<QString>("shares");
        QTest::addColumn<QString>("saying");
        QTest::addRow("summed, most first") << "Ana: hiato hiato hiato aguda-n | Luis: hiato hiato esdrujula esdrujula | Eva"
                                            << "hiato=5 (62,5), esdrujula=2 (25,0), aguda-n=1 (12,5)" << "La clase falla sobre todo: hiato";
        QTest::addRow("ties in the rules' order") << "Ana: porque hiato | Luis: aguda-n"
                                                  << "aguda-n=1 (33,3), hiato=1 (33,3), porque=1 (33,3)"
                                                  << "La clase falla sobre todo: aguda terminada en -n (33\u00a0%), hiato";
        QTest::addRow("one rule") << "Ana: hiato" << "hiato=1 (100,0)"
                                  << "La clase falla sobre todo: hiato con vocal cerrada tónica (100\u00a0%).";
        QTest::addRow("a later program's rule, its name holding a placeholder")
            << "Ana: regla-nueva" << "regla-nueva=1 (100,0)" << "La clase falla sobre todo: =SUMA(1) %2 (100\u00a0%).";
        QTest::addRow("details without misses") << "Ana: | Luis:" << ""
                                                << "Los archivos de detalle de la carpeta no anotan ningún fallo.";
        QTest::addRow("no details") << "Ana | Luis" << "" << "Ningún archivo de la carpeta trae el detalle de los fallos.";
    }
    void rulesOfTheClass()
    {
        QFETCH(QString, students);
        const QList<ClassResults::Row> rows = rowsOf(students);
        QTEST(sharesText(ClassResults::ruleShares(rows)), "shares");
        QFETCH(QString, saying);
        QVERIFY2(ClassResults::weakRules(rows).startsWith(saying), qPrintable(ClassResults::weakRules(rows)));
    }

    void studentSentence_data()
    {
        QTest::addColumn<QString>("student");
        QTest::addColumn<QString>("saying");
        QTest::addRow("misses") << "Ana: hiato hiato hiato aguda-n"
                                << "Ana falla sobre todo: hiato con vocal cerrada tónica (75\u00a0%) y aguda terminada en -n (25\u00a0%).";
        QTest::addRow("none missed") << "Ana:" << "El detalle de Ana no anota ningún fallo.";
        QTest::addRow("no detail") << "Ana" << "El archivo de Ana no trae el detalle de los fallos.";
    }
    void studentSentence()
    {
        QFETCH(QString, student);
        QTEST(ClassResults::weakRules(rowsOf(student).first()), "saying");
    }

    void classRulesReadAndExported()
    {
        QTemporaryDir folder;
        writeRulesClass(folder.path());
        const ClassResults::Folder contents = ClassResults::readFolder(folder.path());
        QCOMPARE(contents.rows.size(), 4);
        QVERIFY(contents.rejected.isEmpty() && contents.notes.isEmpty());
        QCOMPARE(sharesText(ClassResults::ruleShares(contents.rows)),
                 QStringLiteral("hiato=5 (55,6), esdrujula=2 (22,2), aguda-n=1 (11,1), regla-nueva=1 (11,1)"));
        QCOMPARE(ClassResults::weakRules(contents.rows),
                 QStringLiteral("La clase falla sobre todo: hiato con vocal cerrada tónica (56\u00a0%), esdrújula o "
                                "sobresdrújula (22\u00a0%) y aguda terminada en -n (11\u00a0%). Solo 3 de los 4 alumnos traen el "
                                "detalle de los fallos."));
        // The CSV's rule section, after the averages; a later program's rule name is no formula.
        const QByteArray csv = ClassResults::csv(contents.rows);
        QVERIFY2(csv.endsWith(";\r\n\r\nRegla;Fallos;Porcentaje\r\n"
                              "hiato con vocal cerrada t\xC3\xB3nica;5;55,6\r\n"
                              "esdr\xC3\xBAjula o sobresdr\xC3\xBAjula;2;22,2\r\n"
                              "aguda terminada en -n;1;11,1\r\n"
                              "'=SUMA(1) %2;1;11,1\r\n"),
                 csv.constData());

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back.");
        const QString pdf = folder.filePath(QStringLiteral("clase.pdf"));
        QCOMPARE(ClassResults::writePdf(pdf, contents.rows, folder.path()), TextFile::SaveStatus::Ok);
        const QString last = pdfPages(pdf).join(QString()).remove(QLatin1Char('\n'));
        QVERIFY2(last.contains(QStringLiteral("Fallosporregla")) && last.contains(QStringLiteral("ReglaFallosPorcentaje"))
                     && last.contains(QStringLiteral("hiatoconvocalcerradatónica555,6%")),
                 qPrintable(last));
    }

    void windowChoosesAStudentByKeyboard()
    {
        QTemporaryDir folder;
        writeRulesClass(folder.path());
        ClassResultsWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.openFolder(folder.path());
        // The class first.
        auto *sentence = part<QLabel>(window, "WeakRules");
        QCOMPARE(sentence->text(), ClassResults::weakRules(window.shownRows()));
        QCOMPARE(part<QTableWidget>(window, "RuleTable")->rowCount(), 4);
        auto *bars = qobject_cast<QHorizontalBarSeries *>(part<QChartView>(window, "RulesChart")->chart()->series().value(0));
        QVERIFY(bars);
        QCOMPARE(bars->barSets().value(0)->count(), 4);

        // Names in order: the table's focus on Ana, chosen with the space bar, then Eva below.
        auto *table = part<QTableWidget>(window, "Table");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Space);
        QVERIFY(sentence->text().startsWith(QStringLiteral("Ana falla sobre todo")));
        QCOMPARE(sharesText(window.shownShares()), QStringLiteral("hiato=3 (75,0), aguda-n=1 (25,0)"));
        QCOMPARE(bars->barSets().value(0)->count(), 2);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(sentence->text(), QStringLiteral("El archivo de Eva no trae el detalle de los fallos."));
        QCOMPARE(part<QTableWidget>(window, "RuleTable")->rowCount(), 0);

        // Alt+T returns to the class.
        QTest::keyClick(table, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(sentence->text(), ClassResults::weakRules(window.shownRows()));
        QCOMPARE(window.shownShares().size(), 4);

        // A student chosen when another folder opens is no one there: its class, whole.
        table->sortByColumn(0, Qt::DescendingOrder);
        QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(sentence->text(), QStringLiteral("El detalle de Marta no anota ningún fallo."));
        QTemporaryDir other;
        writeFile(other.filePath(QStringLiteral("ana.txt")), resultsFile(QStringLiteral("Ana"), QStringLiteral("2B"), {75, 80, 75, 50, 70}));
        window.openFolder(other.path());
        QCOMPARE(sentence->text(), QStringLiteral("Ningún archivo de la carpeta trae el detalle de los fallos."));
        QVERIFY(part<QLabel>(window, "ClassAverages")->text().startsWith(QStringLiteral("Media de la clase (1 alumno):")));
    }

    void classPdfPages()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back.");
        QList<ClassResults::Row> rows;
        const QDateTime when(QDate(2026, 3, 14), QTime(9, 5));
        for (int n = 1; n <= 60; ++n)
            rows << ClassResults::Row{{scoresOf(n), QStringLiteral("María de los Ángeles Domínguez Fernández %1").arg(n),
                                       QStringLiteral("3º de ESO")},
                                      when, {}};
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("clase.pdf"));
        QList<int> told;
        // Stopped after its first page: nothing is saved.
        QVERIFY(!ClassResults::writePdf(path, rows, out.path(), [&told](int done, int) { told << done; return false; }));
        QCOMPARE(told, QList<int>{1});
        QVERIFY(!QFile::exists(path));

        told.clear();
        int pages = 0;
        const std::optional<TextFile::SaveStatus> saved =
            ClassResults::writePdf(path, rows, out.path(), [&](int done, int all) { told << done; pages = all; return true; });
        QVERIFY(saved);
        QCOMPARE(*saved, TextFile::SaveStatus::Ok);
        const QStringList text = pdfPages(path);
        QCOMPARE(text.size(), pages);
        QVERIFY(pages >= 2);
        QCOMPARE(told.size(), pages);
        int names = 0, dates = 0;
        for (const QString &page : text) {
            // The headings on every page, each word whole.
            QVERIFY2(page.contains(QStringLiteral("Cuestiones")), qPrintable(page.left(200)));
            // Rows whole: each name's first and last words on the same page; no word cut.
            QCOMPARE(page.count(QStringLiteral("María")), page.count(QStringLiteral("Fernández")));
            names += int(page.count(QStringLiteral("Domínguez")));
            dates += int(page.count(QStringLiteral("14/03/202609:05")));
        }
        QCOMPARE(names, 60);
        QCOMPARE(dates, 60);
        QVERIFY(text.constLast().contains(QStringLiteral("Repartodelospromedios")));
    }
};

QTEST_MAIN(TestClassResults)
#include "tst_classresults.moc"
