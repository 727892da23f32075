// The picture on the score strip: a gold medal on a ribbon, carrying an "á".
#include "practice/ScoreStripPicture.h"

#include "ui/WindowControls.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ScoreStripPicture {

QPixmap draw(const QSize &size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    // Two ribbon tails hanging behind the medal.
    const QColor ribbonRed(0xc0, 0x39, 0x2b);
    const QColor ribbonBlue(0x2a, 0x7d, 0xd6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ribbonRed);
    painter.drawPolygon(QPolygonF({{w * 0.34, h * 0.02}, {w * 0.50, h * 0.02}, {w * 0.58, h * 0.45}, {w * 0.44, h * 0.50}}));
    painter.setBrush(ribbonBlue);
    painter.drawPolygon(QPolygonF({{w * 0.50, h * 0.02}, {w * 0.66, h * 0.02}, {w * 0.56, h * 0.50}, {w * 0.42, h * 0.45}}));

    // The medal: a gold disc with a darker rim.
    const qreal radius = std::min(w, h) * 0.30;
    const QPointF centre(w * 0.5, h - radius - 4);
    QRadialGradient gold(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    gold.setColorAt(0, QColor(0xff, 0xf1, 0x9c));
    gold.setColorAt(1, QColor(0xd4, 0x9b, 0x12));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(0x8a, 0x5c, 0x00), 2));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(0xb0, 0x7a, 0x05), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.78, radius * 0.78);

    // The letter with its accent, the program's whole matter.
    const QFont letter = WindowControls::pixelFont(QStringLiteral("Comic Sans MS"), int(radius * 1.3), true);
    painter.setFont(letter);
    painter.setPen(QColor(0x1f, 0x3f, 0x7a));
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                     QStringLiteral("á"));

    // Two small stars beside the medal.
    const auto star = [&painter](QPointF at, qreal outer) {
        QPainterPath path;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 == 0 ? outer : outer * 0.45;
            const qreal angle = M_PI / 2 + i * M_PI / 5;
            const QPointF p(at.x() + r * std::cos(angle), at.y() - r * std::sin(angle));
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        path.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xff, 0xff, 0x40));
        painter.drawPath(path);
    };
    star(QPointF(w * 0.14, h * 0.55), h * 0.11);
    star(QPointF(w * 0.86, h * 0.42), h * 0.08);
    star(QPointF(w * 0.82, h * 0.80), h * 0.06);
    return picture;
}

} // namespace ScoreStripPicture
