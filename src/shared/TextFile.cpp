// Reading and writing the program's text files.
#include "shared/TextFile.h"

#include "shared/AppError.h"
#include "shared/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace TextFile {

namespace {

bool hasNonAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

// Qt's converter knows Windows-1252 through ICU; without it, Latin-1 is the closest fallback
// (it differs only in 0x80-0x9F: curly quotes, the euro sign, dashes).
QString decodeWindows1252(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    if (decoder.isValid())
        return decoder.decode(bytes);
    return QString::fromLatin1(bytes);
}

QString displayName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(QByteArrayView(bytes).sliced(2));
    if (hasNonAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return decodeWindows1252(bytes);
}

bool looksLikeText(QStringView text)
{
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r' && code != u'\f')
            return false;
    }
    return true;
}

namespace {

// The text in Windows-1252, or nothing when some character has no place in the code page.
// Without Qt's converter only ASCII and Latin-1's letters (U+00A0 on) are surely the same.
std::optional<QByteArray> strictWindows1252(const QString &text)
{
    QStringEncoder whole("windows-1252", QStringEncoder::Flag::Stateless);
    if (whole.isValid()) {
        QByteArray bytes = whole.encode(text);
        return whole.hasError() ? std::nullopt : std::optional<QByteArray>(bytes);
    }
    for (const QChar ch : text)
        if (ch.unicode() > 0xFF || (ch.unicode() >= 0x80 && ch.unicode() < 0xA0))
            return std::nullopt;
    return text.toLatin1();
}

} // namespace

QByteArray encodeWindows1252(const QString &text)
{
    if (std::optional<QByteArray> bytes = strictWindows1252(text))
        return *bytes;
    // Some character has no place in the code page: go one character at a time so that only
    // those become '?'.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        QStringEncoder single("windows-1252", QStringEncoder::Flag::Stateless);
        const QByteArray one = single.isValid() ? QByteArray(single.encode(QStringView(&ch, 1))) : QByteArray();
        if (single.isValid() && !single.hasError() && one.size() == 1)
            bytes += one;
        else if (!single.isValid() && ch.unicode() < 0x100)
            bytes += static_cast<char>(ch.unicode());
        else
            bytes += '?';
    }
    return bytes;
}

QByteArray encodeKeepingEveryLetter(const QString &text)
{
    if (std::optional<QByteArray> bytes = strictWindows1252(text))
        return *bytes;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString joinCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    return text;
}

QStringList splitLines(const QString &text)
{
    // The line rule lives in TextLines; this is the same lines as a list.
    const TextLines store(text);
    QStringList lines;
    lines.reserve(store.count());
    for (qsizetype n = 1; n <= store.count(); ++n)
        lines.append(store.line(n));
    return lines;
}

ReadResult tryReadBytes(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("No se puede abrir el archivo %1.").arg(displayName(path)));
    // Refused before a byte is read when the size already says so.
    if (file.size() > maxFileBytes)
        return {ReadResult::TooLarge, {}};
    ReadResult result;
    // Read in pieces: a file that grows while it is read still stops at the limit.
    for (;;) {
        const QByteArray chunk = file.read(1024 * 1024);
        if (file.error() != QFileDevice::NoError)
            return {ReadResult::Unreadable, {}};
        if (chunk.isEmpty())
            break;
        result.bytes += chunk;
        if (result.bytes.size() > maxFileBytes)
            return {ReadResult::TooLarge, {}};
    }
    return result;
}

QByteArray readBytes(const QString &path)
{
    ReadResult result = tryReadBytes(path);
    switch (result.status) {
    case ReadResult::Ok:
        break;
    case ReadResult::Unreadable:
        throw AppError(QStringLiteral("No se puede leer el archivo %1.").arg(displayName(path)));
    case ReadResult::TooLarge:
        throw AppError(QStringLiteral("El archivo %1 es demasiado grande.").arg(displayName(path)));
    }
    return std::move(result.bytes);
}

QString readText(const QString &path)
{
    QString text = decode(readBytes(path));
    if (!looksLikeText(text))
        throw AppError(QStringLiteral("El archivo %1 no es un archivo de texto.").arg(displayName(path)));
    return text;
}

QStringList readLines(const QString &path)
{
    return splitLines(readText(path));
}

SaveStatus trySaveBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveStatus::CannotCreate;
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return SaveStatus::CannotWrite;
    }
    return SaveStatus::Ok;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    if (trySaveBytes(path, bytes) != SaveStatus::Ok)
        throw AppError(QStringLiteral("No se puede escribir el archivo %1.").arg(displayName(path)));
}

void writeLines(const QString &path, const QStringList &lines)
{
    writeBytes(path, encodeWindows1252(joinCrLf(lines)));
}

} // namespace TextFile
