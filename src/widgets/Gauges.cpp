// Gauge: a value within a range shown as a percentage, as text, bar, pie or needle dial.
#include "widgets/Gauges.h"

#include "shared/AppError.h"
#include "widgets/BltBitmap.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

int loadingScopes = 0;

// A rectangle as edges: right and bottom are the first column and row outside it.
struct Edges {
    int left;
    int top;
    int right;
    int bottom;
};

QRect toQRect(const Edges &e)
{
    return QRect(e.left, e.top, e.right - e.left, e.bottom - e.top);
}

void fillEdges(QPainter &painter, const Edges &e, const QColor &color)
{
    if (e.right > e.left && e.bottom > e.top)
        painter.fillRect(toQRect(e), color);
}

// Every pixel black, as a fresh off-screen picture starts.
void blacken(QImage &image)
{
    image.fill(Qt::black);
}

// An off-screen image of the gauge's logical size in the device pixels of the given ratio.
QImage deviceImage(int width, int height, qreal ratio, QImage::Format format)
{
    QImage image(qCeil(width * ratio), qCeil(height * ratio), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

// An ellipse or pie inside the bounding edges; its outline runs through the outermost pixels.
QRectF outlineRect(const Edges &b)
{
    return QRectF(b.left, b.top, b.right - 1 - b.left, b.bottom - 1 - b.top);
}

// The direction of a radial point from the centre of the bounding ellipse, as the angle of
// the ellipse point it points at (degrees, counter-clockwise from three o'clock).
double ellipseAngle(const QRectF &outline, QPointF radial)
{
    const QPointF centre = outline.center();
    const double rx = outline.width() / 2;
    const double ry = outline.height() / 2;
    return std::atan2(-(radial.y() - centre.y()) / ry, (radial.x() - centre.x()) / rx) * 180 / std::numbers::pi;
}

void drawEllipse(QPainter &painter, const Edges &bounds)
{
    if (bounds.right > bounds.left && bounds.bottom > bounds.top)
        painter.drawEllipse(outlineRect(bounds));
}

// A pie sector running counter-clockwise from the first radial to the second; equal
// directions give the whole ellipse.
void drawPie(QPainter &painter, const Edges &bounds, QPoint first, QPoint second)
{
    const QRectF outline = outlineRect(bounds);
    if (outline.width() <= 0 || outline.height() <= 0)
        return;
    const double start = ellipseAngle(outline, first);
    double sweep = ellipseAngle(outline, second) - start;
    while (sweep <= 0)
        sweep += 360;
    while (sweep > 360)
        sweep -= 360;
    QPainterPath path;
    path.moveTo(outline.center());
    path.arcTo(outline, start, sweep);
    path.closeSubpath();
    painter.drawPath(path);
}

// A one-pixel line that leaves out its end point. On a surface finer than the gauge's pixels
// it is drawn smooth, from pixel centre to pixel centre, instead of as a stair of enlarged
// pixels.
void drawLine(QPainter &painter, QPoint from, QPoint to)
{
    if (painter.device()->devicePixelRatio() > 1) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(painter.pen().color(), 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(to) + QPointF(0.5, 0.5));
        painter.restore();
        return;
    }
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = from;
    QList<QPoint> points;
    while (p != to) {
        points.append(p);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
    painter.drawPoints(points.constData(), int(points.size()));
}

QString rangeMessage(qint64 low, qint64 high)
{
    return QStringLiteral("Value must be between %1 and %2").arg(low).arg(high);
}

// --- 80-bit extended arithmetic for FillLength: a 64-bit significand times a power of two.
struct Extended {
    quint64 significand;
    int exponent;
};

using Wide = unsigned __int128;

int bitLength(Wide value)
{
    int bits = 0;
    while (value != 0) {
        value >>= 1;
        ++bits;
    }
    return bits;
}

// value x 2^exponent rounded to 64 significant bits, halves to even, as the FPU does.
Extended roundToExtended(Wide value, int exponent)
{
    const int bits = bitLength(value);
    if (bits <= 64)
        return {quint64(value), exponent};
    const int drop = bits - 64;
    Wide kept = value >> drop;
    const Wide rest = value & ((Wide(1) << drop) - 1);
    const Wide half = Wide(1) << (drop - 1);
    if (rest > half || (rest == half && (kept & 1) != 0))
        ++kept;
    if (bitLength(kept) > 64)
        return {quint64(kept >> 1), exponent + drop + 1};
    return {quint64(kept), exponent + drop};
}

Extended multiply(Extended a, quint64 whole)
{
    return roundToExtended(Wide(a.significand) * whole, a.exponent);
}

quint64 truncated(Extended e)
{
    if (e.exponent >= 0)
        return e.significand << e.exponent; // only small whole numbers reach here
    if (e.exponent <= -64)
        return 0;
    return e.significand >> -e.exponent;
}

// 0.01 rounded to 64 significant bits: 11805916207174113034 x 2^-70, just below 0.01.
constexpr Extended oneHundredth{11805916207174113034ULL, -70};

} // namespace

Gauge::Gauge(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    // Every pixel is painted, so the parent need not erase behind the gauge.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
}

QSize Gauge::sizeHint() const
{
    return QSize(100, 100);
}

Gauge::LoadingScope::LoadingScope() { ++loadingScopes; }
Gauge::LoadingScope::~LoadingScope() { --loadingScopes; }

bool Gauge::isLoading() const
{
    return m_loading || loadingScopes > 0;
}

void Gauge::setBackColor(TColor value)
{
    if (value == m_backColor)
        return;
    m_backColor = value;
    repaint();
}

void Gauge::setBorderStyle(TBorderStyle value)
{
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    repaint();
}

void Gauge::setForeColor(TColor value)
{
    if (value == m_foreColor)
        return;
    m_foreColor = value;
    repaint();
}

void Gauge::setKind(TGaugeKind value)
{
    if (value == m_kind)
        return;
    m_kind = value;
    repaint();
}

void Gauge::setShowText(bool value)
{
    if (value == m_showText)
        return;
    m_showText = value;
    repaint();
}

void Gauge::setColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    update();
}

void Gauge::setMinValue(int value)
{
    if (value == m_minValue)
        return;
    if (value > m_maxValue && !isLoading())
        throw AppError(rangeMessage(-2147483647, qint64(m_maxValue) - 1));
    m_minValue = value;
    if (m_progress < value)
        m_progress = value;
    repaint();
    updateAccessibleName();
}

void Gauge::setMaxValue(int value)
{
    if (value == m_maxValue)
        return;
    if (value < m_minValue && !isLoading())
        throw AppError(rangeMessage(qint64(m_minValue) + 1, 2147483647));
    m_maxValue = value;
    if (m_progress > value)
        m_progress = value;
    repaint();
    updateAccessibleName();
}

void Gauge::setProgress(int value)
{
    const int before = Percentage();
    if (value < m_minValue)
        value = m_minValue;
    else if (value > m_maxValue)
        value = m_maxValue;
    if (value == m_progress)
        return;
    m_progress = value;
    if (Percentage() != before) {
        repaint();
        updateAccessibleName();
    }
}

void Gauge::setAccessibleCaption(const QString &caption)
{
    m_accessibleCaption = caption;
    updateAccessibleName();
}

void Gauge::updateAccessibleName()
{
    if (!m_accessibleCaption.isEmpty())
        setAccessibleName(QStringLiteral("%1: %2 %").arg(m_accessibleCaption).arg(Percentage()));
}

int Gauge::Percentage() const
{
    // Widened, so that a range wider than 32 bits still gives its true percentage.
    const qint64 span = qint64(m_maxValue) - m_minValue;
    if (span == 0)
        return 0;
    return int((qint64(m_progress) - m_minValue) * 100 / span);
}

int Gauge::FillLength(int percentage, int size)
{
    const bool negative = (percentage < 0) != (size < 0);
    const Extended fraction = multiply(oneHundredth, std::abs(qint64(percentage)));
    const quint64 length = truncated(multiply(fraction, std::abs(qint64(size))));
    const qint64 capped = qint64(std::min<quint64>(length, quint64(INT_MAX)));
    return int(negative ? -capped : capped);
}

QPoint Gauge::PieRadial(int percentage, int mx, int my)
{
    const double a = std::numbers::pi * (percentage / 50.0 + 0.5);
    // nearbyint rounds halves to the even neighbour.
    return QPoint(int(std::nearbyint(mx * (1 - std::cos(a)))), int(std::nearbyint(my * (1 - std::sin(a)))));
}

QPoint Gauge::NeedleTip(int percentage, int mx, int baseY)
{
    const double a = std::numbers::pi * percentage / 100;
    return QPoint(int(std::nearbyint(mx * (1 - std::cos(a)))), int(std::nearbyint(baseY * (1 - std::sin(a)))));
}

void Gauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!painter.isActive())
        return;
    // The ratio of the surface actually painted: the screen's backing store, or the image a
    // caller renders the gauge into.
    const QImage picture = Paint(painter.paintEngine()->paintDevice()->devicePixelRatio());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
}

QImage Gauge::Paint(qreal devicePixelRatio) const
{
    const int w = width();
    const int h = height();
    const qreal ratio = std::max<qreal>(devicePixelRatio, 1);
    QImage picture = deviceImage(w, h, ratio, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    blacken(picture);

    Edges paintRect{0, 0, w, h};
    if (m_borderStyle == bsSingle)
        paintRect = {1, 1, w - 1, h - 1};
    const int border = m_borderStyle == bsSingle ? 1 : 0;

    const QColor fore = Colors::toQColor(m_foreColor, palette());
    const QColor back = Colors::toQColor(m_backColor, palette());
    const QColor own = Colors::toQColor(m_color, palette());
    const int percentage = Percentage();

    BltBitmap overlay;
    overlay.MakeLike(picture);
    blacken(overlay);
    {
        QPainter painter(&overlay);
        painter.setPen(QPen(fore, 1));
        painter.setBrush(fore);
        switch (m_kind) {
        case gkText:
            fillEdges(painter, paintRect, back);
            break;
        case gkHorizontalBar:
        case gkVerticalBar: {
            const int barW = paintRect.right - paintRect.left + 1;
            const int barH = paintRect.bottom - paintRect.top + 1;
            fillEdges(painter, paintRect, back);
            // The fill length is used as a coordinate, not added to the corner.
            if (m_kind == gkHorizontalBar) {
                const int f = std::min(FillLength(percentage, barW), barW);
                if (f > 0)
                    fillEdges(painter, {paintRect.left, paintRect.top, f, barH}, fore);
            } else {
                int f = FillLength(percentage, barH);
                if (f >= barH)
                    f = barH - 1;
                fillEdges(painter, {paintRect.left, barH - f, barW, barH}, fore);
            }
            break;
        }
        case gkPie: {
            const int pieW = paintRect.right - paintRect.left + border;
            const int pieH = paintRect.bottom - paintRect.top + border;
            fillEdges(painter, paintRect, own);
            painter.setClipRect(toQRect(paintRect));
            // Smooth edges, drawn through the pixels' centres so that the outline stays one
            // pixel wide.
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(0.5, 0.5);
            painter.setBrush(back);
            const Edges disc{paintRect.left, paintRect.top, pieW, pieH};
            drawEllipse(painter, disc);
            if (percentage > 0) {
                painter.setBrush(fore);
                drawPie(painter, disc, PieRadial(percentage, pieW / 2, pieH / 2), QPoint(pieW / 2, 0));
            }
            break;
        }
        case gkNeedle: {
            const int x = paintRect.left;
            const int y = paintRect.top;
            const int dialW = paintRect.right - paintRect.left + border;
            const int dialH = paintRect.bottom - paintRect.top + border;
            const int baseY = paintRect.bottom - 1;
            fillEdges(painter, paintRect, own);
            painter.setBrush(back);
            painter.setClipRect(toQRect(paintRect));
            drawPie(painter, {x, y, dialW, 2 * dialH - 1}, QPoint(x + dialW, baseY), QPoint(x, baseY));
            painter.setClipping(false);
            drawLine(painter, QPoint(x, paintRect.bottom), QPoint(x + dialW, paintRect.bottom));
            if (percentage > 0) {
                const int mx = w / 2;
                drawLine(painter, QPoint(mx, baseY), NeedleTip(percentage, mx, baseY));
            }
            break;
        }
        }
    }
    {
        // The picture is black, so XOR leaves it equal to the overlay.
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(0, 0, overlay);
    }

    if (m_showText) {
        // Glyph pixels must be pure white so that XOR inverts them exactly: the figure is drawn
        // on a one-bit image, where the gauge's own font gives unsmoothed glyphs without a
        // second, unsmoothed copy of the font to load. On a sharper screen the image has its
        // device pixels, and the font renders its glyphs at that size.
        QImage glyphs = deviceImage(w, h, ratio, QImage::Format_MonoLSB);
        glyphs.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        glyphs.fill(0);
        const QString figure = QString::asprintf("%d%%", percentage);
        {
            QPainter painter(&glyphs);
            painter.setFont(font());
            painter.setPen(Qt::white);
            painter.setBrush(Qt::NoBrush);
            const QFontMetrics metrics = painter.fontMetrics();
            const int textX = (paintRect.right - paintRect.left + 1 - metrics.horizontalAdvance(figure)) / 2;
            const int textY = (paintRect.bottom - paintRect.top + 1 - metrics.height()) / 2;
            painter.setClipRect(toQRect(paintRect));
            painter.drawText(textX, textY + metrics.ascent(), figure);
        }
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(0, 0, glyphs.convertToFormat(QImage::Format_RGB32));
    }
    return picture;
}
