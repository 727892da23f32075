// LCDControl: a green-on-black LCD counter, a bar column above seven-segment digits.
#include "widgets/LCDControl.h"

#include "shared/Colors.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

// The glyphs, row by row from the top: # lit, + dim, . blank. Each row of this table holds
// that row of the ten digits 0 to 9.
constexpr const char *digitRows[LCDControl::glyphHeight][10] = {
    {"#######", ".+.+.+#", "#######", "#######", "#+.+.+#", "#######", "#######", "#######", "#######", "#######"},
    {"#.....#", "+.....#", "+.....#", "+.....#", "#.....#", "#.....+", "#.....+", "+.....#", "#.....#", "#.....#"},
    {"#.....#", "......#", "......#", "......#", "#.....#", "#......", "#......", "......#", "#.....#", "#.....#"},
    {"#.....#", "+.....#", "+.....#", "+.....#", "#.....#", "#.....+", "#.....+", "+.....#", "#.....#", "#.....#"},
    {"#.....#", "......#", "......#", "......#", "#.....#", "#......", "#......", "......#", "#.....#", "#.....#"},
    {"#+.+.+#", "+.+.+.#", "#######", "#######", "#######", "#######", "#######", "+.+.+.#", "#######", "#######"},
    {"#.....#", "......#", "#......", "......#", "......#", "......#", "#.....#", "......#", "#.....#", "......#"},
    {"#.....#", "+.....#", "#.....+", "+.....#", "+.....#", "+.....#", "#.....#", "+.....#", "#.....#", "+.....#"},
    {"#.....#", "......#", "#......", "......#", "......#", "......#", "#.....#", "......#", "#.....#", "......#"},
    {"#.....#", "+.....#", "#.....+", "+.....#", "+.....#", "+.....#", "#.....#", "+.....#", "#.....#", "+.....#"},
    {"#######", ".+.+.+#", "#######", "#######", ".+.+.+#", "#######", "#######", ".+.+.+#", "#######", "#######"},
};

constexpr const char *charKRows[LCDControl::glyphHeight] = {
    ".......", "#...#..", "#..#...", "#.#....", "###....", "#..#...",
    "#..#...", "#...#..", "#...#..", "#....#.", ".......",
};

constexpr const char *percentRows[LCDControl::glyphHeight] = {
    ".......", ".##..#.", "#..##..", ".##.#..", "...#...", "...#...",
    "..#....", "..#.##.", ".#.#..#", ".#..##.", ".......",
};

// Only the middle segment lit, the others dotted as unlit segments are on the digits.
constexpr const char *minusRows[LCDControl::glyphHeight] = {
    ".+.+.+.", "+.....+", ".......", "+.....+", ".......", "#######",
    ".......", "+.....+", ".......", "+.....+", ".+.+.+.",
};

QRgb pixelColor(char c)
{
    switch (c) {
    case '#': return LCDControl::litColor;
    case '+': return LCDControl::dimColor;
    default: return LCDControl::blankColor;
    }
}

template <typename RowAt>
QImage glyphFromRows(RowAt rowAt)
{
    QImage image(LCDControl::glyphWidth, LCDControl::glyphHeight, QImage::Format_RGB32);
    for (int y = 0; y < LCDControl::glyphHeight; ++y) {
        const char *row = rowAt(y);
        for (int x = 0; x < LCDControl::glyphWidth; ++x)
            image.setPixel(x, y, pixelColor(row[x]));
    }
    return image;
}

struct LcdImages {
    std::array<QImage, 10> digits;
    QImage charK;
    QImage percent;
    QImage minus;
    QImage segmentOn;
    QImage segmentOff;
};

LcdImages buildImages()
{
    LcdImages images;
    for (int digit = 0; digit < 10; ++digit)
        images.digits[digit] = glyphFromRows([digit](int y) { return digitRows[y][digit]; });
    images.charK = glyphFromRows([](int y) { return charKRows[y]; });
    images.percent = glyphFromRows([](int y) { return percentRows[y]; });
    images.minus = glyphFromRows([](int y) { return minusRows[y]; });

    images.segmentOn = QImage(LCDControl::segmentWidth, LCDControl::segmentHeight, QImage::Format_RGB32);
    images.segmentOn.fill(LCDControl::litColor);
    // A checkerboard: the top row starts black, the bottom row dark green.
    images.segmentOff = QImage(LCDControl::segmentWidth, LCDControl::segmentHeight, QImage::Format_RGB32);
    for (int y = 0; y < LCDControl::segmentHeight; ++y)
        for (int x = 0; x < LCDControl::segmentWidth; ++x)
            images.segmentOff.setPixel(x, y, (x + y) % 2 == 0 ? LCDControl::blankColor : LCDControl::dimColor);
    return images;
}

// Built on first use and shared by every counter for the rest of the run.
const LcdImages &images()
{
    static const LcdImages shared = buildImages();
    return shared;
}

} // namespace

LCDControl::LCDControl(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    // Paint fills every pixel, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 120);
}

const QImage &LCDControl::digitImage(int digit) { return images().digits.at(std::clamp(digit, 0, 9)); }
const QImage &LCDControl::charKImage() { return images().charK; }
const QImage &LCDControl::percentImage() { return images().percent; }
const QImage &LCDControl::minusImage() { return images().minus; }
const QImage &LCDControl::segmentOnImage() { return images().segmentOn; }
const QImage &LCDControl::segmentOffImage() { return images().segmentOff; }

void LCDControl::SetNumber(int value)
{
    if (value == m_number || value > m_numberMax)
        return;
    const QRegion before = valueRegion();
    m_number = value;
    redrawValue(before);
    updateAccessibleName();
}

void LCDControl::setAccessibleCaption(const QString &caption)
{
    m_accessibleCaption = caption;
    updateAccessibleName();
}

void LCDControl::updateAccessibleName()
{
    if (!m_accessibleCaption.isEmpty())
        setAccessibleName(QStringLiteral("%1: %2").arg(m_accessibleCaption).arg(m_number));
}

void LCDControl::SetNumberType(TNumberType value)
{
    if (value == m_numberType)
        return;
    const QRegion before = valueRegion();
    m_numberType = value;
    redrawValue(before);
}

void LCDControl::SetNumberMax(int value)
{
    if (value <= 0 || value < m_number || value == m_numberMax)
        return;
    m_numberMax = value;
    update();
}

int LCDControl::TextWidth() const
{
    // The minus sign of a negative number counts as one more glyph.
    const int length = int(QString::number(m_number).size());
    return m_numberType == ntNone ? glyphAdvance * length : glyphAdvance * (length + 1);
}

QSize LCDControl::sizeHint() const
{
    return QSize(100, 120);
}

void LCDControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter);
}

void LCDControl::Paint(QPainter &painter)
{
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), Qt::black);
    // A sunken one-pixel frame, drawn as lines that leave out their last point: the shadow
    // from (w-1, 0) through (0, 0) to (0, h-1), the highlight from (w-1, 1) through
    // (w-1, h-1) to (1, h-1).
    const QColor shadow = Colors::toQColor(Colors::clBtnShadow, palette());
    const QColor highlight = Colors::toQColor(Colors::clBtnHighlight, palette());
    painter.fillRect(QRect(1, 0, w - 1, 1), shadow);
    painter.fillRect(QRect(0, 0, 1, h - 1), shadow);
    painter.fillRect(QRect(w - 1, 1, 1, h - 2), highlight);
    painter.fillRect(QRect(2, h - 1, w - 2, 1), highlight);
    DrawValue(painter);
}

QRect LCDControl::barBounds() const
{
    // Left, top, right and bottom as edges: 2, 2, W - 2, H - 20.
    return QRect(QPoint(2, 2), QPoint(width() - 3, height() - 21));
}

int LCDControl::barRows(const QRect &bounds) const
{
    // Each bar row is a two-pixel segment and a one-pixel gap.
    return std::max(0, (bounds.bottom() + 1 - bounds.top()) / 3);
}

void LCDControl::DrawValue(QPainter &painter)
{
    const int w = width();
    const int h = height();
    DrawBar(painter, barBounds(), m_number);
    const int tw = TextWidth();
    painter.fillRect(QRect(QPoint(2, h - 15), QPoint(w - 3, h - 3)), Qt::black);

    int x = w / 2 - tw / 2;
    const int y = h - 15;
    for (const QChar c : QString::number(m_number)) {
        const bool isDigit = c >= u'0' && c <= u'9';
        painter.drawImage(x, y, isDigit ? digitImage(c.unicode() - u'0') : minusImage());
        x += glyphAdvance;
    }
    if (m_numberType == ntCharK)
        painter.drawImage(x, y, charKImage());
    else if (m_numberType == ntPercent)
        painter.drawImage(x, y, percentImage());
}

void LCDControl::DrawBar(QPainter &painter, const QRect &bounds, int n)
{
    const int rows = barRows(bounds);
    // Widened so that large numbers cannot overflow; a negative number lights nothing.
    const qint64 litRows = qint64(rows) * n / m_numberMax;
    const int lit = int(std::clamp<qint64>(litRows, 0, rows));
    // The middle is taken as a coordinate of the control, without the rectangle's left edge.
    const int mid = (bounds.right() + 1 - bounds.left()) / 2;
    int y = bounds.top();
    for (int row = 0; row < rows; ++row) {
        const QImage &segment = row < rows - lit ? segmentOffImage() : segmentOnImage();
        painter.drawImage(mid - 17, y, segment);
        painter.drawImage(mid + 1, y, segment);
        y += 3;
    }
}

QRegion LCDControl::valueRegion() const
{
    const QRect bounds = barBounds();
    const int rows = barRows(bounds);
    const int mid = (bounds.right() + 1 - bounds.left()) / 2;
    QRegion region;
    if (rows > 0)
        region += QRect(mid - 17, bounds.top(), 2 * segmentWidth + 2, 3 * rows - 1);
    region += QRect(QPoint(2, height() - 15), QPoint(width() - 3, height() - 3));
    region += QRect(width() / 2 - TextWidth() / 2, height() - 15, TextWidth(), glyphHeight);
    return region & rect();
}

void LCDControl::redrawValue(const QRegion &before)
{
    // The control paints the bar and digits straight away, as a counter should, but only
    // them: the region also covers the old digits, so a shorter number leaves no trace.
    repaint(before | valueRegion());
}
