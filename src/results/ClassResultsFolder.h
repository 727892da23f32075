// The files of a class folder, found and opened by the bytes of their names: a folder copied
// from an older system may hold names that are not UTF-8, and such a file is still a
// student's results.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class QFile;

namespace ClassResultsFolder {

// A path as the file system names it (bytes on Unix) and as the teacher reads it.
struct Path {
    QByteArray native;
    QString shown;

    static Path fromText(const QString &path);
    static Path fromNative(const QByteArray &path);
};

// A name's bytes as text: UTF-8 when they are, else Windows-1252, the older systems' choice.
QString shownName(const QByteArray &native);

struct Entry {
    QByteArray native;
    QString name;
};

struct Listing {
    // The folder's entries (but "." and ".."), in the order of their shown names.
    QList<Entry> entries;
    // Why the folder cannot be listed ("No se puede leer la carpeta …: …"); empty when it was.
    QString error;
};
Listing list(const Path &folder);

// One entry opened for reading. A subfolder is left out; anything but a regular file is not
// opened (a pipe would never end), and so is a file that cannot be opened, with the reason.
struct Opened {
    enum Kind { File, Folder, Refused } kind = Refused;
    std::unique_ptr<QFile> file;
    qint64 size = 0;
    QDateTime modified;
    QString reason;
};
Opened open(const Path &folder, const Entry &entry);

} // namespace ClassResultsFolder
