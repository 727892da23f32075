// The history file: reading, parsing and appending dated score records.
#include "results/ScoreHistory.h"

#include "shared/AppError.h"
#include "shared/CsvField.h"
#include "shared/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimeZone>

namespace ScoreHistory {

namespace {

const QString dateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr int fieldCount = 8;
// The misses by rule follow the eight scores when there are any.
constexpr int fieldCountWithMisses = 9;

// "yyyy-MM-dd HH:mm:ss" read by hand: the general date parser costs more than the rest of a
// line, and a history may hold thousands of them. The time is the zone's wall-clock time, as
// the writer puts it; taken in the zone given (the system's, looked up once per file) rather
// than as plain local time, which asks the C library to check the system's zone file for every
// date and took half the time of reading a long history.
QDateTime readDate(QStringView text, const QTimeZone &zone)
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
    return QDateTime(date, time, zone);
}

bool readScore(const QString &text, int &score)
{
    bool ok = false;
    score = text.trimmed().toInt(&ok);
    return ok && score >= 0 && score <= 100;
}

// "hiato=2 aguda-con-tilde=1": keys of lowercase ASCII letters, digits and hyphens, each with a
// positive count, at most once. An empty field is a session without misses. Keys are not
// checked against the rules the program knows: a later program may know more, and its lines
// must still read.
bool readMisses(const QString &text, QMap<QString, int> &misses)
{
    for (const QString &pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString key = pair.left(equals);
        if (equals <= 0 || misses.contains(key))
            return false;
        for (const QChar c : key)
            if (!(c.isDigit() || c == QLatin1Char('-') || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))))
                return false;
        bool ok = false;
        const int count = pair.mid(equals + 1).toInt(&ok);
        if (!ok || count <= 0)
            return false;
        misses.insert(key, count);
    }
    return true;
}

// A text field as it will be written back: half of a UTF-16 pair (a file saved as "Unicode"
// may hold one) has no UTF-8 form, so it is read as the replacement character it would become.
QString wholeCharacters(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

bool isHeaderLine(const QString &line)
{
    return line.trimmed() == QLatin1String(header());
}

bool isBlank(const QByteArray &bytes)
{
    // A history shows its header in its first bytes: the whole file is decoded only when
    // those are blank.
    constexpr qsizetype start = 256;
    if (!TextFile::decode(bytes.left(start)).trimmed().isEmpty())
        return false;
    return bytes.size() <= start || TextFile::decode(bytes).trimmed().isEmpty();
}

bool isUtf16(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)utf8.decode(bytes);
    return !utf8.hasError();
}

// The history's bytes, or why they cannot be a history; a missing file is an empty one.
Problem load(const QString &path, QByteArray &bytes)
{
    const QFileInfo info(path);
    // Checked first: a link that points nowhere does not "exist", yet writing through it would
    // create whatever file it names.
    if (info.isSymLink())
        return Problem::Link;
    if (!info.exists())
        return Problem::None;
    if (!info.isFile())
        return Problem::NotAFile;
    // Refused by its size before a byte is read.
    if (info.size() > maxBytes)
        return Problem::TooLarge;
    if (!info.isReadable())
        return Problem::NoPermission;
    TextFile::ReadResult read;
    try {
        read = TextFile::tryReadBytes(path);
    } catch (const AppError &) {
        return Problem::ReadFailed;
    }
    if (read.status == TextFile::ReadResult::Unreadable)
        return Problem::ReadFailed;
    // Also a file that grew while it was read.
    if (read.status == TextFile::ReadResult::TooLarge || read.bytes.size() > maxBytes)
        return Problem::TooLarge;
    bytes = std::move(read.bytes);
    if (!isBlank(bytes) && !hasHeader(bytes)) {
        bytes.clear();
        return Problem::NotAHistory;
    }
    return Problem::None;
}

} // namespace

QString problemText(Problem problem, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    const auto megabytes = [](qint64 bytes) { return QLocale().toString(double(bytes) / (1024 * 1024), 'f', 1); };
    switch (problem) {
    case Problem::None:
        break;
    case Problem::Link:
        return QStringLiteral("El historial %1 es un enlace a otro archivo. Tildora no lo lee ni escribe en él, "
                              "para no cambiar ese otro archivo.")
            .arg(file);
    case Problem::NotAHistory:
        return QStringLiteral("El archivo %1 no es un historial de Tildora: su primera línea no es «%2». "
                              "No se ha leído ni cambiado.")
            .arg(file, QString::fromLatin1(header()));
    case Problem::NotAFile:
        return QStringLiteral("No se puede leer el historial %1: no es un archivo, sino una carpeta u otra cosa.").arg(file);
    case Problem::NoPermission:
        return QStringLiteral("No se puede leer el historial %1: no tienes permiso para leerlo.").arg(file);
    case Problem::ReadFailed:
        return QStringLiteral("No se puede leer el historial %1: el sistema no ha podido leerlo.").arg(file);
    case Problem::TooLarge:
        return QStringLiteral("No se puede leer el historial %1: ocupa %2 MB y un historial no puede pasar de %3 MB. "
                              "Cámbiale el nombre para empezar uno nuevo.")
            .arg(file, megabytes(QFileInfo(path).size()), megabytes(maxBytes));
    }
    return QString();
}

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
    QStringList misses;
    for (auto miss = record.misses.cbegin(); miss != record.misses.cend(); ++miss)
        if (miss.value() > 0)
            misses << miss.key() + QLatin1Char('=') + QString::number(miss.value());
    if (!misses.isEmpty())
        fields << misses.join(QLatin1Char(' '));
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
    // The header is short: the first bytes are enough, in whatever encoding they come, as long
    // as its line ends among them.
    const QByteArray start = bytes.left(4 * header().size());
    const QString text = TextFile::decode(start);
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
        ++end;
    if (end == text.size() && start.size() < bytes.size())
        return false;
    return isHeaderLine(text.left(end));
}

Contents parse(const QByteArray &bytes)
{
    Contents contents;
    const QStringList lines = TextFile::splitLines(TextFile::decode(bytes));
    const QTimeZone zone = QTimeZone::systemTimeZone();
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &lineText = lines.at(n);
        if (n == 0 && isHeaderLine(lineText))
            continue;
        if (lineText.trimmed().isEmpty())
            continue;
        const QStringList fields = splitLine(lineText);
        Record record;
        bool ok = fields.size() == fieldCount || fields.size() == fieldCountWithMisses;
        if (ok) {
            record.when = readDate(fields.at(0), zone);
            record.name = wholeCharacters(CsvField::text(fields.at(1)));
            record.group = wholeCharacters(CsvField::text(fields.at(2)));
            ok = record.when.isValid() && readScore(fields.at(3), record.board) && readScore(fields.at(4), record.examples)
                && readScore(fields.at(5), record.phrases) && readScore(fields.at(6), record.questions)
                && readScore(fields.at(7), record.total)
                && (fields.size() == fieldCount || readMisses(fields.at(8), record.misses));
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
    QByteArray bytes;
    const Problem problem = load(path, bytes);
    if (problem != Problem::None) {
        Contents refused;
        refused.problem = problem;
        return refused;
    }
    return parse(bytes);
}

bool sameFigures(const StudentScores &a, const StudentScores &b)
{
    return a.name == b.name && a.group == b.group && a.board == b.board && a.examples == b.examples
        && a.phrases == b.phrases && a.questions == b.questions && a.total == b.total;
}

AppendStatus append(const QString &path, const Record &record, Problem *problem)
{
    QByteArray bytes;
    // An earlier history that cannot be read is never replaced by a shorter one, and a file
    // that is no history is never added to.
    const Problem found = load(path, bytes);
    if (problem)
        *problem = found;
    if (found != Problem::None)
        return AppendStatus::Refused;
    const Contents old = parse(bytes);
    if (!old.records.isEmpty() && sameFigures(old.records.constLast(), record) && record.misses.isEmpty())
        return AppendStatus::AlreadyRecorded;

    QByteArray newLine = line(record);
    if (isBlank(bytes)) {
        bytes = header() + '\n';
    } else if (isUtf16(bytes)) {
        // A history saved by hand as "Unicode": UTF-8 lines added to it would read as noise,
        // so the whole file goes over to UTF-8, every line kept.
        bytes = wholeCharacters(TextFile::decode(bytes)).toUtf8();
    } else if (!isUtf8(bytes)) {
        // A history kept in Windows-1252 stays in it while its letters allow.
        const QString text = QString::fromUtf8(newLine);
        if (TextFile::encodeKeepingEveryLetter(text) == TextFile::encodeWindows1252(text))
            newLine = TextFile::encodeWindows1252(text);
    }
    if (!bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += '\n';
    bytes += newLine + '\n';
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The history's name is the program's own: a link put there meanwhile is replaced, never
    // followed.
    return TextFile::trySaveBytes(path, bytes, TextFile::Links::ReplaceLink) == TextFile::SaveStatus::Ok
        ? AppendStatus::Ok
        : AppendStatus::CannotWrite;
}

} // namespace ScoreHistory
