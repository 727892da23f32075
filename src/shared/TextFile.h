// Reading and writing the program's text files: Windows-1252 by default, UTF-8 when a file's
// bytes are valid UTF-8 with non-ASCII characters (files made on Linux).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TextFile {

// Bytes to text: by their byte-order mark when they have one (UTF-8, UTF-16 LE or BE, as
// Windows' plain-text editor saves "Unicode"); else UTF-8 when the bytes are valid UTF-8 and
// hold non-ASCII characters, Windows-1252 otherwise. A Windows-1252 file with accents is never valid UTF-8,
// so the guess cannot take such a file for UTF-8. A file whose lines were written in both
// (pasted together from two machines) is decoded line by line, so that no UTF-8 line turns
// into "cafÃ©". The text comes back in composed form (NFC): an accent that an editor saved as
// a vowel followed by a combining mark is one letter, as the exercises compare letters.
QString decode(const QByteArray &bytes);

// Whether decoded text can be a text file: no NUL and no control character but tab, line
// feed, carriage return and form feed.
bool looksLikeText(QStringView text);

// Text to Windows-1252 bytes; characters the code page lacks become '?'.
QByteArray encodeWindows1252(const QString &text);

// Windows-1252 when every character has a place in it; otherwise UTF-8 with a byte-order
// mark, so that no letter of a name is ever lost.
QByteArray encodeKeepingEveryLetter(const QString &text);

// The lines, each ended by CR LF.
QString joinCrLf(const QStringList &lines);

// Text split into lines at CR LF, LF or CR; a final line break adds no empty line.
QStringList splitLines(const QString &text);

// Files larger than this are refused rather than read: no exercise file comes near it.
inline constexpr qsizetype maxFileBytes = 256 * 1024 * 1024;

// The one way the program reads a file: only a regular file (a device or a pipe chosen by
// mistake would never end), read whole, refused past maxFileBytes. Throws AppError naming the
// file when it cannot be opened; a failed read or an oversized file comes back as a status,
// since callers word those errors their own way.
struct ReadResult {
    enum Status { Ok, Unreadable, TooLarge } status = Ok;
    QByteArray bytes;
};
ReadResult tryReadBytes(const QString &path);

// The one way the program writes a file: through a save file, so a failed write (a full disk
// included) leaves the previous file whole and is reported, never taken for a save.
enum class SaveStatus { Ok, CannotCreate, DiskFull, CannotWrite };
// What to do when the path is a symbolic link: write the file it points to (a document the
// user chose), or put a file of our own in the link's place (a file the program names itself,
// which must never land wherever a link sends it).
enum class Links { WriteTarget, ReplaceLink };
SaveStatus trySaveBytes(const QString &path, const QByteArray &bytes, Links links = Links::WriteTarget);
// The Spanish message for a save that failed, naming the file.
QString saveErrorMessage(const QString &path, SaveStatus status);

// Whole file as bytes, text or lines. Throws AppError with a Spanish message naming the file
// when it is not a regular file, cannot be read, is larger than maxFileBytes or, for text, is
// not text at all.
QByteArray readBytes(const QString &path);
QString readText(const QString &path);
QStringList readLines(const QString &path);

// Writes the lines in Windows-1252, each ended by CR LF, through a save file so that a failed
// write leaves the previous file untouched. Throws AppError with saveErrorMessage on failure.
void writeLines(const QString &path, const QStringList &lines);
void writeBytes(const QString &path, const QByteArray &bytes);

} // namespace TextFile
