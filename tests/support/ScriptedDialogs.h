// A dialog service for tests: records every box and file dialog, answers from a script.
#pragma once

#include "ui/DialogService.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon;
    MessageButtons buttons;
};

class ScriptedDialogs : public DialogService {
public:
    // Installs itself for its lifetime.
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers for the next boxes, in order; with none queued a box answers Cancel, No or Ok,
    // whichever it offers first in that order.
    void queueAnswer(MessageAnswer answer) { m_answers.enqueue(answer); }
    // The next file dialogs choose this path; with none queued they are cancelled.
    void queueFile(const QString &path) { m_files.enqueue(path); }
    void queueCancel() { m_files.enqueue(QString()); }

    MessageAnswer message(QWidget *parent, const QString &text, const QString &caption,
                          MessageIcon icon, MessageButtons buttons) override;
    FileDialogResult openFile(QWidget *parent, const FileDialogRequest &request) override;
    FileDialogResult saveFile(QWidget *parent, const FileDialogRequest &request) override;

    // Modal windows are not run: each is noted by its object name and answered by the next
    // queued script, which may set the dialog up and gives the result; with none queued the
    // window is rejected (closed with Esc).
    void queueModal(std::function<int(QDialog &)> script) { m_modalScripts.enqueue(std::move(script)); }
    int execModal(QDialog &dialog) override;
    QStringList modalWindows;

    QList<ShownMessage> messages;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;

private:
    FileDialogResult nextFile();

    QQueue<MessageAnswer> m_answers;
    QQueue<QString> m_files;
    QQueue<std::function<int(QDialog &)>> m_modalScripts;
};
