// The gauge: percentage and fill arithmetic, the shapes' pixels, the inverted figure, the
// repaint rules, the range errors and the off-screen image helper.
#include "AppErrorText.h"
#include "DoubledPixels.h"

#include "widgets/BltBitmap.h"
#include "widgets/Gauges.h"

#include <QAccessible>
#include <QTest>

#include <climits>
#include <limits>

namespace {

// Distinct colours, so that every probed pixel tells which part painted it.
const TColor fore = Colors::clRed;
const TColor back = Colors::clWhite;
const TColor own = Colors::clLime;
// The practice window's score strip.
const TColor stripBlue = Colors::rgb(0, 64, 128);

QRgb rgbOf(TColor color)
{
    return Colors::toQColor(color).rgb();
}

void setUpGauge(Gauge &gauge, TGaugeKind kind, Gauge::TBorderStyle border, QSize size, int progress)
{
    gauge.resize(size);
    gauge.setKind(kind);
    gauge.setBorderStyle(border);
    gauge.setForeColor(fore);
    gauge.setBackColor(back);
    gauge.setColor(own);
    gauge.setShowText(false);
    gauge.setProgress(progress);
}

// A point at a radius from the centre, at an angle in degrees clockwise from twelve o'clock.
QPoint onRay(QPointF centre, double radius, double degrees)
{
    const double radians = qDegreesToRadians(degrees);
    return QPoint(qRound(centre.x() + radius * std::sin(radians)), qRound(centre.y() - radius * std::cos(radians)));
}

class CountingGauge : public Gauge {
public:
    using Gauge::Gauge;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        Gauge::paintEvent(event);
    }
};

// Pixels of the rectangle in each colour; any other colour counts under "other".
QMap<QString, int> census(const QImage &image, const QRect &area, const QMap<QString, QRgb> &colours)
{
    QMap<QString, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QString name = colours.key(image.pixel(x, y), QStringLiteral("other"));
            ++counts[name];
        }
    return counts;
}

} // namespace

class TestGauges : public QObject {
    Q_OBJECT
private slots:
    void screenReadersHearThePercentage()
    {
        Gauge gauge;
        gauge.setAccessibleCaption(QStringLiteral("Tablero"));
        auto name = [&] { return QAccessible::queryAccessibleInterface(&gauge)->text(QAccessible::Name); };
        QCOMPARE(name(), QStringLiteral("Tablero: 0 %"));
        gauge.setProgress(75);
        QCOMPARE(name(), QStringLiteral("Tablero: 75 %"));
        gauge.setMaxValue(50);
        QCOMPARE(name(), QStringLiteral("Tablero: 100 %"));
    }

    void defaults()
    {
        Gauge gauge;
        QCOMPARE(gauge.size(), QSize(100, 100));
        QCOMPARE(gauge.Kind(), gkHorizontalBar);
        QCOMPARE(gauge.BorderStyle(), Gauge::bsSingle);
        QCOMPARE(gauge.ForeColor(), Colors::clBlack);
        QCOMPARE(gauge.BackColor(), Colors::clWhite);
        QCOMPARE(gauge.MinValue(), 0);
        QCOMPARE(gauge.MaxValue(), 100);
        QCOMPARE(gauge.Progress(), 0);
        QVERIFY(gauge.ShowText());
        QCOMPARE(gauge.focusPolicy(), Qt::NoFocus);
        QVERIFY(gauge.testAttribute(Qt::WA_OpaquePaintEvent));
        // Design values arrive as properties.
        QVERIFY(gauge.setProperty("Kind", QVariant::fromValue(gkPie)));
        QVERIFY(gauge.setProperty("Progress", 44));
        QCOMPARE(gauge.Kind(), gkPie);
        QCOMPARE(gauge.property("Percentage").toInt(), 44);
        // A layout file may give enumerations by name and colours as plain numbers.
        QVERIFY(gauge.setProperty("Kind", QStringLiteral("gkNeedle")));
        QVERIFY(gauge.setProperty("BorderStyle", QStringLiteral("bsNone")));
        QVERIFY(gauge.setProperty("ForeColor", int(Colors::clAqua)));
        QCOMPARE(gauge.Kind(), gkNeedle);
        QCOMPARE(gauge.BorderStyle(), Gauge::bsNone);
        QCOMPARE(gauge.ForeColor(), Colors::clAqua);
    }

    void percentage_data()
    {
        QTest::addColumn<int>("minValue");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("percentage");
        QTest::addRow("1 of 3") << 0 << 3 << 1 << 1 << 33;
        QTest::addRow("2 of 3") << 0 << 3 << 2 << 2 << 66;
        QTest::addRow("above clamps") << 0 << 100 << 150 << 100 << 100;
        QTest::addRow("below clamps") << 0 << 100 << -5 << 0 << 0;
        QTest::addRow("offset range") << -50 << 50 << 0 << 0 << 50;
        QTest::addRow("empty range") << 0 << 0 << 7 << 0 << 0;
        QTest::addRow("widest range") << INT_MIN << INT_MAX << 0 << 0 << 50;
        QTest::addRow("wide range top") << -2147483647 << 100 << 100 << 100 << 100;
    }
    void percentage()
    {
        QFETCH(int, minValue);
        QFETCH(int, maxValue);
        QFETCH(int, progress);
        QFETCH(int, stored);
        QFETCH(int, percentage);
        Gauge gauge;
        if (minValue < 0) {
            gauge.setMinValue(minValue);
            gauge.setMaxValue(maxValue);
        } else {
            gauge.setMaxValue(maxValue);
            gauge.setMinValue(minValue);
        }
        gauge.setProgress(progress);
        QCOMPARE(gauge.Progress(), stored);
        QCOMPARE(gauge.Percentage(), percentage);
    }

    void fillLength_data()
    {
        QTest::addColumn<int>("percentage");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("expected");
        QTest::addRow("10 of 10") << 10 << 10 << 0;
        QTest::addRow("20 of 5") << 20 << 5 << 0;
        QTest::addRow("5 of 20") << 5 << 20 << 0;
        QTest::addRow("10 of 11") << 10 << 11 << 1;
        QTest::addRow("50 of 98") << 50 << 98 << 49;
        QTest::addRow("100 of 10") << 100 << 10 << 10;
        QTest::addRow("100 of 98") << 100 << 98 << 98;
        QTest::addRow("100 of 1000") << 100 << 1000 << 1000;
        QTest::addRow("0 of 50") << 0 << 50 << 0;
        QTest::addRow("33 of 50") << 33 << 50 << 16;
        QTest::addRow("negative size") << 50 << -10 << -5;
    }
    void fillLength()
    {
        QFETCH(int, percentage);
        QFETCH(int, size);
        QFETCH(int, expected);
        QCOMPARE(Gauge::FillLength(percentage, size), expected);
    }

    // Where the compiler's long double is the 80-bit format, it must agree everywhere.
    void fillLengthMatchesExtendedPrecision()
    {
        if constexpr (std::numeric_limits<long double>::digits != 64) {
            QSKIP("long double is not the 80-bit extended format here");
        } else {
            volatile long double hundredth = 0.01L;
            for (int percentage = 0; percentage <= 100; ++percentage)
                for (int size = 0; size <= 1200; ++size) {
                    const long double fraction = percentage * hundredth;
                    const long double product = fraction * size;
                    const int expected = int(product);
                    if (Gauge::FillLength(percentage, size) != expected)
                        QFAIL(qPrintable(QStringLiteral("%1 %% of %2").arg(percentage).arg(size)));
                }
        }
    }

    void pieRadial_data()
    {
        QTest::addColumn<int>("percentage");
        QTest::addColumn<QPoint>("expected");
        QTest::addRow("44") << 44 << QPoint(33, 46);
        QTest::addRow("25") << 25 << QPoint(48, 24);
        QTest::addRow("50") << 50 << QPoint(24, 48);
        QTest::addRow("75") << 75 << QPoint(0, 24);
        QTest::addRow("100") << 100 << QPoint(24, 0);
    }
    void pieRadial()
    {
        QFETCH(int, percentage);
        QFETCH(QPoint, expected);
        QCOMPARE(Gauge::PieRadial(percentage, 24, 24), expected);
    }

    // The score strip's pie: 49 x 49, no border, 44 %. The sector starts at twelve o'clock and
    // ends on the ray through (33, 46).
    void pieSector()
    {
        Gauge gauge;
        setUpGauge(gauge, gkPie, Gauge::bsNone, QSize(49, 49), 44);
        const QImage image = rendered(gauge);
        const QPointF centre(24, 24);
        const double endAngle = 180 - qRadiansToDegrees(std::atan2(33 - 24, 46 - 24));
        QCOMPARE(qRound(endAngle), 158); // 44 % of a turn
        for (const double radius : {8.0, 14.0, 20.0}) {
            QCOMPARE(image.pixel(onRay(centre, radius, 6)), rgbOf(fore));
            QCOMPARE(image.pixel(onRay(centre, radius, -6)), rgbOf(back));
            QCOMPARE(image.pixel(onRay(centre, radius, endAngle - 8)), rgbOf(fore));
            QCOMPARE(image.pixel(onRay(centre, radius, endAngle + 8)), rgbOf(back));
        }
        // The outline runs through the outermost pixels of the disc, smoothed there into the
        // colour outside it: mostly its own colour. The corners are Color.
        const auto distance = [](QRgb a, QRgb b) {
            return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
        };
        for (const QPoint p : {QPoint(0, 24), QPoint(48, 24), QPoint(24, 0), QPoint(24, 48)})
            QVERIFY(distance(image.pixel(p), rgbOf(fore)) * 3 < distance(image.pixel(p), rgbOf(own)));
        for (const QPoint p : {QPoint(0, 0), QPoint(48, 0), QPoint(0, 48), QPoint(48, 48)})
            QCOMPARE(image.pixel(p), rgbOf(own));
    }

    // The pie's edges are smoothed: between the disc, the sector and the corners lie pixels of
    // mixed colour, and only a few of them. On a sharper screen they are smoothed at its own
    // pixels, not enlarged from the ordinary ones.
    void pieEdgesAreSmooth_data()
    {
        QTest::addColumn<int>("ratio");
        QTest::addRow("ordinary screen") << 1;
        QTest::addRow("pixel ratio 2") << 2;
    }
    void pieEdgesAreSmooth()
    {
        QFETCH(int, ratio);
        Gauge gauge;
        setUpGauge(gauge, gkPie, Gauge::bsNone, QSize(49, 49), 44);
        const QImage image = rendered(gauge, ratio);
        const auto counts = census(image, image.rect(), {{"fore", rgbOf(fore)}, {"back", rgbOf(back)}, {"own", rgbOf(own)}});
        QVERIFY(counts.value("other") > 40 * ratio);
        QVERIFY(counts.value("other") < 49 * 49 * ratio / 5);
        if (ratio > 1)
            QVERIFY(blocksFinerThanDoubled(image) > 40);
    }

    // Probes of each shape: a pixel and the part that must have painted it.
    void shapes_data()
    {
        QTest::addColumn<TGaugeKind>("kind");
        QTest::addColumn<Gauge::TBorderStyle>("border");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("progress");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<TColor>("expected");
        const auto none = Gauge::bsNone;
        const auto single = Gauge::bsSingle;
        QTest::addRow("text panel") << gkText << single << QSize(40, 20) << 50 << QPoint(1, 1) << back;
        QTest::addRow("text border") << gkText << single << QSize(40, 20) << 50 << QPoint(39, 19) << Colors::clBlack;
        QTest::addRow("text no border") << gkText << none << QSize(40, 20) << 50 << QPoint(0, 0) << back;
        QTest::addRow("hbar 10 of 10: none") << gkHorizontalBar << single << QSize(11, 8) << 10 << QPoint(1, 3) << back;
        QTest::addRow("hbar 10 of 11: one") << gkHorizontalBar << none << QSize(10, 8) << 10 << QPoint(0, 3) << fore;
        QTest::addRow("hbar 10 of 11: only one") << gkHorizontalBar << none << QSize(10, 8) << 10 << QPoint(1, 3) << back;
        QTest::addRow("hbar fill ends before f") << gkHorizontalBar << single << QSize(102, 10) << 50 << QPoint(49, 5) << fore;
        QTest::addRow("hbar f itself empty") << gkHorizontalBar << single << QSize(102, 10) << 50 << QPoint(50, 5) << back;
        QTest::addRow("hbar full keeps border") << gkHorizontalBar << single << QSize(30, 10) << 100 << QPoint(29, 5) << Colors::clBlack;
        QTest::addRow("hbar full") << gkHorizontalBar << single << QSize(30, 10) << 100 << QPoint(28, 8) << fore;
        QTest::addRow("vbar half top") << gkVerticalBar << single << QSize(10, 102) << 50 << QPoint(5, 50) << back;
        QTest::addRow("vbar half bottom") << gkVerticalBar << single << QSize(10, 102) << 50 << QPoint(5, 51) << fore;
        QTest::addRow("vbar full") << gkVerticalBar << single << QSize(10, 30) << 100 << QPoint(5, 1) << fore;
        QTest::addRow("vbar full no border top row") << gkVerticalBar << none << QSize(10, 30) << 100 << QPoint(5, 0) << back;
        QTest::addRow("vbar empty") << gkVerticalBar << single << QSize(10, 30) << 0 << QPoint(5, 28) << back;
        QTest::addRow("pie border ring") << gkPie << single << QSize(49, 49) << 100 << QPoint(24, 0) << Colors::clBlack;
        QTest::addRow("pie inside border") << gkPie << single << QSize(49, 49) << 100 << QPoint(24, 2) << fore;
        QTest::addRow("pie zero is empty") << gkPie << none << QSize(49, 49) << 0 << QPoint(30, 10) << back;
        QTest::addRow("pie full") << gkPie << none << QSize(49, 49) << 100 << QPoint(10, 30) << fore;
        QTest::addRow("pie 25 upper right") << gkPie << none << QSize(49, 49) << 25 << QPoint(34, 14) << fore;
        QTest::addRow("pie 25 lower right") << gkPie << none << QSize(49, 49) << 25 << QPoint(34, 34) << back;
        QTest::addRow("needle up at 50") << gkNeedle << none << QSize(50, 40) << 50 << QPoint(25, 10) << fore;
        QTest::addRow("needle none at 0") << gkNeedle << none << QSize(50, 40) << 0 << QPoint(25, 10) << back;
        QTest::addRow("needle left at 10") << gkNeedle << none << QSize(50, 40) << 10 << QPoint(25, 10) << back;
        QTest::addRow("dial outside") << gkNeedle << none << QSize(50, 40) << 0 << QPoint(1, 1) << own;
        QTest::addRow("dial flat side") << gkNeedle << none << QSize(50, 40) << 0 << QPoint(10, 39) << fore;
        QTest::addRow("dial face") << gkNeedle << none << QSize(50, 40) << 0 << QPoint(10, 37) << back;
        QTest::addRow("dial base line") << gkNeedle << single << QSize(50, 40) << 0 << QPoint(10, 39) << fore;
        QTest::addRow("dial border") << gkNeedle << single << QSize(50, 40) << 0 << QPoint(1, 0) << Colors::clBlack;
    }
    void shapes()
    {
        QFETCH(TGaugeKind, kind);
        QFETCH(Gauge::TBorderStyle, border);
        QFETCH(QSize, size);
        QFETCH(int, progress);
        QFETCH(QPoint, point);
        QFETCH(TColor, expected);
        Gauge gauge;
        setUpGauge(gauge, kind, border, size, progress);
        QCOMPARE(QColor(rendered(gauge).pixel(point)), Colors::toQColor(expected));
    }

    void needleAt10PointsLeft()
    {
        Gauge gauge;
        setUpGauge(gauge, gkNeedle, Gauge::bsNone, QSize(50, 40), 10);
        const QImage image = rendered(gauge);
        // From the pivot (25, 39) towards the tip, left and a little up.
        const QPoint tip = Gauge::NeedleTip(10, 25, 39);
        QCOMPARE(tip, QPoint(1, 27));
        for (int x = 2; x < 25; ++x) {
            const int y = 39 - (12 * (25 - x) + 12) / 24;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                found = image.pixel(x, y + dy) == rgbOf(fore);
            QVERIFY2(found, qPrintable(QString::number(x)));
            if (x > 4) // clear of the dial's outline
                QCOMPARE(image.pixel(x, y - 4), rgbOf(back));
        }
    }

    void emptyRangeShowsEmptyFace()
    {
        Gauge gauge;
        setUpGauge(gauge, gkPie, Gauge::bsNone, QSize(49, 49), 0);
        gauge.setMaxValue(0);
        gauge.setProgress(50);
        QCOMPARE(gauge.Percentage(), 0);
        const QImage image = rendered(gauge);
        const auto counts = census(image, QRect(8, 8, 33, 33), {{"back", rgbOf(back)}});
        QCOMPARE(counts.value("back"), 33 * 33);
    }

    // The figure is written in the inverse of what lies under each glyph pixel.
    void invertedFigure_data()
    {
        QTest::addColumn<TGaugeKind>("kind");
        QTest::addColumn<int>("progress");
        QTest::addColumn<TColor>("foreColor");
        QTest::addColumn<TColor>("backColor");
        QTest::addColumn<TColor>("under");
        QTest::addColumn<TColor>("glyph");
        QTest::addColumn<int>("ratio");
        QTest::addRow("0 %% on the strip blue") << gkText << 0 << Colors::clBlack << stripBlue << stripBlue << TColor(0x7FBFFF) << 1;
        QTest::addRow("0 %% on white") << gkText << 0 << Colors::clBlack << Colors::clWhite << Colors::clWhite << Colors::clBlack << 1;
        QTest::addRow("100 %% over aqua") << gkHorizontalBar << 100 << Colors::clAqua << Colors::clWhite << Colors::clAqua << Colors::clRed << 1;
        QTest::addRow("pie full of aqua") << gkPie << 100 << Colors::clAqua << stripBlue << Colors::clAqua << Colors::clRed << 1;
        // On a screen of pixel ratio 2 the glyphs are the font's at twice the size, still
        // inverting exactly, not the ordinary glyphs' pixels doubled.
        QTest::addRow("0 %% on the strip blue, pixel ratio 2") << gkText << 0 << Colors::clBlack << stripBlue << stripBlue << TColor(0x7FBFFF) << 2;
        QTest::addRow("100 %% over aqua, pixel ratio 2") << gkHorizontalBar << 100 << Colors::clAqua << Colors::clWhite << Colors::clAqua << Colors::clRed << 2;
    }
    void invertedFigure()
    {
        QFETCH(TGaugeKind, kind);
        QFETCH(int, progress);
        QFETCH(TColor, foreColor);
        QFETCH(TColor, backColor);
        QFETCH(TColor, under);
        QFETCH(TColor, glyph);
        QFETCH(int, ratio);
        Gauge gauge;
        gauge.resize(57, 57);
        gauge.setKind(kind);
        gauge.setForeColor(foreColor);
        gauge.setBackColor(backColor);
        QFont font = gauge.font();
        font.setPixelSize(13);
        gauge.setFont(font);
        gauge.setProgress(progress);
        QCOMPARE(gauge.ShowText(), true);
        QCOMPARE(gauge.BorderStyle(), Gauge::bsSingle);
        const QImage image = rendered(gauge, ratio);
        const auto device = [ratio](const QRect &logical) {
            return QRect(logical.topLeft() * ratio, logical.size() * ratio);
        };
        // The middle holds only the shape's colour and the inverted glyphs.
        const QRect middleArea = device(QRect(14, 20, 29, 17));
        const auto middle = census(image, middleArea, {{"under", rgbOf(under)}, {"glyph", rgbOf(glyph)}});
        QVERIFY(middle.value("glyph") > 20);
        QVERIFY(middle.value("under") > 100);
        QCOMPARE(middle.value("other"), 0);
        if (ratio > 1)
            QVERIFY(blocksFinerThanDoubled(image, middleArea) > 10);
        // The glyphs stay in the middle, and the ring stays black.
        const auto top = census(image, device(QRect(1, 1, 55, 10)), {{"glyph", rgbOf(glyph)}});
        QCOMPARE(top.value("glyph"), 0);
        const auto ring = census(image, device(QRect(0, 0, 57, 1)), {{"black", qRgb(0, 0, 0)}});
        QCOMPARE(ring.value("black"), 57 * ratio * ratio);
        for (int y = 0; y < image.height(); ++y) {
            QCOMPARE(image.pixel(0, y), qRgb(0, 0, 0));
            QCOMPARE(image.pixel(image.width() - 1, y), qRgb(0, 0, 0));
        }
    }

    void figureFollowsThePercentage()
    {
        Gauge gauge;
        gauge.resize(60, 30);
        gauge.setKind(gkText);
        const QImage at0 = rendered(gauge);
        gauge.setProgress(44);
        QVERIFY(rendered(gauge) != at0);
        gauge.setShowText(false);
        const auto counts = census(rendered(gauge), QRect(1, 1, 58, 28), {{"back", rgbOf(back)}});
        QCOMPARE(counts.value("back"), 58 * 28);
    }

    void rangeErrors_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::addRow("MinValue above MaxValue") << "MinValue" << 101 << "Value must be between -2147483647 and 99";
        QTest::addRow("MaxValue below MinValue") << "MaxValue" << -1 << "Value must be between 1 and 2147483647";
    }
    void rangeErrors()
    {
        QFETCH(QString, property);
        QFETCH(int, value);
        QFETCH(QString, message);
        const auto assign = [&](Gauge &gauge) {
            if (property == u"MinValue")
                gauge.setMinValue(value);
            else
                gauge.setMaxValue(value);
        };
        Gauge gauge;
        gauge.setProgress(30);
        QCOMPARE(appErrorText([&] { assign(gauge); }), message);
        QCOMPARE(gauge.MinValue(), 0);
        QCOMPARE(gauge.MaxValue(), 100);
        QCOMPARE(gauge.Progress(), 30);

        // Loading takes the value as it comes, for one gauge or for all within a scope.
        gauge.setLoading(true);
        assign(gauge);
        QCOMPARE(gauge.property(qPrintable(property)).toInt(), value);
        gauge.setLoading(false);
        QVERIFY(!gauge.isLoading());

        Gauge other;
        {
            Gauge::LoadingScope loading;
            QVERIFY(other.isLoading());
            assign(other);
        }
        QVERIFY(!other.isLoading());
        QCOMPARE(other.property(qPrintable(property)).toInt(), value);
    }

    void rangeEndsPullProgress()
    {
        Gauge gauge;
        gauge.setProgress(30);
        gauge.setMinValue(100);
        QCOMPARE(gauge.Progress(), 100);
        gauge.setMinValue(0);
        gauge.setMaxValue(10);
        QCOMPARE(gauge.Progress(), 10);
        QCOMPARE(gauge.Percentage(), 100);
    }

    // Changes repaint at once; equal values, and values within the same whole percentage,
    // do not repaint at all.
    void repaints_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("expected");
        QTest::addRow("Progress 3 to 5 of 300") << "Progress" << QVariant(5) << 0;
        QTest::addRow("Progress 3 to 6 of 300") << "Progress" << QVariant(6) << 1;
        QTest::addRow("Progress unchanged") << "Progress" << QVariant(3) << 0;
        QTest::addRow("Kind") << "Kind" << QVariant::fromValue(gkPie) << 1;
        QTest::addRow("Kind unchanged") << "Kind" << QVariant::fromValue(gkHorizontalBar) << 0;
        QTest::addRow("ShowText") << "ShowText" << QVariant(false) << 1;
        QTest::addRow("ShowText unchanged") << "ShowText" << QVariant(true) << 0;
        QTest::addRow("BorderStyle") << "BorderStyle" << QVariant::fromValue(Gauge::bsNone) << 1;
        QTest::addRow("BorderStyle unchanged") << "BorderStyle" << QVariant::fromValue(Gauge::bsSingle) << 0;
        QTest::addRow("ForeColor") << "ForeColor" << QVariant::fromValue(Colors::clAqua) << 1;
        QTest::addRow("ForeColor unchanged") << "ForeColor" << QVariant::fromValue(Colors::clBlack) << 0;
        QTest::addRow("BackColor") << "BackColor" << QVariant::fromValue(stripBlue) << 1;
        QTest::addRow("BackColor unchanged") << "BackColor" << QVariant::fromValue(Colors::clWhite) << 0;
        QTest::addRow("MinValue") << "MinValue" << QVariant(1) << 1;
        QTest::addRow("MinValue unchanged") << "MinValue" << QVariant(0) << 0;
        QTest::addRow("MaxValue") << "MaxValue" << QVariant(299) << 1;
        QTest::addRow("MaxValue unchanged") << "MaxValue" << QVariant(300) << 0;
    }
    void repaints()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(int, expected);
        CountingGauge gauge;
        gauge.setMaxValue(300);
        gauge.setProgress(3);
        gauge.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gauge));
        QCoreApplication::processEvents();
        gauge.paints = 0;
        QVERIFY(gauge.setProperty(qPrintable(property), value));
        // Synchronous: counted before any event is processed.
        QCOMPARE(gauge.paints, expected);
        QCOMPARE(gauge.property(qPrintable(property)), value);
    }

    void bltBitmapMakeLike()
    {
        const QImage templateImage(31, 17, QImage::Format_RGB32);
        BltBitmap bitmap;
        bitmap.MakeLike(templateImage);
        QCOMPARE(bitmap.size(), QSize(31, 17));
        const QRgb frame = bitmap.pixel(0, 0);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 31; ++x)
                QCOMPARE(bitmap.pixel(x, y), frame);
        bitmap.MakeLike(QImage());
        QVERIFY(bitmap.isNull());
    }

    void degenerateSizesAreSafe_data()
    {
        QTest::addColumn<TGaugeKind>("kind");
        QTest::addRow("text") << gkText;
        QTest::addRow("horizontal") << gkHorizontalBar;
        QTest::addRow("vertical") << gkVerticalBar;
        QTest::addRow("pie") << gkPie;
        QTest::addRow("needle") << gkNeedle;
    }
    void degenerateSizesAreSafe()
    {
        QFETCH(TGaugeKind, kind);
        for (const QSize size : {QSize(1, 1), QSize(2, 2), QSize(3, 1), QSize(1, 40)}) {
            for (const auto border : {Gauge::bsNone, Gauge::bsSingle}) {
                Gauge gauge;
                setUpGauge(gauge, kind, border, size, 60);
                gauge.setShowText(true);
                for (const int ratio : {1, 2})
                    QCOMPARE(rendered(gauge, ratio).size(), size * ratio);
            }
        }
    }
};

QTEST_MAIN(TestGauges)
#include "tst_gauges.moc"
