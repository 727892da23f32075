// Gathering a class's results files, and the class table as CSV and PDF.
#include "exercises/ClassResults.h"

#include "exercises/ResultsFileReader.h"
#include "exercises/ScoreHistory.h"
#include "shared/AppError.h"
#include "shared/TextFile.h"

#include <QDir>

#include <algorithm>
#include <QFileInfo>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QBuffer>
#include <QTextDocument>

namespace ClassResults {

namespace {

QString studentKey(const Row &row)
{
    return row.name.simplified().toCaseFolded() + QLatin1Char('\n') + row.group.simplified().toCaseFolded();
}

QString csvField(QString field)
{
    if (!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')))
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

const QString dateFormat = QStringLiteral("dd/MM/yyyy HH:mm");

// The rows one file gives, or the reason it gives none.
QList<Row> readFile(const QFileInfo &info, QString &reason)
{
    TextFile::ReadResult read;
    try {
        read = TextFile::tryReadBytes(info.filePath());
    } catch (const AppError &) {
        reason = QStringLiteral("No se puede abrir.");
        return {};
    }
    if (read.status == TextFile::ReadResult::TooLarge) {
        reason = QStringLiteral("Es demasiado grande para ser un archivo de resultados.");
        return {};
    }
    if (read.status != TextFile::ReadResult::Ok) {
        reason = QStringLiteral("No se puede leer.");
        return {};
    }
    if (ScoreHistory::hasHeader(read.bytes)) {
        const ScoreHistory::Contents history = ScoreHistory::parse(read.bytes);
        QHash<QString, Row> latest;
        QStringList order;
        for (const ScoreHistory::Record &r : history.records) {
            const Row row{r, r.when, info.fileName()};
            const QString key = studentKey(row);
            if (!latest.contains(key))
                order << key;
            if (!latest.contains(key) || latest.value(key).date <= row.date)
                latest.insert(key, row);
        }
        if (order.isEmpty())
            reason = QStringLiteral("Es un historial sin ninguna sesión válida.");
        QList<Row> rows;
        for (const QString &key : order)
            rows << latest.value(key);
        return rows;
    }
    const ResultsFileReader::Result result = ResultsFileReader::parse(read.bytes);
    if (!result.ok) {
        reason = result.reason;
        return {};
    }
    return {Row{result, info.lastModified(), info.fileName()}};
}

} // namespace

Folder readFolder(const QString &folder)
{
    Folder contents;
    QHash<QString, qsizetype> byStudent;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &info : files) {
        QString reason;
        const QList<Row> rows = readFile(info, reason);
        if (rows.isEmpty()) {
            contents.rejected << Rejected{info.fileName(), reason};
            continue;
        }
        for (const Row &row : rows) {
            if (row.name.trimmed().isEmpty()) {
                contents.rows << row;
                continue;
            }
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
        QStringList fields = {csvField(row.name), csvField(row.group)};
        for (int score : {row.board, row.examples, row.phrases, row.questions, row.total})
            fields << QString::number(score);
        fields << row.date.toString(dateFormat);
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

TextFile::SaveStatus writePdf(const QString &path, const QList<Row> &rows, const QString &folder)
{
    QString html = QStringLiteral("<h2>Resultados de la clase</h2><p>Carpeta: %1<br>Alumnos: %2</p>")
                       .arg(QDir::toNativeSeparators(folder).toHtmlEscaped())
                       .arg(rows.size());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (const QString &heading : headings())
        html += QStringLiteral("<th>%1</th>").arg(heading);
    html += QStringLiteral("</tr>");
    for (const Row &row : rows) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td>").arg(row.name.toHtmlEscaped(), row.group.toHtmlEscaped());
        for (int score : {row.board, row.examples, row.phrases, row.questions, row.total})
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(score);
        html += QStringLiteral("<td>%1</td></tr>").arg(row.date.toString(dateFormat));
    }
    const Averages a = averages(rows);
    html += QStringLiteral("<tr><td colspan=\"2\"><b>Media de la clase</b></td>");
    for (double value : {a.board, a.examples, a.phrases, a.questions, a.average})
        html += QStringLiteral("<td align=\"right\"><b>%1</b></td>").arg(averageText(value));
    html += QStringLiteral("<td></td></tr></table><h3>Reparto de los promedios</h3><p>");
    const QList<int> bins = histogram(rows);
    for (int n = 0; n < bins.size(); ++n)
        html += QStringLiteral("%1–%2: %3<br>").arg(n * 10).arg(n == 9 ? 100 : n * 10 + 9).arg(bins.at(n));
    html += QStringLiteral("</p>");

    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        pdf.setTitle(QStringLiteral("Resultados de la clase"));
        pdf.setCreator(QStringLiteral("Tildora"));
        QTextDocument document;
        document.setHtml(html);
        document.print(&pdf);
    }
    return TextFile::trySaveBytes(path, file.data());
}

} // namespace ClassResults
