// Reading and writing the program's text files.
#include "shared/TextFile.h"

#include "shared/AppError.h"
#include "shared/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>

namespace TextFile {

namespace {

bool hasNonAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

QString displayName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Whether the bytes are well-formed UTF-8: no stray or missing continuation byte, no overlong
// form, no surrogate, nothing past U+10FFFF. It stops at the first fault, so a Windows-1252 file
// costs only the bytes up to its first accent; decoding it to find that out would cost all of it.
bool isWellFormedUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        // The lead byte tells how many bytes follow, its own bits of the code point and the
        // least code point that needs that many bytes.
        const int following = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
        if (following == 0)
            return false;
        constexpr char32_t leastOf[] = {0, 0x80, 0x800, 0x10000};
        const char32_t least = leastOf[following];
        char32_t code = lead & (0x3F >> following);
        if (end - p <= following)
            return false;
        for (int k = 1; k <= following; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[k] & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += following + 1;
    }
    return true;
}

// Valid UTF-8 with some non-ASCII byte: the text; otherwise nothing.
std::optional<QString> strictUtf8(QByteArrayView bytes, QStringDecoder &utf8)
{
    if (!hasNonAscii(bytes) || !isWellFormedUtf8(bytes))
        return std::nullopt;
    utf8.resetState();
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? std::nullopt : std::optional<QString>(std::move(text));
}

// Each line on its own: UTF-8 when it is valid UTF-8, Windows-1252 otherwise. CR and LF never
// occur inside a UTF-8 sequence nor stand for a letter in Windows-1252, so cutting at them
// cuts no character. Only the UTF-8 lines need composing: no character of Windows-1252
// decomposes or combines with another.
QString decodeLineByLine(QByteArrayView bytes, QStringDecoder &utf8)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        while (end < bytes.size() && (bytes[end] == '\n' || bytes[end] == '\r'))
            ++end;
        const QByteArrayView line = bytes.sliced(start, end - start);
        if (std::optional<QString> decoded = strictUtf8(line, utf8)) {
            text += decoded->normalized(QString::NormalizationForm_C);
        } else {
            const qsizetype at = text.size();
            text.resize(at + line.size());
            Windows1252::decodeInto(line, text.data() + at);
        }
        start = end;
    }
    return text;
}

// The text in composed form (NFC), which text from Windows-1252 or plain ASCII always is.
QString decodeComposed(const QByteArray &bytes)
{
    const auto composed = [](const QString &text) { return text.normalized(QString::NormalizationForm_C); };
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return composed(QString::fromUtf8(QByteArrayView(bytes).sliced(3)));
    if (bytes.startsWith("\xFF\xFE"))
        return composed(QStringDecoder(QStringDecoder::Utf16LE).decode(QByteArrayView(bytes).sliced(2)));
    if (bytes.startsWith("\xFE\xFF"))
        return composed(QStringDecoder(QStringDecoder::Utf16BE).decode(QByteArrayView(bytes).sliced(2)));
    if (!hasNonAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    if (std::optional<QString> text = strictUtf8(bytes, utf8))
        return composed(*text);
    return decodeLineByLine(bytes, utf8);
}

} // namespace

QString decode(const QByteArray &bytes)
{
    return decodeComposed(bytes);
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
std::optional<QByteArray> strictWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const std::optional<char> byte = Windows1252::encode(ch);
        if (!byte)
            return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

} // namespace

QByteArray encodeWindows1252(const QString &text)
{
    // A character with no place in the code page becomes '?', and only that one.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text)
        bytes += Windows1252::encode(ch).value_or('?');
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
    // The same line rule as TextLines, cut in one pass.
    QStringList lines;
    const QChar *data = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = data[i].unicode();
        if (ch > u'\r' || (ch != u'\r' && ch != u'\n'))
            continue;
        lines.append(QString(data + start, i - start));
        if (ch == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString(data + start, size - start));
    return lines;
}

ReadResult tryReadBytes(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("No se puede abrir el archivo %1.").arg(displayName(path)));
    // A file already known to be too large is refused before a byte of it is read.
    if (file.size() > maxFileBytes)
        return {ReadResult::TooLarge, {}};
    ReadResult result;
    // Read in pieces sized to what is left, so a short file costs a short buffer; a file that
    // grows while it is read still stops at the limit.
    for (;;) {
        const qint64 left = file.size() - result.bytes.size();
        const QByteArray chunk = file.read(std::clamp<qint64>(left + 1, 4096, 1024 * 1024));
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

namespace {

// Why a write failed, as the system said it.
SaveStatus writeFailure(int error)
{
#ifdef EDQUOT
    if (error == EDQUOT)
        return SaveStatus::DiskFull;
#endif
    return error == ENOSPC ? SaveStatus::DiskFull : SaveStatus::CannotWrite;
}

// A link to somewhere else: a fresh file beside it, renamed over the link itself once it is
// whole, so that a failed write leaves the link as it was and the file it points to is never
// touched.
SaveStatus saveOverLink(const QString &path, const QByteArray &bytes)
{
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return SaveStatus::CannotCreate;
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return writeFailure(errno);
    file.close();
    // The system's rename replaces the link itself, and does so in one step.
    std::error_code renamed;
    std::filesystem::rename(std::filesystem::path(file.fileName().toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), renamed);
    if (renamed)
        return SaveStatus::CannotCreate;
    file.setAutoRemove(false);
    return SaveStatus::Ok;
}

} // namespace

SaveStatus trySaveBytes(const QString &path, const QByteArray &bytes, Links links)
{
    if (links == Links::ReplaceLink && QFileInfo(path).isSymLink())
        return saveOverLink(path, bytes);
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the system at once and a full disk fails it. A
    // buffered small file would be written only by commit(), which does not see that failure
    // and would put an empty file in place of the previous one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveStatus::CannotCreate;
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const SaveStatus failure = writeFailure(errno);
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return writeFailure(errno);
    return SaveStatus::Ok;
}

QString saveErrorMessage(const QString &path, SaveStatus status)
{
    switch (status) {
    case SaveStatus::Ok:
        break;
    case SaveStatus::CannotCreate:
        return QStringLiteral("No se puede crear el archivo %1.").arg(displayName(path));
    case SaveStatus::DiskFull:
        return QStringLiteral("No se ha podido guardar el archivo %1: el disco está lleno. "
                              "No se ha perdido nada de lo guardado antes.")
            .arg(displayName(path));
    case SaveStatus::CannotWrite:
        return QStringLiteral("No se ha podido guardar el archivo %1: ha fallado la escritura. "
                              "No se ha perdido nada de lo guardado antes.")
            .arg(displayName(path));
    }
    return QString();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    const SaveStatus status = trySaveBytes(path, bytes);
    if (status != SaveStatus::Ok)
        throw AppError(saveErrorMessage(path, status));
}

void writeLines(const QString &path, const QStringList &lines)
{
    writeBytes(path, encodeWindows1252(joinCrLf(lines)));
}

} // namespace TextFile
