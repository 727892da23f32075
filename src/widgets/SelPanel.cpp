// SelPanel: a pop-up column of word rows over a background picture; a click reports the row.
#include "widgets/SelPanel.h"

#include <QEnterEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int defaultWidth = 160;
// Row texts start right of the icon column.
constexpr int textLeft = 29;
const QColor bevelLight(255, 255, 255);
const QColor bevelDark(128, 128, 128);

// A copy of the picture in which white lets the background show through.
QImage whiteAsTransparent(const QImage &picture)
{
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF)
                line[x] = 0;
    }
    return keyed;
}

} // namespace

SelPanel::SelPanel(QWidget *parent) : QWidget(parent)
{
    // A click on the panel must leave the keyboard focus in the blank that asked for it.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    resize(defaultWidth, 0);
    applyHeight();
    hide();
}

int SelPanel::fontPixelHeight() const
{
    const int pixels = font().pixelSize();
    return pixels > 0 ? pixels : QFontInfo(font()).pixelSize();
}

int SelPanel::RowHeight() const
{
    return 2 * fontPixelHeight();
}

QSize SelPanel::sizeHint() const
{
    return QSize(defaultWidth, RowHeight() * ItemCount());
}

// The height always follows the rows, whatever the owner set.
void SelPanel::applyHeight()
{
    setFixedHeight(RowHeight() * ItemCount());
}

// Rows count from 1; the first starts one pixel down so that its top bevel line is drawn.
int SelPanel::rowTop(int row) const
{
    return row == 1 ? 1 : (row - 1) * RowHeight();
}

void SelPanel::setStringListValues(const QStringList &values)
{
    m_items = values;
    m_backgroundDirty = true;
    applyHeight();
    update();
}

void SelPanel::setFontColor(TColor color)
{
    if (m_fontColor == color)
        return;
    m_fontColor = color;
    update();
}

void SelPanel::setBitmap(const QImage &bitmap)
{
    m_bitmap = bitmap;
    m_backgroundDirty = true;
    update();
}

void SelPanel::setIcoBMP(const QImage &icons)
{
    m_icoBmp = icons;
    m_backgroundDirty = true;
    update();
}

void SelPanel::setActiva(bool activa)
{
    // The bevel direction shows at the next repaint (the owner's show, or a hover change).
    m_activa = activa;
}

void SelPanel::setXP(bool xp)
{
    if (m_xp == xp)
        return;
    m_xp = xp;
    update();
}

void SelPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_backgroundDirty = true;
        applyHeight();
        update();
    }
}

// Icon cell of the strip starting at column x, stretched one pixel taller as it is drawn.
QImage SelPanel::iconCell(int x, int width) const
{
    const int iconHeight = m_icoBmp.height();
    const QRect source = QRect(x, 1, width, iconHeight - 1).intersected(m_icoBmp.rect());
    if (source.isEmpty() || width <= 0)
        return {};
    return whiteAsTransparent(m_icoBmp.copy(source).scaled(width, iconHeight));
}

// The icons become part of the background picture, one beside each row.
const QImage &SelPanel::background() const
{
    if (!m_backgroundDirty)
        return m_background;
    m_backgroundDirty = false;
    m_background = m_bitmap.isNull() ? QImage() : m_bitmap.convertToFormat(QImage::Format_RGB32);
    if (m_background.isNull() || m_icoBmp.isNull() || ItemCount() == 0)
        return m_background;
    const int cellWidth = m_icoBmp.width() / ItemCount();
    QPainter painter(&m_background);
    for (int i = 0; i < ItemCount(); ++i) {
        const QImage cell = iconCell(1 + i * cellWidth, cellWidth);
        if (!cell.isNull())
            painter.drawImage(2, rowTop(i + 1), cell);
    }
    return m_background;
}

void SelPanel::drawItemText(QPainter &painter, int index, int top) const
{
    painter.drawText(textLeft, top + QFontMetrics(font()).ascent(), m_items.at(index));
}

// Raised or sunken edges of one row; each line stops short of its end point, and a line touching
// coordinate 0 is left out, so rows stacked on each other share no pixels.
void SelPanel::drawBevel(QPainter &painter, int top, int bottom) const
{
    const int w = width();
    auto line = [&painter](int x1, int y1, int x2, int y2) {
        if (x1 == 0 || y1 == 0 || x2 == 0 || y2 == 0)
            return;
        if (y1 == y2 && x2 > x1)
            painter.drawLine(x1, y1, x2 - 1, y1);
        else if (x1 == x2 && y2 > y1)
            painter.drawLine(x1, y1, x1, y2 - 1);
    };
    painter.setPen(m_activa ? bevelDark : bevelLight);
    line(1, top, w, top);
    line(1, top, 1, bottom);
    line(2, top + 1, 2, bottom - 1);
    painter.setPen(m_activa ? bevelLight : bevelDark);
    line(w - 1, top, w - 1, bottom);
    line(w - 2, top + 1, w - 2, bottom - 1);
    line(1, bottom - 1, w, bottom - 1);
}

void SelPanel::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    const int count = ItemCount();
    const int rowHeight = RowHeight();
    if (w <= 0 || h <= 0)
        return;

    // The hovered row is built off screen, then copied inverted in one step.
    QImage buffer(w, h, QImage::Format_RGB32);
    buffer.fill(Qt::white);
    QPainter panel(this);

    const QImage &picture = background();
    if (!picture.isNull()) {
        QPainter(&buffer).drawImage(0, 0, picture);
        panel.drawImage(0, 0, picture, 0, 0, w, h);
    }
    if (count == 0 || rowHeight <= 0)
        return;

    const QColor textColor = Colors::toQColor(m_fontColor, palette());
    panel.setFont(font());
    panel.setBrush(Qt::NoBrush);
    for (int row = 1; row <= count; ++row) {
        const int top = rowTop(row);
        const int bottom = row * rowHeight;
        if (m_xp) {
            panel.setPen(bevelDark);
            panel.drawRect(0, 0, w - 1, h - 1);
        } else {
            drawBevel(panel, top, bottom);
        }
        panel.setPen(textColor);
        panel.setClipRect(QRect(2, 2, w - 2, h - 2));
        drawItemText(panel, row - 1, top + 3);
        panel.setClipping(false);
    }

    const int hovered = m_hoverTop / rowHeight;
    if (hovered >= 0 && hovered < count) {
        QPainter painter(&buffer);
        painter.setFont(font());
        painter.setPen(textColor);
        drawItemText(painter, hovered, m_hoverTop + 2);
    }
    const QRect highlight = QRect(2, m_hoverTop + 2, w - 4, rowHeight - 4).intersected(buffer.rect());
    if (!highlight.isEmpty()) {
        QImage inverted = buffer.copy(highlight);
        inverted.invertPixels();
        panel.drawImage(highlight.topLeft(), inverted);
    }

    if (!m_icoBmp.isNull() && hovered >= 0) {
        const int cellWidth = m_icoBmp.width() / count;
        const QImage cell = iconCell(hovered * cellWidth, cellWidth);
        if (!cell.isNull())
            panel.drawImage(1, m_hoverTop, cell);
    }
}

void SelPanel::Change()
{
    emit OnChange(this, m_resp, m_selIndex);
}

void SelPanel::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    const int rowHeight = RowHeight();
    if (ItemCount() == 0 || rowHeight <= 0)
        return;
    const int y = event->position().toPoint().y();
    const int row = y / rowHeight;
    // Below the last row (or above the first) nothing is chosen and nobody is told.
    if (y < 0 || row >= ItemCount())
        return;
    if (m_items.at(row) != m_resp) {
        m_resp = m_items.at(row);
        m_selIndex = row + 1;
    }
    Change();
    emit OnMouseDown(this);
}

void SelPanel::mouseReleaseEvent(QMouseEvent *event)
{
    unsetCursor();
    QWidget::mouseReleaseEvent(event);
    emit OnMouseUp(this);
}

void SelPanel::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    const int rowHeight = RowHeight();
    if (ItemCount() > 0 && rowHeight > 0) {
        const int top = rowHeight * (event->position().toPoint().y() / rowHeight);
        if (top != m_hoverTop) {
            m_hoverTop = top;
            // Only a change of row repaints; over a picture the repaint is immediate so the
            // highlight follows the pointer without a blank frame.
            if (m_bitmap.isNull())
                update();
            else
                repaint();
        }
    }
    emit OnMouseMove(this);
}

void SelPanel::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (!isEnabled())
        return;
    m_resp.clear();
    m_selIndex = 0;
    emit OnEnter(this);
}

void SelPanel::leaveEvent(QEvent *event)
{
    unsetCursor();
    QWidget::leaveEvent(event);
    if (!isEnabled())
        return;
    update();
    Change();
    emit OnExit(this);
}
