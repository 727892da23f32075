// TBltBitmap: an off-screen image that takes another image's size and starts as a solid fill.
#include "widgets/BltBitmap.h"

#include <QGuiApplication>
#include <QPalette>

void TBltBitmap::MakeLike(const QImage &templateImage)
{
    static_cast<QImage &>(*this) = QImage(templateImage.size(), QImage::Format_RGB32);
    if (isNull())
        return;
    // Window frames are drawn in the window-text colour of the palette.
    fill(QGuiApplication::palette().color(QPalette::WindowText));
}
