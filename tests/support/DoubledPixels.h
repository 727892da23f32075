// Tells a picture drawn for a screen of pixel ratio 2 from one of half the size with each pixel
// merely doubled.
#pragma once

#include <QImage>
#include <QRect>

// The aligned two-by-two blocks of device pixels within the area (the whole image by default)
// whose four pixels are not all alike. An enlarged picture has none: only detail drawn at the
// finer size gives any.
inline int blocksFinerThanDoubled(const QImage &image, QRect area = QRect())
{
    if (area.isNull())
        area = image.rect();
    area &= image.rect();
    int finer = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2)
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                ++finer;
        }
    return finer;
}
