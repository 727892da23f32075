// A small memory file system to fill.
#include "FullDisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

FullDisk::FullDisk()
{
#ifdef Q_OS_LINUX
    if (!m_folder.isValid()) {
        m_reason = "no temporary folder";
        return;
    }
    if (::geteuid() != 0) {
        m_reason = "mounting a small tmpfs to fill needs root (CI runs the tests as root)";
        return;
    }
    if (::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", 0, "size=64k") != 0) {
        m_reason = QByteArray("cannot mount a small tmpfs: ") + std::strerror(errno);
        return;
    }
    m_mounted = true;
#else
    m_reason = "needs Linux to mount a small tmpfs";
#endif
}

FullDisk::~FullDisk()
{
#ifdef Q_OS_LINUX
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
#endif
}

bool FullDisk::fill()
{
    QFile filler(filePath(QStringLiteral("relleno")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray block(512, 'x');
    // Down to single bytes, so that not even a short file fits any more.
    for (qsizetype size = block.size(); size > 0; size /= 2)
        while (filler.write(block.constData(), size) == size) {
        }
    return filler.error() != QFileDevice::NoError;
}
