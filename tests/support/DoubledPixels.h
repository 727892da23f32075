// Widgets drawn for screens of a given pixel ratio, and a test that tells a picture drawn for a
// screen of pixel ratio 2 from one of half the size with each pixel merely doubled.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

// The widget as a surface of the given pixel ratio receives it, in device pixels. The surface
// starts magenta, so that a pixel the widget leaves unpainted shows.
inline QImage rendered(QWidget &widget, int ratio = 1)
{
    QImage image(widget.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

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
