// Start-up: the application object, the five windows in their order, the message loop.
#include "app/Project1.h"

#include "app/TildoraApplication.h"
#include "editor/REMain.h"
#include "editor/Reabout.h"
#include "help/UnitAyuda.h"
#include "practice/DatosAcentos.h"
#include "practice/Unit1.h"

TildoraWindows::TildoraWindows(Start)
{
    // Each window's creation runs as it is made: the practice window's (which may ask for a
    // board file) runs before the others exist.
    form1 = std::make_unique<TForm1>();
    Form1 = form1.get();
    mainForm = std::make_unique<TMainForm>();
    MainForm = mainForm.get();
    aboutBox = std::make_unique<TAboutBox>();
    AboutBox = aboutBox.get();
    ayuda = std::make_unique<TAyuda>();
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
    TildoraApplication app(argc, argv);
    TildoraWindows windows(TildoraWindows::Start::PracticeWindowFirst);
    windows.showPracticeWindow();
    return app.exec();
}
