// The phrase-file editor window TMainForm.
#include "editor/REMain.h"

TMainForm *MainForm = nullptr;

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Edición de archivos de frases"));
    resize(784, 525);
}
