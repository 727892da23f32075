// The practice window TForm1.
#include "practice/Unit1.h"

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tildora"));
}
