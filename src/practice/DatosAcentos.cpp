// The student-data dialog TDatosBox.
#include "practice/DatosAcentos.h"

TDatosBox *DatosBox = nullptr;

TDatosBox::TDatosBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DatosBox"));
    setWindowTitle(QStringLiteral("Datos del alumno"));
    resize(523, 366);
}
