// The information window TAboutBox.
#include "editor/Reabout.h"

TAboutBox *AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Información"));
    setFixedSize(398, 258);
}
