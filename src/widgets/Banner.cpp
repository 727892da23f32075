// Banner: one line of text, centred, over an optional shadow.
#include "widgets/Banner.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

// How far the shadow lies from the text, across and down.
constexpr int shadowOffset = 2;

} // namespace

Banner::Banner(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(30, 30);
}

void Banner::setColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    update();
}

void Banner::setText(const QString &value)
{
    if (value == m_text)
        return;
    m_text = value;
    // Screen readers read the banner by what it shows.
    setAccessibleName(m_text);
    update();
}

void Banner::setShadow(bool value)
{
    if (value == m_shadow)
        return;
    m_shadow = value;
    update();
}

void Banner::setShadowColor(TColor value)
{
    if (value == m_shadowColor)
        return;
    m_shadowColor = value;
    update();
}

QRect Banner::cell() const
{
    const int offset = m_shadow ? shadowOffset : 0;
    return QRect(0, 0, width() - offset, height() - offset);
}

void Banner::paintEvent(QPaintEvent *)
{
    // The weight is drawn bold or normal, nothing between.
    QFont font = this->font();
    font.setWeight(font.bold() ? QFont::Bold : QFont::Normal);
    const QFontMetrics metrics(font);
    // The text's top-left corner that puts its middle on the cell's middle; a half pixel goes
    // to the even neighbour.
    const QRect cell = this->cell();
    const QPoint topLeft(cell.width() / 2 - int(std::nearbyint(metrics.horizontalAdvance(m_text) / 2.0)),
                         cell.height() / 2 - int(std::nearbyint(metrics.height() / 2.0)));

    QPainter painter(this);
    painter.setFont(font);
    const auto draw = [&](QPoint at, TColor colour) {
        painter.save();
        painter.setPen(Colors::toQColor(colour, palette()));
        painter.translate(at);
        // Qt draws text from its baseline.
        painter.drawText(QPoint(0, metrics.ascent()), m_text);
        painter.restore();
    };
    if (m_shadow)
        draw(topLeft + QPoint(shadowOffset, shadowOffset), m_shadowColor);
    draw(topLeft, m_color);
}
