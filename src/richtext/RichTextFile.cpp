// Loading and saving documents of the rich-text boxes, with RTF detection.
#include "richtext/RichTextFile.h"

#include "richtext/RtfDocumentBuilder.h"
#include "richtext/RtfPlainText.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "shared/AppError.h"
#include "shared/TextFile.h"

#include <QDir>
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
        throw AppError(QStringLiteral("No se ha podido escribir el documento."));
}

QStringList lines(const QByteArray &bytes)
{
    if (isRtf(bytes)) {
        // In composed form, as plain text is decoded: the exercises compare whole letters.
        QStringList lines = RtfPlainText::lines(bytes);
        for (QString &line : lines)
            line = line.normalized(QString::NormalizationForm_C);
        return lines;
    }
    return TextFile::splitLines(TextFile::decode(bytes));
}

QStringList readLines(const QString &path)
{
    return TextFile::splitLines(readText(path));
}

QString readText(const QString &path)
{
    const QByteArray bytes = TextFile::readBytes(path);
    if (isRtf(bytes))
        return RtfPlainText::lines(bytes).join(QLatin1Char('\n')).normalized(QString::NormalizationForm_C);
    QString text = TextFile::decode(bytes);
    if (!TextFile::looksLikeText(text))
        throw AppError(QStringLiteral("El archivo %1 no es un archivo de texto.").arg(displayName(path)));
    return text;
}

void load(QTextDocument &document, const QString &path)
{
    // Read as every file of the program is read, with its Spanish messages.
    const QByteArray bytes = TextFile::readBytes(path);
    // A program or a picture opened by mistake would fill the box with rubbish: refused as the
    // exercises refuse it.
    if (!isRtf(bytes) && !TextFile::looksLikeText(TextFile::decode(bytes)))
        throw AppError(QStringLiteral("El archivo %1 no es un archivo de texto.").arg(displayName(path)));
    read(document, bytes);
}

void save(const QTextDocument &document, const QString &path)
{
    const TextFile::SaveStatus status = TextFile::trySaveBytes(path, write(document));
    if (status != TextFile::SaveStatus::Ok)
        throw AppError(TextFile::saveErrorMessage(path, status));
}

} // namespace RichTextFile
