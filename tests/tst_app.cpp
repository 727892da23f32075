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

#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Notes which windows existed when the board's open dialog came up.
class WindowsAtOpen : public ScriptedDialogs {
public:
    FileDialogResult openFile(QWidget *parent, const FileDialogRequest &request) override
    {
        othersExisted = MainForm || AboutBox || Ayuda || DatosBox;
        practiceWindowSet = Form1 != nullptr;
        return ScriptedDialogs::openFile(parent, request);
    }
    bool othersExisted = true;
    bool practiceWindowSet = true;
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
        {
            TildoraWindows windows;
            QVERIFY(!dialogs.othersExisted);
            QCOMPARE(dialogs.openRequests.size(), 1);
            QCOMPARE(Form1, windows.form1.get());
            QCOMPARE(Ayuda, windows.ayuda.get());
            QCOMPARE(Form1->windowTitle(), QStringLiteral("Tildora"));
            // The editor's designed caption gives way at creation to its document's name.
            QCOMPARE(MainForm->windowTitle(), QStringLiteral("Sin título - Tildora"));
            QCOMPARE(AboutBox->windowTitle(), QStringLiteral("Información"));
            QCOMPARE(Ayuda->windowTitle(), QStringLiteral("Ayuda y ejemplos"));
            QCOMPARE(DatosBox->windowTitle(), QStringLiteral("Datos del alumno"));
            // Every window, and a dialog shown over any of them, carries the program's icon.
            const QImage icon = QIcon(QStringLiteral(":/resources/tildora.png")).pixmap(32).toImage();
            QDialog dialogOverHelp(Ayuda);
            for (const QWidget *window : std::initializer_list<const QWidget *>{
                     Form1, MainForm, AboutBox, Ayuda, DatosBox, &dialogOverHelp})
                QCOMPARE(window->windowIcon().pixmap(32).toImage(), icon);
            QVERIFY(!Ayuda->isVisible());
            QVERIFY(Form1->testAttribute(Qt::WA_QuitOnClose));
            QVERIFY(!Ayuda->testAttribute(Qt::WA_QuitOnClose));

            // "Ejercicios" shows the help window and leaves the practice window usable.
            Form1->show();
            Form1->SpeedButton3Click();
            QVERIFY(Ayuda->isVisible());
            QVERIFY(!Ayuda->isModal());
            // Given again while the window is minimised, the command brings it back.
            Ayuda->setWindowState(Qt::WindowMinimized);
            Form1->SpeedButton3Click();
            QVERIFY(!(Ayuda->windowState() & Qt::WindowMinimized));
            QVERIFY(Ayuda->isVisible());
            Form1->DatosClick();
            QVERIFY(DatosBox->isVisible());
            QVERIFY(!DatosBox->isModal());
        }
        QCOMPARE(Form1, nullptr);
    }

    // A real start shows the practice window before the other four exist; they follow its
    // first frame, or come at once when one of its commands needs them.
    void otherWindowsFollowThePracticeWindow_data()
    {
        QTest::addColumn<bool>("commandFirst");
        QTest::addRow("after the first frame") << false;
        QTest::addRow("a command needs them sooner") << true;
    }
    void otherWindowsFollowThePracticeWindow()
    {
        QFETCH(bool, commandFirst);
        TemporaryWorkingFolder folder;
        ScriptedDialogs dialogs;
        TildoraWindows windows(TildoraWindows::Start::PracticeWindowFirst);
        QCOMPARE(Form1, windows.form1.get());
        QVERIFY(!MainForm && !AboutBox && !Ayuda && !DatosBox);
        if (commandFirst) {
            Form1->SpeedButton3Click();
            QVERIFY(Ayuda && Ayuda->isVisible());
        } else {
            windows.showPracticeWindow();
            QVERIFY(QTest::qWaitForWindowExposed(Form1));
            QTRY_VERIFY(Ayuda != nullptr);
        }
        QVERIFY(MainForm && AboutBox && DatosBox);
        QVERIFY(!Ayuda->testAttribute(Qt::WA_QuitOnClose));
        // The two windows share the run's one score object.
        QCOMPARE(&Ayuda->scores(), windows.scores.get());
        QCOMPARE(&Form1->scores(), windows.scores.get());
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
