// Gathering a class's results files and their details, and the class table as CSV.
#include "results/ClassResults.h"

#include "results/MissRules.h"
#include "results/ResultsFileReader.h"
#include "results/ResultsSummary.h"
#include "results/ScoreHistory.h"
#include "shared/CsvField.h"
#include "shared/TextFile.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>

namespace ClassResults {

namespace {

QString studentKey(const QString &name, const QString &group)
{
    return name.simplified().toCaseFolded() + QLatin1Char('\n') + group.simplified().toCaseFolded();
}

QString studentKey(const Row &row)
{
    return studentKey(row.name, row.group);
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

// What a file of the folder turned out to be.
enum class FileKind { Other, Folder, History, Results };

// The rows one file gives, or the reason it gives none. Its size decides before any reading:
// only a history may be larger than a results file.
QList<Row> readFile(const ClassResultsFolder::Path &folder, const ClassResultsFolder::Entry &entry, FileKind &kind,
                    QString &reason)
{
    ClassResultsFolder::Opened opened = ClassResultsFolder::open(folder, entry);
    kind = opened.kind == ClassResultsFolder::Opened::Folder ? FileKind::Folder : FileKind::Other;
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
        kind = FileKind::History;
        return historyRows(bytes, entry.name, reason);
    }
    // A file that grew since its size was taken is still read no further than a results file.
    if (!readAtMost(file, opened.size, ResultsFileReader::maxFileBytes, bytes)) {
        reason = file.error() == QFileDevice::NoError ? ResultsFileReader::sizeRefusal(ResultsFileReader::maxFileBytes + 1)
                                                      : QStringLiteral("No se puede leer.");
        return {};
    }
    if (ScoreHistory::hasHeader(bytes)) {
        kind = FileKind::History;
        return historyRows(bytes, entry.name, reason);
    }
    const ResultsFileReader::Result result = ResultsFileReader::parse(bytes);
    if (!result.ok) {
        reason = result.reason;
        return {};
    }
    kind = FileKind::Results;
    return {Row{result, opened.modified, entry.name}};
}

// "Ana Pérez (2B)", or the name alone without a group.
QString studentText(const QString &name, const QString &group)
{
    return group.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, group);
}

// The detail file's misses put on the row it lies beside, or why they are not: a note, never a
// reason to drop the row. Opened by the bytes of its name, as the results file was.
void takeDetail(const ClassResultsFolder::Path &folder, const ClassResultsFolder::Entry &entry, Row &row,
                QList<Note> &notes)
{
    const QString path = QDir(folder.shown).filePath(entry.name);
    ClassResultsFolder::Opened opened = ClassResultsFolder::open(folder, entry);
    if (opened.kind != ClassResultsFolder::Opened::File) {
        notes << Note{entry.name, QStringLiteral("No se ha leído el archivo de detalle %1, pero los resultados cuentan. %2")
                                      .arg(QDir::toNativeSeparators(path), opened.reason)};
        return;
    }
    // One byte more than a detail may hold tells one too large, whatever its size said.
    const SessionDetail::Reading reading =
        SessionDetail::parse(opened.file->read(std::min(opened.size, SessionDetail::maxBytes) + 1), path);
    if (reading.status != SessionDetail::Reading::Ok) {
        notes << Note{entry.name, reading.problem};
        return;
    }
    // Cut and trimmed as the results file's own fields are, so that the same student matches.
    const QString name = ResultsSummary::studentField(reading.detail.scores.name).trimmed();
    const QString group = ResultsSummary::studentField(reading.detail.scores.group).trimmed();
    if (studentKey(name, group) != studentKey(row)) {
        notes << Note{entry.name, QStringLiteral("El archivo de detalle %1 es de %2 y sus resultados, de %3: no se han "
                                                 "leído sus fallos, pero los resultados cuentan.")
                                      .arg(QDir::toNativeSeparators(path), studentText(name, group),
                                           studentText(row.name, row.group))};
        return;
    }
    // Saved with the results file at the same send, a detail has its very figures: other ones
    // are another session's misses, which would be taught as this one's.
    if (static_cast<const ResultsSummary::StripFigures &>(reading.detail.scores)
        != static_cast<const ResultsSummary::StripFigures &>(row)) {
        notes << Note{entry.name, QStringLiteral("El archivo de detalle %1 es de otra sesión de %2: sus notas no son las "
                                                 "de los resultados. No se han leído sus fallos, pero los resultados cuentan.")
                                      .arg(QDir::toNativeSeparators(path), studentText(row.name, row.group))};
        return;
    }
    if (!reading.problem.isEmpty())
        notes << Note{entry.name, reading.problem};
    row.rules = SessionDetail::byRule(reading.detail.misses);
    row.hasDetail = true;
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
    const QList<ClassResultsFolder::Entry> &entries = listing.entries;
    // The file each entry's detail would be, when the folder holds one of that name. Such a
    // file waits for its results file; only when none takes it is it read as any other.
    QHash<QString, qsizetype> byName;
    for (qsizetype i = 0; i < entries.size(); ++i)
        byName.insert(entries.at(i).name, i);
    QList<qsizetype> detailOf(entries.size(), -1);
    QList<bool> waits(entries.size(), false);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString beside = SessionDetail::pathBeside(entries.at(i).name);
        const qsizetype found = beside == entries.at(i).name ? -1 : byName.value(beside, -1);
        if (found >= 0) {
            detailOf[i] = found;
            waits[found] = true;
        }
    }
    QList<bool> taken(entries.size(), false);
    QHash<QString, qsizetype> byStudent;
    const auto readEntry = [&](qsizetype index) {
        const ClassResultsFolder::Entry &entry = entries.at(index);
        QString reason;
        FileKind kind = FileKind::Other;
        QList<Row> rows = readFile(folder, entry, kind, reason);
        if (kind == FileKind::Folder)
            return;
        if (rows.isEmpty()) {
            contents.rejected << Rejected{entry.name, reason};
            return;
        }
        // History records carry no details.
        if (kind == FileKind::Results && detailOf.at(index) >= 0) {
            takeDetail(folder, entries.at(detailOf.at(index)), rows.first(), contents.notes);
            taken[detailOf.at(index)] = true;
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
    };
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (!waits.at(i))
            readEntry(i);
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (waits.at(i) && !taken.at(i))
            readEntry(i);
    // Refusals in the folder's order, as if every file had been read in turn.
    std::stable_sort(contents.rejected.begin(), contents.rejected.end(),
                     [](const Rejected &a, const Rejected &b) { return a.file < b.file; });
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

bool anyDetail(const QList<Row> &rows)
{
    return std::any_of(rows.begin(), rows.end(), [](const Row &row) { return row.hasDetail; });
}

QList<RuleShare> ruleShares(const QList<Row> &rows)
{
    QList<RuleShare> shares;
    QHash<QString, qsizetype> where;
    qint64 all = 0;
    for (const Row &row : rows) {
        for (const SessionDetail::RuleCount &count : row.rules) {
            all += count.misses;
            const auto found = where.constFind(count.rule);
            if (found != where.cend()) {
                shares[*found].misses += count.misses;
                continue;
            }
            where.insert(count.rule, shares.size());
            shares << RuleShare{count, 0};
        }
    }
    for (RuleShare &share : shares)
        share.percent = 100.0 * share.misses / double(all);
    std::stable_sort(shares.begin(), shares.end(), SessionDetail::missedMoreOften);
    return shares;
}

namespace {

// "Quien falla sobre todo: A (41 %), B (23 %) y C (12 %)." from the three most missed rules.
QString mostMissed(const QString &who, const QList<RuleShare> &shares)
{
    QStringList parts;
    for (const RuleShare &share : shares.mid(0, 3))
        // A no-break space keeps the figure and its sign on one line. One arg() call: a rule
        // named by a later program's file may hold "%2" itself.
        parts << QStringLiteral("%1 (%2\u00a0%)").arg(share.name, QString::number(qRound(share.percent)));
    const QString last = parts.takeLast();
    const QString list = parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QStringLiteral(" y ") + last;
    return QStringLiteral("%1 falla sobre todo: %2.").arg(who, list);
}

} // namespace

QString weakRules(const QList<Row> &rows)
{
    const auto withDetail = std::count_if(rows.begin(), rows.end(), [](const Row &row) { return row.hasDetail; });
    if (withDetail == 0)
        return QStringLiteral("Ningún archivo de la carpeta trae el detalle de los fallos.");
    const QList<RuleShare> shares = ruleShares(rows);
    QString sentence = shares.isEmpty()
                           ? QStringLiteral("Los archivos de detalle de la carpeta no anotan ningún fallo.")
                           : mostMissed(QStringLiteral("La clase"), shares);
    if (withDetail < rows.size())
        sentence += QStringLiteral(" Solo %1 de los %2 alumnos traen el detalle de los fallos.").arg(withDetail).arg(rows.size());
    return sentence;
}

QString weakRules(const Row &row)
{
    if (!row.hasDetail)
        return QStringLiteral("El archivo de %1 no trae el detalle de los fallos.").arg(row.name);
    if (row.rules.isEmpty())
        return QStringLiteral("El detalle de %1 no anota ningún fallo.").arg(row.name);
    return mostMissed(row.name, ruleShares({row}));
}

QStringList ruleHeadings()
{
    return {QStringLiteral("Regla"), QStringLiteral("Fallos"), QStringLiteral("Porcentaje")};
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
    if (anyDetail(rows)) {
        lines << QString() << ruleHeadings().join(QLatin1Char(';'));
        for (const RuleShare &share : ruleShares(rows))
            lines << QStringList{CsvField::cell(share.name), QString::number(share.misses), averageText(share.percent)}
                         .join(QLatin1Char(';'));
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

TextFile::SaveStatus writeCsv(const QString &path, const QList<Row> &rows)
{
    return TextFile::trySaveBytes(path, csv(rows));
}

} // namespace ClassResults
