// BltBitmap: an off-screen image that takes another image's size and starts as a solid fill.
#include "widgets/BltBitmap.h"

#include "shared/Colors.h"

void BltBitmap::MakeLike(const QImage &templateImage)
{
    static_cast<QImage &>(*this) = QImage(templateImage.size(), QImage::Format_RGB32);
    if (isNull())
        return;
    // The same pixels at the same density: a template drawn for a sharper screen gives an image
    // of the same logical size.
    setDevicePixelRatio(templateImage.devicePixelRatio());
    // It starts in the window-frame colour; callers paint over it at once.
    fill(Colors::toQColor(Colors::clWindowFrame));
}
