// Start-up: the application object, the five windows in their order, the message loop.
#include "app/Project1.h"

#include "app/ClassCommandLine.h"
#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "editor/REMain.h"
#include "exercises/ExerciseScores.h"
#include "editor/Reabout.h"
#include "help/UnitAyuda.h"
#include "practice/DatosAcentos.h"
#include "practice/Unit1.h"
#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

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

} // namespace

TildoraWindows::TildoraWindows(Start start)
{
    // Each window's creation runs as it is made: the practice window's (which may ask for a
    // board file) runs before the others exist.
    scores = std::make_unique<ExerciseScores>();
    form1 = std::make_unique<TForm1>(*scores);
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
    mainForm = std::make_unique<TMainForm>();
    MainForm = mainForm.get();
    aboutBox = std::make_unique<TAboutBox>();
    AboutBox = aboutBox.get();
    ayuda = std::make_unique<TAyuda>(*scores);
    Ayuda = ayuda.get();
    datosBox = std::make_unique<TDatosBox>();
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
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;
    const ProgramStart start(argc, argv);
    const ClassCommandLine::Request classView = ClassCommandLine::parse(argc, argv);
    if (!classView.error.isEmpty()) {
        std::fputs(qPrintable(classView.error + QLatin1Char('\n')), stderr);
        return 2;
    }
    if (classView.requested)
        return ClassCommandLine::run(classView);
    TildoraWindows windows(TildoraWindows::Start::PracticeWindowFirst);
    windows.showPracticeWindow();
    return QApplication::exec();
}
