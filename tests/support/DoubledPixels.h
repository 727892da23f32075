// Widgets drawn for screens of a given pixel ratio, a test that tells a picture drawn for a
// screen of pixel ratio 2 from one of half the size with each pixel merely doubled, pixels of a
// colour counted, and paint events counted.
#pragma once

#include <QColor>
#include <QEvent>
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

// Pixels within the area whose channels each lie closer than the tolerance to the colour's:
// anti-aliased glyph edges blend into their background.
inline int countColour(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 50)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            n += qAbs(pixel.red() - colour.red()) < tolerance && qAbs(pixel.green() - colour.green()) < tolerance
                && qAbs(pixel.blue() - colour.blue()) < tolerance;
        }
    return n;
}

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
public:
    void watch(QWidget *widget) { widget->installEventFilter(this); }
    int total() const { return m_total; }
    void reset() { m_total = 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_total;
        return QObject::eventFilter(watched, event);
    }

private:
    int m_total = 0;
};
