// The help-and-exercises window TAyuda.
#include "help/UnitAyuda.h"

TAyuda *Ayuda = nullptr;

TAyuda::TAyuda(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(QStringLiteral("Ayuda y ejemplos"));
    resize(729, 500);
}
