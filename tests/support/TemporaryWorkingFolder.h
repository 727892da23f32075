// A fresh temporary folder made the current folder while the object lives: the windows read and
// write exercise files there. The previous folder comes back afterwards, even when a test fails
// half-way.
#pragma once

#include <QString>
#include <QTemporaryDir>

class TemporaryWorkingFolder {
public:
    TemporaryWorkingFolder();
    ~TemporaryWorkingFolder();
    TemporaryWorkingFolder(const TemporaryWorkingFolder &) = delete;
    TemporaryWorkingFolder &operator=(const TemporaryWorkingFolder &) = delete;

    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
    QString m_previous;
};
