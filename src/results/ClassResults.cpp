// Gathering a class's results files, and the class table as CSV.
#include "results/ClassResults.h"

#include "results/ResultsFileReader.h"
#include "results/ResultsSummary.h"
#include "results/ScoreHistory.h"
#include "shared/CsvField.h"
#include "shared/TextFile.h"

#include <QCollator>
#include <QFile>
#include <QHash>

#include <algorithm>

namespace ClassResults {

namespace {

QString studentKey(const Row &row)
{
    return row.name.simplified().toCaseFolded() + QLatin1Char('\n') + row.group.simplified().toCaseFolded();
}

const QString dateFormat = QStringLiteral("dd/MM/yyyy HH:mm");

// The bytes of an open file, at most `limit`; false when more were there or a read failed.
bool readAtMost(QFile &file, qint64 size, qint64 limit, QByteArray &bytes)
{
    bytes = file.read(std::min(size, limit) + 1);
    return file.error() == QFileDevice::NoError && bytes.size() <= limit;
}

// The latest record of each named student in a history file, in the order they first appear.
QList<Row> historyRows(const QByteArray &bytes, const QString &fileName, QString &reason)
{
    const ScoreHistory::Contents history = ScoreHistory::parse(bytes);
    QHash<QString, Row> latest;
    QStringList order;
    int nameless = 0;
    for (const ScoreHistory::Record &r : history.records) {
        Row row{r, r.when, fileName};
        row.name = ResultsSummary::studentField(row.name).trimmed();
        row.group = ResultsSummary::studentField(row.group).trimmed();
        if (row.name.isEmpty()) {
            ++nameless;
            continue;
        }
        const QString key = studentKey(row);
        if (!latest.contains(key))
            order << key;
        if (!latest.contains(key) || latest.value(key).date <= row.date)
            latest.insert(key, row);
    }
    if (order.isEmpty())
        reason = nameless > 0 ? QStringLiteral("Es un historial sin nombre del alumno.")
                              : QStringLiteral("Es un historial sin ninguna sesión válida.");
    QList<Row> rows;
    for (const QString &key : order)
        rows << latest.value(key);
    return rows;
}

// The rows one file gives, or the reason it gives none. Its size decides before any reading:
// only a history may be larger than a results file.
QList<Row> readFile(const ClassResultsFolder::Path &folder, const ClassResultsFolder::Entry &entry, bool &isFolder,
                    QString &reason)
{
    ClassResultsFolder::Opened opened = ClassResultsFolder::open(folder, entry);
    isFolder = opened.kind == ClassResultsFolder::Opened::Folder;
    if (opened.kind != ClassResultsFolder::Opened::File) {
        reason = opened.reason;
        return {};
    }
    QFile &file = *opened.file;
    QByteArray bytes;
    if (opened.size > ResultsFileReader::maxFileBytes) {
        const QByteArray start = file.peek(ScoreHistory::header().size() + 3);
        if (!ScoreHistory::hasHeader(start)) {
            reason = ResultsFileReader::sizeRefusal(opened.size);
            return {};
        }
        if (!readAtMost(file, opened.size, TextFile::maxFileBytes, bytes)) {
            reason = file.error() == QFileDevice::NoError
                         ? QStringLiteral("Es un historial demasiado grande para leerlo.")
                         : QStringLiteral("No se puede leer.");
            return {};
        }
        return historyRows(bytes, entry.name, reason);
    }
    // A file that grew since its size was taken is still read no further than a results file.
    if (!readAtMost(file, opened.size, ResultsFileReader::maxFileBytes, bytes)) {
        reason = file.error() == QFileDevice::NoError ? ResultsFileReader::sizeRefusal(ResultsFileReader::maxFileBytes + 1)
                                                      : QStringLiteral("No se puede leer.");
        return {};
    }
    if (ScoreHistory::hasHeader(bytes))
        return historyRows(bytes, entry.name, reason);
    const ResultsFileReader::Result result = ResultsFileReader::parse(bytes);
    if (!result.ok) {
        reason = result.reason;
        return {};
    }
    return {Row{result, opened.modified, entry.name}};
}

const QCollator &spanishCollator()
{
    // Built once: a collator costs far more to make than a comparison.
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Spanish, QLocale::Spain)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

Folder readFolder(const QString &folder)
{
    return readFolder(ClassResultsFolder::Path::fromText(folder));
}

Folder readFolder(const ClassResultsFolder::Path &folder)
{
    Folder contents;
    const ClassResultsFolder::Listing listing = ClassResultsFolder::list(folder);
    contents.error = listing.error;
    QHash<QString, qsizetype> byStudent;
    for (const ClassResultsFolder::Entry &entry : listing.entries) {
        QString reason;
        bool isFolder = false;
        const QList<Row> rows = readFile(folder, entry, isFolder, reason);
        if (isFolder)
            continue;
        if (rows.isEmpty()) {
            contents.rejected << Rejected{entry.name, reason};
            continue;
        }
        for (const Row &row : rows) {
            const QString key = studentKey(row);
            const auto found = byStudent.constFind(key);
            if (found == byStudent.constEnd()) {
                byStudent.insert(key, contents.rows.size());
                contents.rows << row;
            } else if (contents.rows.at(*found).date < row.date) {
                contents.rows[*found] = row;
            }
        }
    }
    return contents;
}

int compareText(const QString &a, const QString &b)
{
    return spanishCollator().compare(a, b);
}

void sortByName(QList<Row> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        const int byName = compareText(a.name, b.name);
        return byName != 0 ? byName < 0 : compareText(a.group, b.group) < 0;
    });
}

Averages averages(const QList<Row> &rows)
{
    Averages sums;
    if (rows.isEmpty())
        return sums;
    for (const Row &row : rows) {
        sums.board += row.board;
        sums.examples += row.examples;
        sums.phrases += row.phrases;
        sums.questions += row.questions;
        sums.average += row.total;
    }
    const double n = rows.size();
    return {sums.board / n, sums.examples / n, sums.phrases / n, sums.questions / n, sums.average / n};
}

QList<int> histogram(const QList<Row> &rows)
{
    QList<int> bins(10, 0);
    for (const Row &row : rows)
        ++bins[std::clamp(row.total / 10, 0, 9)];
    return bins;
}

QString averageText(double value)
{
    return QString::number(value, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

QStringList headings()
{
    return {QStringLiteral("Nombre"), QStringLiteral("Grupo"), QStringLiteral("Tablero"), QStringLiteral("Ejemplos"),
            QStringLiteral("Frases"), QStringLiteral("Cuestiones"), QStringLiteral("Promedio"), QStringLiteral("Fecha")};
}

QByteArray csv(const QList<Row> &rows)
{
    QStringList lines;
    lines << headings().join(QLatin1Char(';'));
    for (const Row &row : rows) {
        QStringList fields = {row.name, row.group};
        for (int score : {row.board, row.examples, row.phrases, row.questions, row.total})
            fields << QString::number(score);
        fields << row.date.toString(dateFormat);
        for (QString &field : fields)
            field = CsvField::cell(field);
        lines << fields.join(QLatin1Char(';'));
    }
    const Averages a = averages(rows);
    lines << QStringList{QStringLiteral("Media de la clase"), QString(), averageText(a.board), averageText(a.examples),
                         averageText(a.phrases), averageText(a.questions), averageText(a.average), QString()}
                 .join(QLatin1Char(';'));
    return QByteArrayLiteral("\xEF\xBB\xBF") + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

TextFile::SaveStatus writeCsv(const QString &path, const QList<Row> &rows)
{
    return TextFile::trySaveBytes(path, csv(rows));
}

} // namespace ClassResults
