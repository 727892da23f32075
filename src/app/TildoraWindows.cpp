// Start-up: the application object, the practice window and the windows it opens, the message
// loop.
#include "app/TildoraWindows.h"

#include "app/ClassCommandLine.h"
#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "editor/PhraseEditor.h"
#include "editor/AboutWindow.h"
#include "exercises/ExerciseScores.h"
#include "help/ExercisesWindow.h"
#include "practice/PracticeWindow.h"
#include "practice/StudentDataDialog.h"

#include <QApplication>
#include <QMutex>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

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

namespace {

// Made on first use and kept. Closing the practice window ends the program, whichever other
// windows are open.
template <typename Window, typename... Arguments>
Window &madeOnFirstUse(std::unique_ptr<Window> &window, Arguments &&...arguments)
{
    if (!window) {
        window = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
        window->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return *window;
}

} // namespace

TildoraWindows::TildoraWindows(Start start) : m_scores(std::make_unique<ExerciseScores>())
{
    // The practice window's creation (which may ask for a board file) runs before any other
    // window exists.
    m_practice = std::make_unique<PracticeWindow>(*m_scores);
    PracticeWindow::Neighbours neighbours;
    neighbours.exercisesWindow = [this] { return &exercisesWindow(); };
    neighbours.studentDataDialog = [this] { return &studentDataDialog(); };
    neighbours.phraseEditor = [this] { return &phraseEditor(); };
    neighbours.builtPhraseEditor = [this] { return m_editor.get(); };
    m_practice->setNeighbours(std::move(neighbours));
    if (start == Start::AllWindows) {
        phraseEditor();
        aboutWindow();
        exercisesWindow();
        studentDataDialog();
    }
}

TildoraWindows::~TildoraWindows() = default;

ExercisesWindow &TildoraWindows::exercisesWindow()
{
    return madeOnFirstUse(m_exercises, *m_scores);
}

PhraseEditor &TildoraWindows::phraseEditor()
{
    return madeOnFirstUse(m_editor);
}

AboutWindow &TildoraWindows::aboutWindow()
{
    return madeOnFirstUse(m_about);
}

StudentDataDialog &TildoraWindows::studentDataDialog()
{
    return madeOnFirstUse(m_studentData, *m_scores);
}

void TildoraWindows::showPracticeWindow()
{
    m_practice->show();
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
