// Start-up: the application object, the five windows in their order, the message loop.
#pragma once

#include <memory>

class TAboutBox;
class TAyuda;
class TDatosBox;
class TForm1;
class TMainForm;

// The five windows of a run, created in order and kept until the program ends.
struct TildoraWindows {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TAboutBox> aboutBox;
    std::unique_ptr<TAyuda> ayuda;
    std::unique_ptr<TDatosBox> datosBox;

    TildoraWindows();
    ~TildoraWindows();
};

int runTildora(int argc, char **argv);
