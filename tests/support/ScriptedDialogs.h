// A dialog service for tests: records every box and file dialog, answers from a script.
#pragma once

#include "ui/DialogService.h"

#include <QList>
#include <QQueue>

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

    QList<ShownMessage> messages;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;

private:
    FileDialogResult nextFile();

    QQueue<MessageAnswer> m_answers;
    QQueue<QString> m_files;
};
