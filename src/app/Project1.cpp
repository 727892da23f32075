// Start-up: the application object, the five windows in their order, the message loop.
#include "app/Project1.h"

#include "app/TildoraApplication.h"
#include "editor/REMain.h"
#include "editor/Reabout.h"
#include "help/UnitAyuda.h"
#include "practice/DatosAcentos.h"
#include "practice/Unit1.h"

#include <memory>

int runTildora(int argc, char **argv)
{
    TildoraApplication app(argc, argv);

    // Each window's creation runs as it is made: the practice window's (which may ask for a
    // board file) runs before the others exist. All five live until the program ends.
    auto form1 = std::make_unique<TForm1>();
    Form1 = form1.get();
    auto mainForm = std::make_unique<TMainForm>();
    MainForm = mainForm.get();
    auto aboutBox = std::make_unique<TAboutBox>();
    AboutBox = aboutBox.get();
    auto ayuda = std::make_unique<TAyuda>();
    Ayuda = ayuda.get();
    auto datosBox = std::make_unique<TDatosBox>();
    DatosBox = datosBox.get();

    // Closing the practice window ends the program, whichever other windows are open.
    for (QWidget *window : std::initializer_list<QWidget *>{MainForm, AboutBox, Ayuda, DatosBox})
        window->setAttribute(Qt::WA_QuitOnClose, false);
    form1->show();
    const int code = app.exec();

    DatosBox = nullptr;
    Ayuda = nullptr;
    AboutBox = nullptr;
    MainForm = nullptr;
    Form1 = nullptr;
    return code;
}
