// A folder on a disk that can be filled: a 64 KB memory file system mounted over a temporary
// folder, so that a save meets a really full disk. Mounting needs root (as the tests run in
// CI); elsewhere the folder is not ready and says why, for QSKIP.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool ready() const { return m_mounted; }
    // Why the disk could not be made, for the skip message.
    QByteArray reason() const { return m_reason; }

    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }

    // Writes a file of filler until the disk takes no more byte; true when it is full.
    bool fill();

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
    QByteArray m_reason;
};
