// A dialog service for tests.
#include "ScriptedDialogs.h"

#include <QDialog>

ScriptedDialogs::ScriptedDialogs()
{
    DialogService::setInstance(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    DialogService::setInstance(nullptr);
}

MessageAnswer ScriptedDialogs::message(QWidget *, const QString &text, const QString &caption,
                                       MessageIcon icon, MessageButtons buttons)
{
    messages.append({text, caption, icon, buttons});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

FileDialogResult ScriptedDialogs::nextFile()
{
    FileDialogResult result;
    if (!m_files.isEmpty()) {
        result.path = m_files.dequeue();
        result.accepted = !result.path.isEmpty();
    }
    return result;
}

FileDialogResult ScriptedDialogs::openFile(QWidget *, const FileDialogRequest &request)
{
    openRequests.append(request);
    FileDialogResult result = nextFile();
    result.filterIndex = request.filterIndex;
    return result;
}

FileDialogResult ScriptedDialogs::saveFile(QWidget *, const FileDialogRequest &request)
{
    saveRequests.append(request);
    FileDialogResult result = nextFile();
    result.filterIndex = request.filterIndex;
    return result;
}

int ScriptedDialogs::execModal(QDialog &dialog)
{
    modalWindows.append(dialog.objectName());
    if (!m_modalScripts.isEmpty())
        return m_modalScripts.dequeue()(dialog);
    return QDialog::Rejected;
}
