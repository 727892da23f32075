// Every message box and file dialog the program shows goes through this service, so that
// tests can answer them with a scripted fake and check the exact texts.
#pragma once

#include <QString>

class QDialog;
class QWidget;

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    QString title;
    QString initialFolder;
    // Filter in the described form: "Text (*.TXT)|*.TXT|Rich text (*.RTF)|*.RTF".
    QString filter;
    int filterIndex = 1;
    QString defaultExtension;
    QString fileName;
    // An open dialog that accepts only files that exist; a save dialog ignores it.
    bool mustExist = true;

    // A dialog for the exercise files, which live in the program's working folder, not beside
    // the executable: it starts there, on the filter's first entry, adding ".txt" to a bare name.
    static FileDialogRequest forExerciseFiles(const QString &title, const QString &filter);
};

struct FileDialogResult {
    bool accepted = false;
    QString path;
    int filterIndex = 1;
};

class DialogService {
public:
    virtual ~DialogService() = default;

    // Lines joined by CR alone are shown on lines of their own.
    virtual MessageAnswer message(QWidget *parent, const QString &text, const QString &caption,
                                  MessageIcon icon, MessageButtons buttons) = 0;
    virtual FileDialogResult openFile(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual FileDialogResult saveFile(QWidget *parent, const FileDialogRequest &request) = 0;
    // Runs a modal window (the information window, the print and font dialogs) to its end and
    // gives its result code.
    virtual int execModal(QDialog &dialog);

    // The service in use; the real one unless a test installed another.
    static DialogService &instance();
    // Installs a service (not owned); nullptr goes back to the real one.
    static void setInstance(DialogService *service);
};

// The service that shows real Qt dialogs.
class QtDialogService : public DialogService {
public:
    MessageAnswer message(QWidget *parent, const QString &text, const QString &caption,
                          MessageIcon icon, MessageButtons buttons) override;
    FileDialogResult openFile(QWidget *parent, const FileDialogRequest &request) override;
    FileDialogResult saveFile(QWidget *parent, const FileDialogRequest &request) override;
};

namespace DialogText {

// A lone CR (code 13 without a following LF) as a real line break; QLabel ignores it.
QString withLineBreaks(const QString &text);

// "Text (*.TXT)|*.TXT|..." as Qt name filters. File names on Linux are case-sensitive, so each
// pattern is listed in both cases while the description stays as written.
QString qtNameFilters(const QString &describedFilter);

// The file name with the default extension added when it has none.
QString withDefaultExtension(const QString &path, const QString &extension);

// For opening: the file chosen when it exists, even without an extension; otherwise the name
// with the default extension added when it has none.
QString openedPath(const QString &path, const QString &extension);

} // namespace DialogText
