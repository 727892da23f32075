// Start-up: the application object, the five windows in their order, the message loop.
#include "app/TildoraWindows.h"

#include "app/ClassCommandLine.h"
#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "editor/PhraseEditor.h"
#include "exercises/ExerciseScores.h"
#include "editor/AboutWindow.h"
#include "help/ExercisesWindow.h"
#include "practice/StudentDataDialog.h"
#include "practice/PracticeWindow.h"
#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QEvent>
#include <QMutex>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Runs a step once the watched window has painted its first frame, after that frame is out.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget *window, std::function<void()> step) : m_step(std::move(step))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { ErrorGuard::run(m_step); });
        }
        return false;
    }

private:
    std::function<void()> m_step;
};

// While the application object connects to the display, the toolkit's messages are held back:
// when there is no display it ends the program with an English abort of its own, which the
// user gets instead as one Spanish message and the usual status of a command that cannot run.
// When the connection is made, the held messages go out as they came.
class DisplayConnectionMessages {
public:
    DisplayConnectionMessages() { s_previous = qInstallMessageHandler(&hold); }
    ~DisplayConnectionMessages()
    {
        qInstallMessageHandler(s_previous);
        const QMutexLocker lock(&s_mutex);
        for (const Held &held : s_held) {
            const QMessageLogContext context(held.file.constData(), held.line, held.function.constData(),
                                             held.category.constData());
            if (s_previous)
                s_previous(held.type, context, held.text);
            else
                std::fputs(qPrintable(held.text + QLatin1Char('\n')), stderr);
        }
        s_held.clear();
    }
    DisplayConnectionMessages(const DisplayConnectionMessages &) = delete;
    DisplayConnectionMessages &operator=(const DisplayConnectionMessages &) = delete;

private:
    struct Held {
        QtMsgType type;
        QByteArray file;
        int line;
        QByteArray function;
        QByteArray category;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtFatalMsg) {
            std::fputs("tildora: no hay ninguna pantalla donde abrir la ventana (mira las variables DISPLAY "
                       "y WAYLAND_DISPLAY).\n"
                       "Sin pantalla se puede usar «tildora --explicar PALABRA…»; «tildora --help» lo "
                       "describe.\n",
                       stderr);
            std::fflush(nullptr);
            std::_Exit(2);
        }
        const QMutexLocker lock(&s_mutex);
        s_held.push_back({type, QByteArray(context.file), context.line, QByteArray(context.function),
                          QByteArray(context.category), text});
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QMutex s_mutex;
    static inline std::vector<Held> s_held;
};

} // namespace

TildoraWindows::TildoraWindows(Start start)
{
    // Each window's creation runs as it is made: the practice window's (which may ask for a
    // board file) runs before the others exist.
    scores = std::make_unique<ExerciseScores>();
    form1 = std::make_unique<PracticeWindow>(*scores);
    Form1 = form1.get();
    if (start == Start::AllWindows) {
        createOtherWindows();
        return;
    }
    // The student sees the practice window first; the others follow in their order as soon
    // as it is on screen, or sooner if one of its commands needs them. Until then the help
    // window's figures are the score object's starting captions, as its labels would be.
    form1->setOtherWindowsBuilder([this] { createOtherWindows(); });
    m_firstFrameWatch = std::make_unique<AfterFirstFrame>(form1.get(), [this] {
        form1->setOtherWindowsBuilder(nullptr);
        createOtherWindows();
    });
}

void TildoraWindows::createOtherWindows()
{
    if (mainForm)
        return;
    mainForm = std::make_unique<PhraseEditor>();
    MainForm = mainForm.get();
    aboutBox = std::make_unique<AboutWindow>();
    AboutBox = aboutBox.get();
    ayuda = std::make_unique<ExercisesWindow>(*scores);
    Ayuda = ayuda.get();
    datosBox = std::make_unique<StudentDataDialog>();
    DatosBox = datosBox.get();

    // Closing the practice window ends the program, whichever other windows are open.
    for (QWidget *window : std::initializer_list<QWidget *>{MainForm, AboutBox, Ayuda, DatosBox})
        window->setAttribute(Qt::WA_QuitOnClose, false);
}

TildoraWindows::~TildoraWindows()
{
    DatosBox = nullptr;
    Ayuda = nullptr;
    AboutBox = nullptr;
    MainForm = nullptr;
    Form1 = nullptr;
}

void TildoraWindows::showPracticeWindow()
{
    form1->show();
}

int runTildora(int argc, char **argv)
{
    // The command line is read before anything needs a display, so that a refused or
    // window-less command answers on any machine.
    const CommandLine::Request request = CommandLine::parse(CommandLine::argumentsOf(argc, argv));
    if (const std::optional<int> status = runCommandLine(request))
        return *status;
    std::optional<ProgramStart> start;
    {
        const DisplayConnectionMessages held;
        start.emplace(argc, argv);
    }
    if (request.action == CommandLine::Request::Action::ClassView)
        return ClassCommandLine::run(ClassCommandLine::parse(argc, argv));
    TildoraWindows windows(TildoraWindows::Start::PracticeWindowFirst);
    windows.showPracticeWindow();
    return QApplication::exec();
}
