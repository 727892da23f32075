// The practice room's test set-up.
#include "PracticeRoom.h"

#include "shared/TextFile.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PracticeRoom::PracticeRoom() : m_previousHome(qgetenv("HOME"))
{
    qputenv("HOME", m_folder.path().toUtf8());
}

PracticeRoom::~PracticeRoom()
{
    m_windows.reset();
    qputenv("HOME", m_previousHome);
}

void PracticeRoom::writeBoard(const QStringList &lines, const QString &name)
{
    TextFile::writeLines(filePath(name), lines);
}

TildoraWindows &PracticeRoom::windows()
{
    if (!m_windows)
        m_windows = std::make_unique<TildoraWindows>(TildoraWindows::Start::PracticeWindowFirst);
    return *m_windows;
}

StudentDataControls::StudentDataControls(const QDialog &dialog)
    : name(control<QLineEdit>(dialog, QStringLiteral("Alumno"))),
      group(control<QLineEdit>(dialog, QStringLiteral("curso"))),
      leave(control<QPushButton>(dialog, QStringLiteral("BitBtn1"))),
      nameNeeded(control<QLabel>(dialog, QStringLiteral("NameNeeded")))
{
}
