// The history file: reading, parsing and appending dated score records.
#include "exercises/ScoreHistory.h"

#include "shared/AppError.h"
#include "shared/CsvField.h"
#include "shared/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ScoreHistory {

namespace {

const QString dateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr int fieldCount = 8;

// "yyyy-MM-dd HH:mm:ss" read by hand: the general date parser costs more than the rest of a
// line, and a history may hold thousands of them.
QDateTime readDate(QStringView text)
{
    static const QString pattern = QStringLiteral("0000-00-00 00:00:00");
    if (text.size() != pattern.size())
        return {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool digit = pattern.at(i) == QLatin1Char('0');
        if (digit ? !text.at(i).isDigit() : text.at(i) != pattern.at(i))
            return {};
    }
    const auto number = [&text](qsizetype from, qsizetype length) { return text.mid(from, length).toInt(); };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

bool readScore(const QString &text, int &score)
{
    bool ok = false;
    score = text.trimmed().toInt(&ok);
    return ok && score >= 0 && score <= 100;
}

} // namespace

QString defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("historial.csv"));
}

QByteArray header()
{
    return QByteArrayLiteral("fecha;nombre;grupo;tablero;ejemplos;frases;cuestiones;promedio");
}

Record fromFigures(const ResultsSummary::Figures &figures, const QDateTime &when)
{
    return {{figures.percentages, figures.studentName, figures.studentGroup}, when};
}

QByteArray line(const Record &record)
{
    QStringList fields = {record.when.toString(dateFormat), CsvField::cell(record.name), CsvField::cell(record.group)};
    for (int score : {record.board, record.examples, record.phrases, record.questions, record.total})
        fields << QString::number(score);
    return fields.join(QLatin1Char(';')).toUtf8();
}

QStringList splitLine(const QString &line)
{
    QStringList fields;
    QString field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            inQuotes = true;
        } else if (c == QLatin1Char(';')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

bool hasHeader(const QByteArray &bytes)
{
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    return text.startsWith(header());
}

Contents parse(const QByteArray &bytes)
{
    Contents contents;
    const QString text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    const QStringList lines = TextFile::splitLines(text);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &lineText = lines.at(n);
        if (n == 0 && lineText.toUtf8() == header())
            continue;
        if (lineText.trimmed().isEmpty())
            continue;
        const QStringList fields = splitLine(lineText);
        Record record;
        bool ok = fields.size() == fieldCount;
        if (ok) {
            record.when = readDate(fields.at(0));
            record.name = CsvField::text(fields.at(1));
            record.group = CsvField::text(fields.at(2));
            ok = record.when.isValid() && readScore(fields.at(3), record.board) && readScore(fields.at(4), record.examples)
                && readScore(fields.at(5), record.phrases) && readScore(fields.at(6), record.questions)
                && readScore(fields.at(7), record.total);
        }
        if (ok)
            contents.records << record;
        else
            ++contents.damaged;
    }
    return contents;
}

Contents read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    try {
        const TextFile::ReadResult result = TextFile::tryReadBytes(path);
        if (result.status == TextFile::ReadResult::Ok)
            return parse(result.bytes);
    } catch (const AppError &) {
    }
    return {};
}

AppendStatus append(const QString &path, const Record &record)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        // An earlier history that cannot be read is never replaced by a shorter one.
        try {
            const TextFile::ReadResult old = TextFile::tryReadBytes(path);
            if (old.status != TextFile::ReadResult::Ok)
                return AppendStatus::CannotRead;
            bytes = old.bytes;
        } catch (const AppError &) {
            return AppendStatus::CannotRead;
        }
    }
    if (bytes.isEmpty())
        bytes = header() + '\n';
    else if (!bytes.endsWith('\n'))
        bytes += '\n';
    bytes += line(record) + '\n';
    QDir().mkpath(QFileInfo(path).absolutePath());
    return TextFile::trySaveBytes(path, bytes) == TextFile::SaveStatus::Ok ? AppendStatus::Ok : AppendStatus::CannotWrite;
}

} // namespace ScoreHistory
