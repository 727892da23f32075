// Start-up and the error guard: the windows' order, an exception in a handler shown in the
// standard error box with the program going on.
#include "ScriptedDialogs.h"
#include "TemporaryWorkingFolder.h"

#include "app/TildoraWindows.h"
#include "app/TildoraApplication.h"
#include "editor/PhraseEditor.h"
#include "editor/AboutWindow.h"
#include "help/ExercisesWindow.h"
#include "platform/FontWarmUp.h"
#include "practice/StudentDataDialog.h"
#include "practice/PracticeWindow.h"
#include "shared/AppError.h"
#include "ui/ErrorGuard.h"

#include <QAction>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Notes which windows existed when the board's open dialog came up.
class WindowsAtOpen : public ScriptedDialogs {
public:
    FileDialogResult openFile(QWidget *parent, const FileDialogRequest &request) override
    {
        const QStringList others = {"MainForm", "AboutBox", "Ayuda", "DatosBox"};
        othersExisted = false;
        for (const QWidget *window : QApplication::topLevelWidgets())
            othersExisted = othersExisted || others.contains(window->objectName());
        return ScriptedDialogs::openFile(parent, request);
    }
    bool othersExisted = true;
};

// A handler that fails the first time it runs.
class FailingOnce : public QObject {
    Q_OBJECT
public:
    void Click()
    {
        ++clicks;
        if (clicks > 1)
            return;
        if (silent)
            throw SilentAbort();
        throw AppError(QStringLiteral("No se puede leer el archivo x.txt."));
    }
    int clicks = 0;
    bool silent = false;
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT

private slots:
    void connectedHandlerErrorIsShownAndTheProgramGoesOn_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("messages");
        QTest::addRow("error") << false << 1;
        QTest::addRow("silent abort") << true << 0;
    }
    void connectedHandlerErrorIsShownAndTheProgramGoesOn()
    {
        QFETCH(bool, silent);
        QFETCH(int, messages);
        ScriptedDialogs dialogs;
        FailingOnce handler;
        handler.silent = silent;
        QPushButton button(QStringLiteral("Probar"));
        QObject::connect(&button, &QPushButton::clicked, &handler, ErrorGuard::guarded(&handler, &FailingOnce::Click));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), messages);
        if (messages) {
            QCOMPARE(dialogs.messages[0].text, QStringLiteral("No se puede leer el archivo x.txt."));
            QCOMPARE(dialogs.messages[0].icon, MessageIcon::Error);
            QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Tildora"));
        }
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(handler.clicks, 2);
        QCOMPARE(dialogs.messages.size(), messages);
    }

    // The last resort: an exception that escapes to the event loop is shown there.
    void escapedErrorIsShownByTheApplication()
    {
        ScriptedDialogs dialogs;
        FailingOnce handler;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, &handler, &FailingOnce::Click);
        timer.start();
        QTRY_VERIFY(handler.clicks >= 2);
        timer.stop();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("No se puede leer el archivo x.txt."));
    }

    void windowsAreCreatedInOrder()
    {
        TemporaryWorkingFolder folder;
        WindowsAtOpen dialogs;
        QPointer<QWidget> practiceLeft;
        {
            TildoraWindows windows;
            QVERIFY(!dialogs.othersExisted);
            QCOMPARE(dialogs.openRequests.size(), 1);
            PracticeWindow *practice = &windows.practiceWindow();
            practiceLeft = practice;
            ExercisesWindow *exercises = &windows.exercisesWindow();
            StudentDataDialog *studentData = &windows.studentDataDialog();
            QCOMPARE(practice->windowTitle(), QStringLiteral("Tildora"));
            // The editor's designed caption gives way at creation to its document's name.
            QCOMPARE(windows.phraseEditor().windowTitle(), QStringLiteral("Sin título - Tildora"));
            QCOMPARE(windows.aboutWindow().windowTitle(), QStringLiteral("Información"));
            QCOMPARE(exercises->windowTitle(), QStringLiteral("Ayuda y ejemplos"));
            QCOMPARE(studentData->windowTitle(), QStringLiteral("Datos del alumno"));
            // Every window, and a dialog shown over any of them, carries the program's icon.
            const QImage icon = QIcon(QStringLiteral(":/resources/tildora.png")).pixmap(32).toImage();
            QDialog dialogOverHelp(exercises);
            for (const QWidget *window : std::initializer_list<const QWidget *>{
                     practice, &windows.phraseEditor(), &windows.aboutWindow(), exercises, studentData, &dialogOverHelp})
                QCOMPARE(window->windowIcon().pixmap(32).toImage(), icon);
            QVERIFY(!exercises->isVisible());
            QVERIFY(practice->testAttribute(Qt::WA_QuitOnClose));
            QVERIFY(!exercises->testAttribute(Qt::WA_QuitOnClose));

            // "Ejercicios" shows the exercises window and leaves the practice window usable.
            practice->show();
            QAction *showExercises = practice->findChild<QAction *>(QStringLiteral("Ejercicios1"));
            showExercises->trigger();
            QVERIFY(exercises->isVisible());
            QVERIFY(!exercises->isModal());
            // Given again while the window is minimised, the command brings it back.
            exercises->setWindowState(Qt::WindowMinimized);
            showExercises->trigger();
            QVERIFY(!(exercises->windowState() & Qt::WindowMinimized));
            QVERIFY(exercises->isVisible());
            practice->findChild<QAction *>(QStringLiteral("Datos"))->trigger();
            QVERIFY(studentData->isVisible());
            QVERIFY(!studentData->isModal());
        }
        QVERIFY(practiceLeft.isNull());
    }

    // A real start shows the practice window alone; another window is made by the first
    // command that needs it, and only that one.
    void otherWindowsAreMadeOnFirstUse_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("made");
        QTest::addRow("after the first frame") << QString() << QStringList{"Form1"};
        QTest::addRow("Ejercicios") << "Ejercicios1" << QStringList{"Ayuda", "Form1"};
    }
    void otherWindowsAreMadeOnFirstUse()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, made);
        TemporaryWorkingFolder folder;
        ScriptedDialogs dialogs;
        TildoraWindows windows(TildoraWindows::Start::PracticeWindowFirst);
        windows.showPracticeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.practiceWindow()));
        QTest::qWait(300);
        if (!command.isEmpty())
            windows.practiceWindow().findChild<QAction *>(command)->trigger();
        QStringList windowNames;
        for (const QWidget *window : QApplication::topLevelWidgets())
            if (!window->parentWidget() && !window->objectName().isEmpty())
                windowNames << window->objectName();
        windowNames.sort();
        QCOMPARE(windowNames, made);
        QCOMPARE(&windows.practiceWindow().scores(), &windows.scores());
        if (!command.isEmpty()) {
            QVERIFY(windows.exercisesWindow().isVisible());
            QVERIFY(!windows.exercisesWindow().testAttribute(Qt::WA_QuitOnClose));
            // The two windows share the run's one score object.
            QCOMPARE(&windows.exercisesWindow().scores(), &windows.scores());
        }
    }

    // Fontconfig read ahead as the program starts: one left to the end is waited for, a
    // second wait is harmless, and Qt's font database fills from the configuration read.
    void fontConfigReadAhead()
    {
        { FontWarmUp leftToTheEnd(FontWarmUp::Reading::Configuration); }
        FontWarmUp fontConfig(FontWarmUp::Reading::Configuration);
        fontConfig.wait();
        fontConfig.wait();
        // Qt's list built on the other thread while this one measures a text.
        {
            const FontWarmUp fontList(FontWarmUp::Reading::FontList);
            QVERIFY(QFontMetrics(QFont(QStringLiteral("Comic Neue"))).horizontalAdvance(QStringLiteral("á")) > 0);
        }
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
    }

    void spanishButtonTexts()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
    }
};

int main(int argc, char **argv)
{
    FontWarmUp fontConfig(FontWarmUp::Reading::Configuration);
    TildoraApplication app(argc, argv);
    fontConfig.wait();
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
