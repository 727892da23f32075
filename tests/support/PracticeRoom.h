// The set-up the practice room's tests share: a working folder that is also the home folder
// (the results file and the history are written there), scripted dialogs and mail, and the
// program's windows on one score object, the practice window made when asked for and the
// others on their first use, as the program makes them.
#pragma once

#include "FakeMailTransport.h"
#include "ScriptedDialogs.h"
#include "TemporaryWorkingFolder.h"

#include "app/TildoraWindows.h"
#include "practice/PracticeWindow.h"

#include <QStringList>
#include <QTest>

#include <memory>

class ExerciseScores;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// A window's control as its tests reach it: by the object name it has always had.
template <typename Control>
Control *control(const QObject &window, const QString &objectName)
{
    auto *found = window.findChild<Control *>(objectName);
    if (!found)
        qFatal("no control %s", qPrintable(objectName));
    return found;
}

class PracticeRoom {
public:
    PracticeRoom();
    ~PracticeRoom();
    PracticeRoom(const PracticeRoom &) = delete;
    PracticeRoom &operator=(const PracticeRoom &) = delete;

    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }
    // A board file in the working folder: the practice window reads nivel1.txt as it is made.
    void writeBoard(const QStringList &lines, const QString &name = QStringLiteral("nivel1.txt"));

    // The windows, made on the first call.
    TildoraWindows &windows();
    PracticeWindow &practiceWindow() { return windows().practiceWindow(); }
    ExerciseScores &scores() { return windows().scores(); }
    // A control of the practice window.
    template <typename Control>
    Control *named(const char *objectName)
    {
        return control<Control>(practiceWindow(), QString::fromLatin1(objectName));
    }

private:
    TemporaryWorkingFolder m_folder;
    QByteArray m_previousHome;

public:
    ScriptedDialogs dialogs;
    FakeMailTransport transport;

private:
    std::unique_ptr<TildoraWindows> m_windows;
};

// The student-data dialog's fields, its "Salir" and the line that asks for the name.
struct StudentDataControls {
    explicit StudentDataControls(const QDialog &dialog);

    QLineEdit *name;
    QLineEdit *group;
    QPushButton *leave;
    QLabel *nameNeeded;
};
