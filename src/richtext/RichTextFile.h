// Loading and saving documents of the rich-text boxes: RTF when the data is RTF, plain text
// otherwise; saving always writes RTF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;
class QTextDocument;

namespace RichTextFile {

// True when the data starts with "{\rtf", after an optional UTF-8 byte order mark and white space.
bool isRtf(QByteArrayView bytes);

// Fills the document from the data, RTF or plain text; the document is marked unmodified and
// its undo history starts afresh.
void read(QTextDocument &document, const QByteArray &bytes);
void read(QTextDocument &document, QIODevice &device);

// The document as RTF. Writing to a device that takes less than the whole throws AppError.
QByteArray write(const QTextDocument &document);
void write(const QTextDocument &document, QIODevice &device);

// The text lines of the data: one per paragraph of RTF, one per line of plain text (a final
// line break adds no empty line).
QStringList lines(const QByteArray &bytes);

// The text lines of a file, RTF or plain. Throws AppError naming the file when it cannot be
// read or is not text at all.
QStringList readLines(const QString &path);
// The file as one text, its lines ended by CR LF, LF or CR: a long file need never be held
// as a list of lines (see TextLines).
QString readText(const QString &path);

// Loads a file into the document. A file that cannot be opened, cannot be read whole, is too
// large or is neither RTF nor text throws AppError naming it. The document is untouched when
// loading fails.
void load(QTextDocument &document, const QString &path);

// Saves the document as RTF through a save file, so a failed save (a full disk included) never
// destroys the previous file. A failure throws AppError with a Spanish message naming the
// file and saying what failed.
void save(const QTextDocument &document, const QString &path);

} // namespace RichTextFile
