// Listing and opening a folder's files by their names' bytes (POSIX calls on Unix, where Qt's
// own would turn a name that is not UTF-8 into one that no longer opens).
#include "results/ClassResultsFolder.h"

#include "shared/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ClassResultsFolder {

namespace {

#ifdef Q_OS_UNIX
// Why a call failed, as the teacher can act on it.
QString why(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("no tienes permiso de lectura");
    case ENOENT:
        return QStringLiteral("no existe");
    case ENOTDIR:
        return QStringLiteral("no es una carpeta");
    case ELOOP:
        return QStringLiteral("hay un bucle de enlaces");
    case EIO:
        return QStringLiteral("el disco da un error de lectura");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("hay demasiados archivos abiertos");
    case ENOMEM:
        return QStringLiteral("no hay memoria suficiente");
    default:
        return QStringLiteral("el sistema da el error %1").arg(error);
    }
}
#endif

} // namespace

Path Path::fromText(const QString &path)
{
    return {QFile::encodeName(path), path};
}

Path Path::fromNative(const QByteArray &path)
{
    return {path, shownName(path)};
}

QString shownName(const QByteArray &native)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(native);
    if (!utf8.hasError())
        return text;
    // Not UTF-8: read as the code page the program's other files come in.
    return TextFile::decode(native);
}

Listing list(const Path &folder)
{
    Listing listing;
#ifdef Q_OS_UNIX
    DIR *dir = ::opendir(folder.native.constData());
    if (!dir) {
        const int error = errno;
        listing.error = error == ENOENT || error == ENOTDIR
                            ? QStringLiteral("No existe la carpeta %1.").arg(QDir::toNativeSeparators(folder.shown))
                            : QStringLiteral("No se puede leer la carpeta %1: %2.")
                                  .arg(QDir::toNativeSeparators(folder.shown), why(error));
        return listing;
    }
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry) {
            if (errno != 0)
                listing.error = QStringLiteral("No se puede leer entera la carpeta %1: %2.")
                                    .arg(QDir::toNativeSeparators(folder.shown), why(errno));
            break;
        }
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        listing.entries << Entry{name, shownName(name)};
    }
    ::closedir(dir);
#else
    const QDir dir(folder.shown);
    if (!dir.exists()) {
        listing.error = QStringLiteral("No existe la carpeta %1.").arg(QDir::toNativeSeparators(folder.shown));
        return listing;
    }
    if (!QFileInfo(folder.shown).isReadable()) {
        listing.error = QStringLiteral("No se puede leer la carpeta %1: no tienes permiso de lectura.")
                            .arg(QDir::toNativeSeparators(folder.shown));
        return listing;
    }
    for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        listing.entries << Entry{QFile::encodeName(name), name};
#endif
    std::stable_sort(listing.entries.begin(), listing.entries.end(),
                     [](const Entry &a, const Entry &b) { return a.name < b.name; });
    return listing;
}

Opened open(const Path &folder, const Entry &entry)
{
    Opened opened;
#ifdef Q_OS_UNIX
    const QByteArray path = folder.native + '/' + entry.native;
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) {
        opened.reason = QStringLiteral("No se puede abrir: %1.").arg(why(errno));
        return opened;
    }
    if (S_ISDIR(status.st_mode)) {
        opened.kind = Opened::Folder;
        return opened;
    }
    if (!S_ISREG(status.st_mode)) {
        opened.reason = QStringLiteral("No es un archivo normal.");
        return opened;
    }
    // Not blocking on open and checked again once open: the name may now be something else.
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        opened.reason = QStringLiteral("No se puede abrir: %1.").arg(why(errno));
        return opened;
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        opened.reason = QStringLiteral("No es un archivo normal.");
        return opened;
    }
    opened.file = std::make_unique<QFile>();
    if (!opened.file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        opened.file.reset();
        opened.reason = QStringLiteral("No se puede abrir.");
        return opened;
    }
    opened.size = status.st_size;
    opened.modified = QDateTime::fromSecsSinceEpoch(status.st_mtime);
#else
    const QFileInfo info(QDir(folder.shown).filePath(entry.name));
    if (info.isDir()) {
        opened.kind = Opened::Folder;
        return opened;
    }
    if (!info.isFile()) {
        opened.reason = QStringLiteral("No es un archivo normal.");
        return opened;
    }
    opened.file = std::make_unique<QFile>(info.filePath());
    if (!opened.file->open(QIODevice::ReadOnly)) {
        opened.file.reset();
        opened.reason = QStringLiteral("No se puede abrir: no tienes permiso de lectura.");
        return opened;
    }
    opened.size = info.size();
    opened.modified = info.lastModified();
#endif
    opened.kind = Opened::File;
    return opened;
}

} // namespace ClassResultsFolder
