// The boxes and dialogs of a benchmark run: no one is at the keyboard, so every message is
// answered at once (and written to the error output, where an unexpected one shows), every
// file dialog is cancelled and every modal window closed unopened.
#pragma once

#include "ui/DialogService.h"

#include <QDialog>

#include <cstdio>

class BenchDialogs : public DialogService {
public:
    // The answer that changes nothing: Cancelar or No where the box offers it.
    MessageAnswer message(QWidget *, const QString &text, const QString &caption, MessageIcon,
                          MessageButtons buttons) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(caption), qPrintable(text));
        switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::OkCancel: return MessageAnswer::Cancel;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
        }
        return MessageAnswer::Cancel;
    }
    FileDialogResult openFile(QWidget *, const FileDialogRequest &) override { return {}; }
    FileDialogResult saveFile(QWidget *, const FileDialogRequest &) override { return {}; }
    int execModal(QDialog &) override { return QDialog::Rejected; }
};

// Puts a benchmark's own dialogs in place for a scope and then the previous ones back, never
// the real ones, which would wait for a click.
class ScopedDialogs {
public:
    explicit ScopedDialogs(DialogService &dialogs) : m_previous(&DialogService::instance())
    {
        DialogService::setInstance(&dialogs);
    }
    ~ScopedDialogs() { DialogService::setInstance(m_previous); }
    ScopedDialogs(const ScopedDialogs &) = delete;
    ScopedDialogs &operator=(const ScopedDialogs &) = delete;

private:
    DialogService *m_previous;
};
