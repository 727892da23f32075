// Banner: a decoration that draws one shape, or a grid of the same shape, with optional shadow.
#include "widgets/Banner.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>
#include <QPolygon>
#include <QResizeEvent>

#include <cmath>
#include <cstdlib>
#include <numbers>

Banner::Banner(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(30, 30);
    m_fittedSize = size();
}

// --- colour and font ----------------------------------------------------------------------

TColor Banner::Color() const
{
    return m_parentColor ? parentsColor() : m_color;
}

void Banner::setColor(TColor value)
{
    if (value == Color() && !m_parentColor)
        return;
    // An own colour stops following the parent; the font's colour is the same value.
    m_parentColor = false;
    m_color = value;
    update();
}

void Banner::setFontColor(TColor value)
{
    setColor(value);
}

void Banner::setParentColor(bool value)
{
    if (value == m_parentColor)
        return;
    if (!value)
        m_color = parentsColor();
    m_parentColor = value;
    update();
}

TColor Banner::parentsColor() const
{
    if (const QWidget *owner = parentWidget()) {
        const QVariant colour = owner->property("Color");
        bool ok = false;
        const uint stored = colour.toUInt(&ok);
        if (colour.isValid() && ok)
            return TColor(stored);
    }
    // A plain Qt parent shows the button-face colour.
    return Colors::clBtnFace;
}

bool Banner::ParentFont() const
{
    return !testAttribute(Qt::WA_SetFont);
}

void Banner::setParentFont(bool value)
{
    if (value == ParentFont())
        return;
    if (value) {
        setFont(QFont());
    } else {
        QFont own = font();
        own.setResolveMask(QFont::AllPropertiesResolved);
        setFont(own);
    }
}

void Banner::setText(const QString &value)
{
    if (value == m_text)
        return;
    m_text = value;
    // Screen readers read the text shape by what it shows.
    setAccessibleName(m_text);
    update();
}

// --- angle ----------------------------------------------------------------------------------

int Banner::normalizedAngle(int value, bool snapTo45)
{
    int angle = value % 360;
    if (angle == -180)
        angle = 180;
    if (angle > 180)
        angle -= 360;
    if (angle < -180)
        angle += 360;
    if (snapTo45) {
        angle = int(std::lround(angle / 45.0)) * 45;
        // -179..-158 would snap to -180, outside the angle's range: that direction is 180.
        if (angle == -180)
            angle = 180;
    }
    return angle;
}

void Banner::setAngle(int value)
{
    if (value == m_angle)
        return;
    m_angle = normalizedAngle(value, m_shapeType == msTriangle || m_shapeType == msLine);
    update();
}

// --- plain properties -----------------------------------------------------------------------

void Banner::setFilled(bool value)
{
    if (value == m_filled)
        return;
    m_filled = value;
    update();
}

void Banner::setRepeatMode(TRepeatMode value)
{
    syncFit();
    if (value == m_repeatMode)
        return;
    m_repeatMode = value;
    const bool fit = value == rpNone;
    const bool switchedOn = fit && !m_fitMode;
    m_fitMode = fit;
    if (switchedOn)
        fitShapeToControl(false);
    update();
}

void Banner::setShapeType(BannerShapeType value)
{
    if (value == m_shapeType)
        return;
    m_shapeType = value;
    update();
}

void Banner::setShapeH(int value)
{
    syncFit();
    if (value == m_shapeH)
        return;
    m_shapeH = value;
    fitControlToShape();
    update();
}

void Banner::setShapeW(int value)
{
    syncFit();
    if (value == m_shapeW)
        return;
    m_shapeW = value;
    fitControlToShape();
    update();
}

void Banner::setXSpacing(int value)
{
    if (value == m_xSpacing)
        return;
    m_xSpacing = value;
    update();
}

void Banner::setYSpacing(int value)
{
    if (value == m_ySpacing)
        return;
    m_ySpacing = value;
    update();
}

void Banner::setXMargin(int value)
{
    syncFit();
    if (value == m_xMargin)
        return;
    m_xMargin = value;
    fitControlToShape();
    update();
}

void Banner::setYMargin(int value)
{
    syncFit();
    if (value == m_yMargin)
        return;
    m_yMargin = value;
    fitControlToShape();
    update();
}

void Banner::setBorder(bool value)
{
    if (value == m_border)
        return;
    m_border = value;
    update();
}

void Banner::setBorderColor(TColor value)
{
    if (value == m_borderColor)
        return;
    m_borderColor = value;
    update();
}

void Banner::setBorderWidth(int value)
{
    if (value == m_borderWidth)
        return;
    m_borderWidth = value;
    update();
}

void Banner::setShadow(bool value)
{
    syncFit();
    if (value == m_shadow)
        return;
    m_shadow = value;
    fitControlToShape();
    update();
}

void Banner::setShadowColor(TColor value)
{
    if (value == m_shadowColor)
        return;
    m_shadowColor = value;
    update();
}

void Banner::setShadowX(int value)
{
    syncFit();
    if (value == m_shadowX)
        return;
    m_shadowX = value;
    fitControlToShape();
    update();
}

void Banner::setShadowY(int value)
{
    syncFit();
    if (value == m_shadowY)
        return;
    m_shadowY = value;
    fitControlToShape();
    update();
}

// --- fitting and placement ------------------------------------------------------------------

void Banner::fitControlToShape()
{
    if (!m_fitMode)
        return;
    const int w = 2 * m_xMargin + m_shapeW + (m_shadow ? m_shadowX : 0);
    const int h = 2 * m_yMargin + m_shapeH + (m_shadow ? m_shadowY : 0);
    m_fittedSize = QSize(w, h);
    resize(w, h);
    m_fittedSize = size();
}

void Banner::fitShapeToControl(bool withShadow) const
{
    m_shapeW = width() - 2 * m_xMargin - (withShadow && m_shadow ? m_shadowX : 0);
    m_shapeH = height() - 2 * m_yMargin - (withShadow && m_shadow ? m_shadowY : 0);
    m_fittedSize = size();
}

void Banner::setBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    if (m_fitMode)
        fitShapeToControl(true);
    m_fittedSize = size();
    update();
}

void Banner::syncFit() const
{
    if (size() == m_fittedSize)
        return;
    if (m_fitMode)
        fitShapeToControl(true);
    m_fittedSize = size();
}

int Banner::ShapeW() const
{
    syncFit();
    return m_shapeW;
}

int Banner::ShapeH() const
{
    syncFit();
    return m_shapeH;
}

void Banner::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    syncFit();
}

void Banner::setAlign(TAlign value)
{
    if (value == m_align)
        return;
    m_align = value;
    ControlAlign::setAlign(this, value);
}

void Banner::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        update();
        break;
    case QEvent::ParentChange:
        if (m_align != alNone)
            ControlAlign::setAlign(this, m_align);
        update();
        break;
    default:
        break;
    }
}

// --- geometry of the grid -------------------------------------------------------------------

int Banner::Columns() const
{
    if ((m_repeatMode == rpHoriz || m_repeatMode == rpBoth) && m_xSpacing > 0)
        return width() / m_xSpacing + 1;
    return 1;
}

int Banner::Rows() const
{
    if ((m_repeatMode == rpVert || m_repeatMode == rpBoth) && m_ySpacing > 0)
        return height() / m_ySpacing + 1;
    return 1;
}

// --- text -----------------------------------------------------------------------------------

QFont Banner::rotatedFont() const
{
    QFont turned = font();
    turned.setWeight(turned.bold() ? QFont::Bold : QFont::Normal);
    return turned;
}

QPoint Banner::textOffset() const
{
    const QFontMetrics metrics(rotatedFont());
    const double w = std::abs(metrics.horizontalAdvance(m_text));
    const double h = std::abs(metrics.height());
    const double theta = m_angle * std::numbers::pi / 180.0;
    // nearbyint rounds halves to the even neighbour.
    return QPoint(int(std::nearbyint(w / 2 * std::cos(theta) + h / 2 * std::sin(theta))),
                  int(std::nearbyint(w / 2 * std::sin(theta) - h / 2 * std::cos(theta))));
}

int Banner::TextOffsetX() const
{
    return textOffset().x();
}

int Banner::TextOffsetY() const
{
    return textOffset().y();
}

// --- painting -------------------------------------------------------------------------------

void Banner::paintEvent(QPaintEvent *)
{
    syncFit();
    QPainter painter(this);
    if (m_shapeType == msText) {
        m_rotatedFont = rotatedFont();
        m_textOffset = textOffset();
        painter.setFont(m_rotatedFont);
        painter.setBrush(Qt::NoBrush);
    }
    const int columns = Columns();
    const int rows = Rows();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            drawShape(painter, column * m_xSpacing + m_xMargin, row * m_ySpacing + m_yMargin);
    }
}

void Banner::drawShape(QPainter &painter, int x, int y)
{
    if (m_shadow)
        drawFigure(painter, x + m_shadowX, y + m_shadowY, true);
    drawFigure(painter, x, y, false);
}

namespace {

QPen shapePen(const QColor &colour, int width)
{
    QPen pen(colour, std::max(width, 0));
    // Lines stop short of their end point, as the line primitive this control is modelled on.
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    return pen;
}

// Vertices of the triangle that points in the direction of `angle` (a multiple of 45).
QPolygon trianglePoints(int angle, int x, int y, int hw, int hh)
{
    const int w2 = 2 * hw;
    const int h2 = 2 * hh;
    switch (angle) {
    case 45: return QPolygon({QPoint(x, y), QPoint(x + w2, y), QPoint(x + w2, y + h2)});
    case 90: return QPolygon({QPoint(x + hw, y), QPoint(x + w2, y + h2), QPoint(x, y + h2)});
    case 135: return QPolygon({QPoint(x, y), QPoint(x + w2, y), QPoint(x, y + h2)});
    case 180: return QPolygon({QPoint(x, y + hh), QPoint(x + w2, y), QPoint(x + w2, y + h2)});
    case -45: return QPolygon({QPoint(x + w2, y), QPoint(x + w2, y + h2), QPoint(x, y + h2)});
    case -90: return QPolygon({QPoint(x, y), QPoint(x + w2, y), QPoint(x + hw, y + h2)});
    case -135: return QPolygon({QPoint(x, y), QPoint(x, y + h2), QPoint(x + w2, y + h2)});
    case 0:
    default: return QPolygon({QPoint(x, y), QPoint(x + w2, y + hh), QPoint(x, y + h2)});
    }
}

} // namespace

void Banner::drawFigure(QPainter &painter, int x, int y, bool shadow)
{
    const QPalette &pal = palette();
    const QColor fill = Colors::toQColor(shadow ? m_shadowColor : Color(), pal);
    const QColor outline = shadow ? fill : Colors::toQColor(m_border ? m_borderColor : Color(), pal);
    const int w = m_shapeW;
    const int h = m_shapeH;
    const int hw = w / 2;
    const int hh = h / 2;
    // Filled figures cover x .. x + W - 1 like the drawing primitives they are modelled on;
    // outlines drawn as closed lines reach x + W.
    const QRect box(x, y, w - 1, h - 1);

    painter.setPen(shapePen(outline, m_borderWidth));
    painter.setBrush(m_filled ? QBrush(fill) : QBrush(Qt::NoBrush));

    switch (m_shapeType) {
    case msRectangle:
        if (m_filled)
            painter.drawRect(box);
        else
            painter.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + w, y), QPoint(x + w, y + h), QPoint(x, y + h)}));
        break;
    case msRoundRect:
        // Always filled; its shadow keeps a one-pixel pen.
        if (shadow)
            painter.setPen(shapePen(outline, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(box), hw / 2.0, hh / 2.0);
        break;
    case msDiamond:
        painter.drawPolygon(QPolygon({QPoint(x + hw, y), QPoint(x + 2 * hw, y + hh), QPoint(x + hw, y + 2 * hh),
                                      QPoint(x, y + hh)}));
        break;
    case msEllipse:
        painter.drawEllipse(box);
        break;
    case msTriangle:
        painter.drawPolygon(trianglePoints(normalizedAngle(m_angle, true), x, y, hw, hh));
        break;
    case msLine: {
        painter.setPen(shapePen(shadow ? fill : Colors::toQColor(Color(), pal), m_borderWidth));
        const int angle = normalizedAngle(m_angle, true);
        const int orientation = angle >= 0 ? angle % 180 : (180 - angle) % 180;
        QLine line;
        switch (orientation) {
        case 45: line = QLine(x, y + h, x + w, y); break;
        case 90: line = QLine(x + hw, y, x + hw, y + h); break;
        case 135: line = QLine(x, y, x + w, y + h); break;
        case 0:
        default: line = QLine(x, y + hh, x + w, y + hh); break;
        }
        painter.drawLine(line);
        break;
    }
    case msText: {
        const QPoint reference(x + hw - m_textOffset.x(), y + hh + m_textOffset.y());
        const QFontMetrics metrics(m_rotatedFont);
        painter.save();
        painter.setPen(fill);
        painter.translate(reference);
        painter.rotate(-m_angle);
        // The reference point is the top-left corner of the turned text, Qt draws from the baseline.
        painter.drawText(QPoint(0, metrics.ascent()), m_text);
        painter.restore();
        break;
    }
    }
}
