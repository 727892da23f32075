// FilledBox: a plain filled rectangle or rounded rectangle.
#include "widgets/FilledBox.h"

#include <QPainter>

FilledBox::FilledBox(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void FilledBox::setRounded(bool rounded)
{
    if (rounded == m_rounded)
        return;
    m_rounded = rounded;
    update();
}

void FilledBox::setBrushColor(TColor color)
{
    if (color == m_brushColor)
        return;
    m_brushColor = color;
    update();
}

void FilledBox::setPenColor(TColor color)
{
    if (color == m_penColor)
        return;
    m_penColor = color;
    update();
}

void FilledBox::paintEvent(QPaintEvent *)
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
