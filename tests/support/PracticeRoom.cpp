// The practice room's test set-up.
#include "PracticeRoom.h"

#include "shared/TextFile.h"

#include <QDialog>

PracticeRoom::~PracticeRoom()
{
    m_windows.reset();
    qputenv("HOME", m_previousHome);
}

void PracticeRoom::writeBoard(const QStringList &lines, const QString &name)
{
    TextFile::writeLines(filePath(name), lines);
}

void PracticeRoom::answerStudentData(const QString &typed, bool leave)
{
    dialogs.queueModal([typed, leave](QDialog &dialog) {
        const StudentDataControls data(dialog);
        data.name->setText(typed);
        if (leave)
            data.leave->click();
        return dialog.result();
    });
}

TildoraWindows &PracticeRoom::windows()
{
    if (!m_windows)
        m_windows = std::make_unique<TildoraWindows>(TildoraWindows::Start::PracticeWindowFirst);
    return *m_windows;
}
