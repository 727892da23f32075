// BltBitmap: an off-screen image that takes another image's size and starts as a solid fill.
#pragma once

#include <QImage>

class BltBitmap : public QImage {
public:
    BltBitmap() = default;

    // Takes the template's width, height and pixel ratio and fills the whole image with the
    // window-frame colour of the current palette.
    void MakeLike(const QImage &templateImage);
};
