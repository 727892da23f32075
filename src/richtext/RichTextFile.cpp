// Loading and saving documents of the rich-text boxes, with RTF detection.
#include "richtext/RichTextFile.h"

#include "richtext/RtfDocumentBuilder.h"
#include "richtext/RtfPlainText.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "shared/AppError.h"
#include "shared/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextDocument>

namespace RichTextFile {

namespace {

QString displayName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void readPlain(QTextDocument &document, const QByteArray &bytes)
{
    document.setPlainText(TextFile::splitLines(TextFile::decode(bytes)).join(QLatin1Char('\n')));
}

void readRtf(QTextDocument &document, const QByteArray &bytes)
{
    RtfDocumentBuilder builder(document);
    RtfReader reader(builder);
    reader.read(bytes);
    builder.finish();
}

} // namespace

bool isRtf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype start = 0;
    while (start < bytes.size()
           && (bytes[start] == ' ' || bytes[start] == '\t' || bytes[start] == '\r' || bytes[start] == '\n'))
        ++start;
    return bytes.sliced(start).startsWith("{\\rtf");
}

void read(QTextDocument &document, const QByteArray &bytes)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false); // a loaded file is where undoing stops
    if (isRtf(bytes))
        readRtf(document, bytes);
    else
        readPlain(document, bytes);
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
}

void read(QTextDocument &document, QIODevice &device)
{
    read(document, device.readAll());
}

QByteArray write(const QTextDocument &document)
{
    return RtfWriter::write(document);
}

void write(const QTextDocument &document, QIODevice &device)
{
    const QByteArray bytes = write(document);
    if (device.write(bytes) != bytes.size())
        throw AppError(QString::fromLatin1(SaveStreamError));
}

QStringList lines(const QByteArray &bytes)
{
    if (isRtf(bytes))
        return RtfPlainText::lines(bytes);
    return TextFile::splitLines(TextFile::decode(bytes));
}

QStringList readLines(const QString &path)
{
    return lines(TextFile::readBytes(path));
}

void load(QTextDocument &document, const QString &path)
{
    // Only regular files: a device or a pipe would be read without end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("No se puede abrir el archivo %1.").arg(displayName(path)));
    if (file.size() > MaxLoadBytes)
        throw AppError(QString::fromLatin1(LoadStreamError));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QString::fromLatin1(LoadStreamError));
    read(document, bytes);
}

void save(const QTextDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("No se puede crear el archivo %1.").arg(displayName(path)));
    const QByteArray bytes = write(document);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        throw AppError(QString::fromLatin1(SaveStreamError));
    }
}

} // namespace RichTextFile
