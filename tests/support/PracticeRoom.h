// What the practice room's tests share: a working folder that is also the home folder (the
// results file and the history go there), scripted dialogs and mail, and the program's windows,
// the practice window made when first asked for and the others on their first use.
#pragma once

#include "FakeMailTransport.h"
#include "ScriptedDialogs.h"
#include "TemporaryWorkingFolder.h"

#include "app/TildoraWindows.h"
#include "practice/PracticeWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

// A window's control, by the object name it has always had.
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
    PracticeRoom() : m_previousHome(qgetenv("HOME")) { qputenv("HOME", m_folder.path().toUtf8()); }
    ~PracticeRoom();

    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }
    // The practice window reads nivel1.txt as it is made.
    void writeBoard(const QStringList &lines, const QString &name = QStringLiteral("nivel1.txt"));

    // The next student-data dialog: this name typed, then "Salir" or the close box.
    void answerStudentData(const QString &typed, bool leave);

    TildoraWindows &windows();
    PracticeWindow &practiceWindow() { return windows().practiceWindow(); }
    ExerciseScores &scores() { return windows().scores(); }
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
    explicit StudentDataControls(const QObject &dialog)
        : name(control<QLineEdit>(dialog, QStringLiteral("Alumno"))),
          group(control<QLineEdit>(dialog, QStringLiteral("curso"))),
          leave(control<QPushButton>(dialog, QStringLiteral("BitBtn1"))),
          nameNeeded(control<QLabel>(dialog, QStringLiteral("NameNeeded")))
    {
    }

    QLineEdit *name;
    QLineEdit *group;
    QPushButton *leave;
    QLabel *nameNeeded;
};
