// A temporary current folder for tests.
#include "TemporaryWorkingFolder.h"

#include <QDir>

TemporaryWorkingFolder::TemporaryWorkingFolder() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_folder.path());
}

TemporaryWorkingFolder::~TemporaryWorkingFolder()
{
    QDir::setCurrent(m_previous);
}
