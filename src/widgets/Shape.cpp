// TShape: a plain filled rectangle or rounded rectangle.
#include "widgets/Shape.h"

#include <QPainter>

TShape::TShape(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TShape::setRounded(bool rounded)
{
    if (rounded == m_rounded)
        return;
    m_rounded = rounded;
    update();
}

void TShape::setBrushColor(TColor color)
{
    if (color == m_brushColor)
        return;
    m_brushColor = color;
    update();
}

void TShape::setPenColor(TColor color)
{
    if (color == m_penColor)
        return;
    m_penColor = color;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_rounded);
    painter.setPen(Colors::toQColor(m_penColor, palette()));
    painter.setBrush(Colors::toQColor(m_brushColor, palette()));
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // The corners' radius follows the smaller side, a quarter of it, as rounded shapes do.
    const qreal radius = std::min(width(), height()) / 4.0;
    if (m_rounded)
        painter.drawRoundedRect(area, radius, radius);
    else
        painter.drawRect(area);
}
