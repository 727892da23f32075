// Tests of Banner: angles, grid, fitting, figures, text and colours.
#include "widgets/CollapsePanel.h"
#include "widgets/Banner.h"

#include <QAccessible>
#include <QImage>
#include <QMetaProperty>
#include <QtTest>

namespace {

using Shape = Banner::BannerShapeType;

QImage render(QWidget &widget, const QColor &background = Qt::white)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(background);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor colorAt(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// Smallest rectangle holding every pixel of `colour`.
QRect boundsOf(const QImage &image, const QColor &colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

const QColor navy(0, 0, 128);
const QColor white(Qt::white);

// One cell of `cell` × `cell` pixels at the top-left corner of a control of `size` pixels.
void setUpSingleCell(Banner &shape, Shape type, int cell, int size)
{
    shape.setShapeType(type);
    shape.setShapeW(cell);
    shape.setShapeH(cell);
    shape.setXSpacing(1000);
    shape.setYSpacing(1000);
    shape.resize(size, size);
}

class CountingShape : public Banner {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        Banner::paintEvent(event);
    }
};

} // namespace

class TestMultiShape : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void angle_data();
    void angle();
    void angleSnapsOnlyAtAssignment();
    void grid_data();
    void grid();
    void lastColumnStartsAtEdge();
    void boundsToCells_data();
    void boundsToCells();
    void cellsToBounds_data();
    void cellsToBounds();
    void fitModeSwitchedOnIgnoresShadow();
    void fitModeFollowsResizeOfShownControl();
    void filledAndOutline_data();
    void filledAndOutline();
    void triangleDirections_data();
    void triangleDirections();
    void lineOrientations_data();
    void lineOrientations();
    void cornersAndPenWidth_data();
    void cornersAndPenWidth();
    void borderColour_data();
    void borderColour();
    void shadowIsDrawnUnderShape();
    void turnedTextIsCentred_data();
    void turnedTextIsCentred();
    void textOffsetsRoundHalvesToEven();
    void helpBanner_data();
    void helpBanner();
    void colourCoupling();
    void parentColour();
    void align_data();
    void align();
    void repaintsOnlyOnChange_data();
    void repaintsOnlyOnChange();
};

void TestMultiShape::defaults()
{
    Banner shape;
    QCOMPARE(shape.size(), QSize(30, 30));
    QCOMPARE(shape.Color(), Colors::clNavy);
    QCOMPARE(shape.FontColor(), Colors::clNavy);
    QCOMPARE(shape.ShapeType(), Banner::msRectangle);
    QCOMPARE(shape.RepeatMode(), Banner::rpBoth);
    QVERIFY(!shape.FitMode());
    QVERIFY(shape.Filled());
    QCOMPARE(shape.ShapeW(), 10);
    QCOMPARE(shape.XSpacing(), 20);
    QCOMPARE(shape.BorderColor(), Colors::clBlack);
    QCOMPARE(shape.ShadowColor(), Colors::clGray);
    QCOMPARE(shape.ShadowX(), 2);
    QCOMPARE(shape.focusPolicy(), Qt::NoFocus);
}

void TestMultiShape::angle_data()
{
    QTest::addColumn<Shape>("type");
    QTest::addColumn<int>("assigned");
    QTest::addColumn<int>("stored");

    QTest::addRow("370 wraps to 10") << Banner::msText << 370 << 10;
    QTest::addRow("-190 becomes 170") << Banner::msText << -190 << 170;
    QTest::addRow("-180 becomes 180") << Banner::msText << -180 << 180;
    QTest::addRow("181 becomes -179") << Banner::msText << 181 << -179;
    QTest::addRow("540 becomes 180") << Banner::msRectangle << 540 << 180;
    QTest::addRow("-540 becomes 180") << Banner::msRectangle << -540 << 180;
    QTest::addRow("-725 becomes -5") << Banner::msEllipse << -725 << -5;
    QTest::addRow("text keeps 100") << Banner::msText << 100 << 100;
    QTest::addRow("triangle 100 snaps to 90") << Banner::msTriangle << 100 << 90;
    QTest::addRow("triangle -60 snaps to -45") << Banner::msTriangle << -60 << -45;
    QTest::addRow("line 100 snaps to 90") << Banner::msLine << 100 << 90;
    QTest::addRow("line -60 snaps to -45") << Banner::msLine << -60 << -45;
    QTest::addRow("line 22 snaps to 0") << Banner::msLine << 22 << 0;
    QTest::addRow("line 23 snaps to 45") << Banner::msLine << 23 << 45;
    QTest::addRow("triangle 380 snaps to 0") << Banner::msTriangle << 380 << 0;
    QTest::addRow("triangle -170 points to 180") << Banner::msTriangle << -170 << 180;
    QTest::addRow("line 200 points to 180") << Banner::msLine << 200 << 180;
}

void TestMultiShape::angle()
{
    QFETCH(Shape, type);
    QFETCH(int, assigned);
    QFETCH(int, stored);

    Banner shape;
    shape.setShapeType(type);
    shape.setAngle(assigned);
    QCOMPARE(shape.Angle(), stored);
}

void TestMultiShape::angleSnapsOnlyAtAssignment()
{
    Banner shape;
    shape.setAngle(100);
    shape.setShapeType(Banner::msTriangle);
    QCOMPARE(shape.Angle(), 100);
    // An unsnapped angle still draws a triangle from the table: the nearest direction, 90 here.
    shape.setShapeW(20);
    shape.setShapeH(20);
    shape.resize(20, 20);
    const QImage image = render(shape);
    QCOMPARE(colorAt(image, 10, 3), navy);
    QCOMPARE(colorAt(image, 2, 2), white);
}

void TestMultiShape::grid_data()
{
    QTest::addColumn<Banner::TRepeatMode>("mode");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("xSpacing");
    QTest::addColumn<int>("ySpacing");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");

    QTest::addRow("both, 100 wide at 20") << Banner::rpBoth << QSize(100, 50) << 20 << 20 << 6 << 3;
    QTest::addRow("both, spacing 0") << Banner::rpBoth << QSize(100, 50) << 0 << 20 << 1 << 3;
    QTest::addRow("both, negative spacing") << Banner::rpBoth << QSize(100, 50) << -5 << -1 << 1 << 1;
    QTest::addRow("horizontal only") << Banner::rpHoriz << QSize(100, 50) << 20 << 20 << 6 << 1;
    QTest::addRow("vertical only") << Banner::rpVert << QSize(100, 50) << 20 << 20 << 1 << 3;
    QTest::addRow("none") << Banner::rpNone << QSize(100, 50) << 20 << 20 << 1 << 1;
    QTest::addRow("99 wide") << Banner::rpBoth << QSize(99, 19) << 20 << 20 << 5 << 1;
}

void TestMultiShape::grid()
{
    QFETCH(Banner::TRepeatMode, mode);
    QFETCH(QSize, size);
    QFETCH(int, xSpacing);
    QFETCH(int, ySpacing);
    QFETCH(int, columns);
    QFETCH(int, rows);

    Banner shape;
    shape.setXSpacing(xSpacing);
    shape.setYSpacing(ySpacing);
    shape.setRepeatMode(mode);
    shape.resize(size);
    QCOMPARE(shape.Columns(), columns);
    QCOMPARE(shape.Rows(), rows);

    // Every cell that starts inside the control shows, and nothing else is painted.
    shape.setShapeW(4);
    shape.setShapeH(4);
    const QImage image = render(shape);
    int cells = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (colorAt(image, x, y) == navy && (x == 0 || colorAt(image, x - 1, y) != navy)
                && (y == 0 || colorAt(image, x, y - 1) != navy))
                ++cells;
    const int visibleColumns = xSpacing > 0 && columns > 1 ? (size.width() - 1) / xSpacing + 1 : 1;
    const int visibleRows = ySpacing > 0 && rows > 1 ? (size.height() - 1) / ySpacing + 1 : 1;
    QCOMPARE(cells, visibleColumns * visibleRows);
}

void TestMultiShape::lastColumnStartsAtEdge()
{
    // 105 wide at spacing 20: the sixth column starts at 100 and shows its first five pixels.
    Banner shape;
    shape.resize(105, 10);
    shape.setRepeatMode(Banner::rpHoriz);
    const QImage image = render(shape);
    QCOMPARE(colorAt(image, 100, 5), navy);
    QCOMPARE(colorAt(image, 104, 5), navy);
    QCOMPARE(colorAt(image, 95, 5), white);
}

void TestMultiShape::boundsToCells_data()
{
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QSize>("bounds");
    QTest::addColumn<QSize>("cells");

    QTest::addRow("banner with shadow") << true << 0 << QSize(275, 37) << QSize(273, 35);
    QTest::addRow("banner without shadow") << false << 0 << QSize(275, 37) << QSize(275, 37);
    QTest::addRow("margins and shadow") << true << 5 << QSize(100, 40) << QSize(88, 28);
}

void TestMultiShape::boundsToCells()
{
    QFETCH(bool, shadow);
    QFETCH(int, margin);
    QFETCH(QSize, bounds);
    QFETCH(QSize, cells);

    Banner shape;
    shape.setRepeatMode(Banner::rpNone);
    shape.setShadow(shadow);
    shape.setXMargin(margin);
    shape.setYMargin(margin);
    shape.setBounds(232, 2, bounds.width(), bounds.height());
    QCOMPARE(shape.geometry(), QRect(QPoint(232, 2), bounds));
    QCOMPARE(QSize(shape.ShapeW(), shape.ShapeH()), cells);
}

void TestMultiShape::cellsToBounds_data()
{
    QTest::addColumn<bool>("fit");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<QSize>("bounds");

    QTest::addRow("banner with shadow") << true << true << 0 << QSize(273, 35) << QSize(275, 37);
    QTest::addRow("without shadow") << true << false << 0 << QSize(273, 35) << QSize(273, 35);
    QTest::addRow("margins") << true << true << 3 << QSize(10, 20) << QSize(18, 28);
    QTest::addRow("repeating leaves the size") << false << true << 3 << QSize(10, 20) << QSize(30, 30);
}

void TestMultiShape::cellsToBounds()
{
    QFETCH(bool, fit);
    QFETCH(bool, shadow);
    QFETCH(int, margin);
    QFETCH(QSize, cells);
    QFETCH(QSize, bounds);

    Banner shape;
    if (fit)
        shape.setRepeatMode(Banner::rpNone);
    shape.setShadow(shadow);
    shape.setXMargin(margin);
    shape.setYMargin(margin);
    shape.setShapeW(cells.width());
    shape.setShapeH(cells.height());
    QCOMPARE(shape.size(), bounds);
    QCOMPARE(QSize(shape.ShapeW(), shape.ShapeH()), cells);
}

void TestMultiShape::fitModeSwitchedOnIgnoresShadow()
{
    Banner shape;
    shape.setShadow(true);
    shape.setXMargin(1);
    shape.resize(275, 37);
    shape.setRepeatMode(Banner::rpNone);
    QVERIFY(shape.FitMode());
    QCOMPARE(QSize(shape.ShapeW(), shape.ShapeH()), QSize(273, 37));
    // Showing delivers the pending resize event; it must not refit an unchanged size.
    shape.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shape));
    QCOMPARE(QSize(shape.ShapeW(), shape.ShapeH()), QSize(273, 37));

    shape.setRepeatMode(Banner::rpBoth);
    QVERIFY(!shape.FitMode());
    shape.setShapeW(50);
    QCOMPARE(shape.width(), 275);
}

void TestMultiShape::fitModeFollowsResizeOfShownControl()
{
    QWidget window;
    window.resize(400, 100);
    auto *shape = new Banner(&window);
    shape->setRepeatMode(Banner::rpNone);
    shape->setShadow(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    shape->setGeometry(232, 2, 275, 37);
    QCOMPARE(QSize(shape->ShapeW(), shape->ShapeH()), QSize(273, 35));
    shape->resize(100, 20);
    QCOMPARE(QSize(shape->ShapeW(), shape->ShapeH()), QSize(98, 18));
}

void TestMultiShape::filledAndOutline_data()
{
    QTest::addColumn<Shape>("type");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("insideCovered");

    const struct {
        const char *name;
        Shape type;
    } closed[] = {{"rectangle", Banner::msRectangle},
                  {"diamond", Banner::msDiamond},
                  {"ellipse", Banner::msEllipse},
                  {"triangle", Banner::msTriangle}};
    for (const auto &entry : closed) {
        QTest::addRow("%s filled", entry.name) << entry.type << true << true;
        QTest::addRow("%s outline", entry.name) << entry.type << false << false;
    }
    QTest::addRow("round rectangle filled") << Banner::msRoundRect << true << true;
    QTest::addRow("round rectangle always filled") << Banner::msRoundRect << false << true;
}

void TestMultiShape::filledAndOutline()
{
    QFETCH(Shape, type);
    QFETCH(bool, filled);
    QFETCH(bool, insideCovered);

    Banner shape;
    setUpSingleCell(shape, type, 20, 30);
    shape.setFilled(filled);
    const QImage image = render(shape);
    // (8, 10) lies inside every closed figure of a 20 × 20 cell and on none of their outlines.
    QCOMPARE(colorAt(image, 8, 10), insideCovered ? navy : white);
    QVERIFY(boundsOf(image, navy).isValid());
    // Nothing reaches past the cell (outlines may reach its far edge).
    QCOMPARE(colorAt(image, 22, 22), white);
}

void TestMultiShape::triangleDirections_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QPoint>("outside");

    QTest::addRow("0 points right") << 0 << QPoint(2, 10) << QPoint(18, 2);
    QTest::addRow("45 up right") << 45 << QPoint(18, 2) << QPoint(2, 18);
    QTest::addRow("90 points up") << 90 << QPoint(10, 3) << QPoint(2, 2);
    QTest::addRow("135 up left") << 135 << QPoint(2, 2) << QPoint(18, 18);
    QTest::addRow("180 points left") << 180 << QPoint(18, 10) << QPoint(2, 2);
    QTest::addRow("-45 down right") << -45 << QPoint(18, 18) << QPoint(2, 2);
    QTest::addRow("-90 points down") << -90 << QPoint(10, 2) << QPoint(2, 18);
    QTest::addRow("-135 down left") << -135 << QPoint(2, 18) << QPoint(18, 2);
}

void TestMultiShape::triangleDirections()
{
    QFETCH(int, angle);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, outside);

    Banner shape;
    setUpSingleCell(shape, Banner::msTriangle, 20, 25);
    shape.setAngle(angle);
    const QImage image = render(shape);
    QCOMPARE(colorAt(image, inside.x(), inside.y()), navy);
    QCOMPARE(colorAt(image, outside.x(), outside.y()), white);
}

void TestMultiShape::lineOrientations_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("onLine");
    QTest::addColumn<QPoint>("excludedEnd");

    QTest::addRow("0") << 0 << QPoint(0, 5) << QPoint(9, 5) << QPoint(10, 5);
    QTest::addRow("45") << 45 << QPoint(0, 10) << QPoint(3, 7) << QPoint(10, 0);
    QTest::addRow("90") << 90 << QPoint(5, 0) << QPoint(5, 9) << QPoint(5, 10);
    QTest::addRow("135") << 135 << QPoint(0, 0) << QPoint(3, 3) << QPoint(10, 10);
    QTest::addRow("180 as 0") << 180 << QPoint(0, 5) << QPoint(9, 5) << QPoint(10, 5);
    QTest::addRow("-45 as 45") << -45 << QPoint(0, 10) << QPoint(3, 7) << QPoint(10, 0);
    QTest::addRow("-90 as 90") << -90 << QPoint(5, 0) << QPoint(5, 9) << QPoint(5, 10);
    QTest::addRow("-135 as 135") << -135 << QPoint(0, 0) << QPoint(3, 3) << QPoint(10, 10);
}

void TestMultiShape::lineOrientations()
{
    QFETCH(int, angle);
    QFETCH(QPoint, first);
    QFETCH(QPoint, onLine);
    QFETCH(QPoint, excludedEnd);

    Banner shape;
    setUpSingleCell(shape, Banner::msLine, 10, 20);
    shape.setAngle(angle);
    shape.setBorder(true);
    shape.setBorderColor(Colors::clRed); // lines ignore Border
    const QImage image = render(shape);
    QCOMPARE(colorAt(image, first.x(), first.y()), navy);
    QCOMPARE(colorAt(image, onLine.x(), onLine.y()), navy);
    QCOMPARE(colorAt(image, excludedEnd.x(), excludedEnd.y()), white);
    QVERIFY(!boundsOf(image, QColor(Qt::red)).isValid());
}

void TestMultiShape::cornersAndPenWidth_data()
{
    QTest::addColumn<Shape>("type");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QPoint>("covered");
    QTest::addColumn<QPoint>("clear");

    // 20 × 20 cells.
    QTest::addRow("rectangle has square corners") << Banner::msRectangle << true << 1 << QPoint(0, 0) << QPoint(20, 10);
    QTest::addRow("round rectangle cuts its corners") << Banner::msRoundRect << true << 1 << QPoint(10, 0) << QPoint(0, 0);
    QTest::addRow("outline reaches the far edge") << Banner::msRectangle << false << 1 << QPoint(20, 10) << QPoint(18, 10);
    QTest::addRow("thin line") << Banner::msLine << false << 1 << QPoint(5, 10) << QPoint(5, 11);
    QTest::addRow("wide line") << Banner::msLine << false << 3 << QPoint(5, 11) << QPoint(5, 13);
    QTest::addRow("wide outline") << Banner::msRectangle << false << 3 << QPoint(19, 10) << QPoint(17, 10);
}

void TestMultiShape::cornersAndPenWidth()
{
    QFETCH(Shape, type);
    QFETCH(bool, filled);
    QFETCH(int, penWidth);
    QFETCH(QPoint, covered);
    QFETCH(QPoint, clear);

    Banner shape;
    setUpSingleCell(shape, type, 20, 30);
    shape.setFilled(filled);
    shape.setBorderWidth(penWidth);
    const QImage image = render(shape);
    QCOMPARE(colorAt(image, covered.x(), covered.y()), navy);
    QCOMPARE(colorAt(image, clear.x(), clear.y()), white);
}

void TestMultiShape::borderColour_data()
{
    QTest::addColumn<Shape>("type");
    QTest::addColumn<bool>("border");
    QTest::addColumn<QColor>("edge");

    QTest::addRow("rectangle, own colour") << Banner::msRectangle << false << navy;
    QTest::addRow("rectangle, border colour") << Banner::msRectangle << true << QColor(Qt::red);
    QTest::addRow("diamond, border colour") << Banner::msDiamond << true << QColor(Qt::red);
}

void TestMultiShape::borderColour()
{
    QFETCH(Shape, type);
    QFETCH(bool, border);
    QFETCH(QColor, edge);

    Banner shape;
    setUpSingleCell(shape, type, 20, 30);
    shape.setBorder(border);
    shape.setBorderColor(Colors::clRed);
    const QImage image = render(shape);
    // The figure's left edge is outline, its middle is fill.
    QCOMPARE(colorAt(image, 0, 10), edge);
    QCOMPARE(colorAt(image, 10, 10), navy);
}

void TestMultiShape::shadowIsDrawnUnderShape()
{
    Banner shape;
    setUpSingleCell(shape, Banner::msRectangle, 10, 20);
    shape.setShadow(true);
    shape.setShadowX(3);
    shape.setShadowY(4);
    const QImage image = render(shape);
    const QColor gray(128, 128, 128);
    QCOMPARE(boundsOf(image, navy), QRect(0, 0, 10, 10));
    // The shadow shows only where the shape does not cover it.
    QCOMPARE(boundsOf(image, gray), QRect(3, 4, 10, 10));
    QCOMPARE(colorAt(image, 5, 5), navy);
    QCOMPARE(colorAt(image, 12, 12), gray);
}

void TestMultiShape::turnedTextIsCentred_data()
{
    QTest::addColumn<int>("angle");
    QTest::addRow("0") << 0;
    QTest::addRow("90") << 90;
    QTest::addRow("45") << 45;
    QTest::addRow("-90") << -90;
    QTest::addRow("180") << 180;
}

void TestMultiShape::turnedTextIsCentred()
{
    QFETCH(int, angle);

    Banner shape;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    shape.setFont(font);
    shape.setColor(Colors::clRed);
    shape.setShapeType(Banner::msText);
    shape.setRepeatMode(Banner::rpNone);
    shape.resize(200, 200);
    shape.setShadow(true);
    shape.setShadowColor(Colors::clAqua);
    shape.setText(QStringLiteral("CENTRADO"));
    shape.setAngle(angle);

    const QImage image = render(shape);
    const QRect red = boundsOf(image, QColor(Qt::red));
    const QRect aqua = boundsOf(image, QColor(Qt::cyan));
    QVERIFY(red.isValid());
    QVERIFY(aqua.isValid());
    // The shadow is the same text two pixels to the right and down, partly hidden by the text.
    QCOMPARE(aqua.right(), red.right() + 2);
    QCOMPARE(aqua.bottom(), red.bottom() + 2);

    // The ink's middle sits at the cell's middle; glyphs do not fill their line height, so
    // allow a quarter of it across the text.
    const QFontMetrics metrics(font);
    const int across = metrics.height() / 4 + 1;
    const QPoint middle(shape.ShapeW() / 2, shape.ShapeH() / 2);
    QVERIFY2(std::abs(red.center().x() - middle.x()) <= across,
             qPrintable(QStringLiteral("ink %1 cell middle %2,%3").arg(QDebug::toString(red)).arg(middle.x()).arg(middle.y())));
    QVERIFY2(std::abs(red.center().y() - middle.y()) <= across,
             qPrintable(QStringLiteral("ink %1 cell middle %2,%3").arg(QDebug::toString(red)).arg(middle.x()).arg(middle.y())));
    // Turned a quarter, the text runs up or down instead of across.
    if (std::abs(angle) == 90)
        QVERIFY(red.height() > red.width());
    else if (angle % 180 == 0)
        QVERIFY(red.width() > red.height());
}

void TestMultiShape::textOffsetsRoundHalvesToEven()
{
    Banner shape;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    shape.setFont(font);
    shape.setShapeType(Banner::msText);
    shape.setText(QStringLiteral("Texto"));
    const QFontMetrics metrics(font);
    const double w = metrics.horizontalAdvance(shape.Text());
    const double h = metrics.height();
    const auto even = [](double value) { return int(std::nearbyint(value)); };

    QCOMPARE(shape.TextOffsetX(), even(w / 2));
    QCOMPARE(shape.TextOffsetY(), even(-h / 2));
    shape.setAngle(90);
    QCOMPARE(shape.TextOffsetX(), even(h / 2));
    QCOMPARE(shape.TextOffsetY(), even(w / 2));
    // A text of odd width turned by 180 lies half a pixel off: the even neighbour wins.
    shape.setAngle(180);
    QCOMPARE(shape.TextOffsetX(), even(-w / 2));
    QCOMPARE(shape.TextOffsetY(), even(h / 2));
}

void TestMultiShape::helpBanner_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("completed") << QStringLiteral("¡COMPLETADO!");
    QTest::addRow("empty") << QString();
}

void TestMultiShape::helpBanner()
{
    QFETCH(QString, text);

    // Set up as the help window's top panel holds it.
    QWidget panel;
    panel.resize(729, 40);
    auto *banner = new Banner(&panel);
    banner->setBounds(232, 2, 275, 37);
    banner->setColor(Colors::clRed);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(35);
    banner->setFont(arial);
    banner->setFontColor(Colors::clRed);
    banner->setParentColor(false);
    banner->setParentFont(false);
    banner->setAngle(0);
    banner->setRepeatMode(Banner::rpNone);
    banner->setShapeType(Banner::msText);
    banner->setShapeH(35);
    banner->setShapeW(273);
    banner->setXMargin(0);
    banner->setYMargin(0);
    banner->setBorder(false);
    banner->setShadow(true);
    banner->setShadowColor(Colors::clAqua);
    QCOMPARE(banner->geometry(), QRect(232, 2, 275, 37));
    QCOMPARE(QSize(banner->ShapeW(), banner->ShapeH()), QSize(273, 35));
    QVERIFY(!banner->ParentFont());

    banner->setText(text);
    const QImage image = render(panel);
    const QRect red = boundsOf(image, QColor(Qt::red));
    const QRect aqua = boundsOf(image, QColor(Qt::cyan));
    if (text.isEmpty()) {
        QVERIFY(!red.isValid());
        QVERIFY(!aqua.isValid());
        return;
    }
    // Drawn once, centred on the cell, over an aqua copy two pixels lower and to the right.
    QVERIFY(red.isValid());
    QVERIFY(std::abs(red.center().x() - (232 + 273 / 2)) <= 2);
    // (The descender of "¡" reaches the control's bottom edge and is clipped there.)
    QCOMPARE(aqua.right(), red.right() + 2);
    QCOMPARE(aqua.top(), red.top() + 2);
    QVERIFY(red.width() < 273 && red.width() > 273 / 2);
}

void TestMultiShape::colourCoupling()
{
    {
        // Screen readers read a text shape by what it shows.
        Banner banner;
        banner.setText(QStringLiteral("¡COMPLETADO!"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&banner)->text(QAccessible::Name),
                 QStringLiteral("¡COMPLETADO!"));
    }

    Banner shape;
    shape.setColor(Colors::clRed);
    QCOMPARE(shape.FontColor(), Colors::clRed);
    shape.setFontColor(Colors::clLime);
    QCOMPARE(shape.Color(), Colors::clLime);
    QCOMPARE(shape.property("Color").toUInt(), Colors::clLime);
    shape.setProperty("FontColor", Colors::clTeal);
    QCOMPARE(shape.property("Color").toUInt(), Colors::clTeal);

    // The text shape draws in that colour.
    shape.setShapeType(Banner::msText);
    shape.setRepeatMode(Banner::rpNone);
    shape.resize(60, 30);
    shape.setText(QStringLiteral("MMM"));
    QVERIFY(boundsOf(render(shape), QColor(0, 128, 128)).isValid());
}

void TestMultiShape::parentColour()
{
    CollapsePanel panel;
    panel.setColor(Colors::rgb(194, 218, 203));
    auto *shape = new Banner(&panel);
    QVERIFY(!shape->ParentColor());
    shape->setParentColor(true);
    QCOMPARE(shape->Color(), Colors::rgb(194, 218, 203));
    panel.setColor(Colors::clYellow);
    QCOMPARE(shape->Color(), Colors::clYellow);
    shape->setColor(Colors::clRed);
    QVERIFY(!shape->ParentColor());
    QCOMPARE(shape->Color(), Colors::clRed);

    QVERIFY(shape->ParentFont());
    QFont own(QStringLiteral("Arial"));
    own.setPixelSize(35);
    shape->setFont(own);
    QVERIFY(!shape->ParentFont());
    shape->setParentFont(true);
    QCOMPARE(shape->font(), panel.font());
}

void TestMultiShape::align_data()
{
    QTest::addColumn<Banner::TAlign>("align");
    QTest::addColumn<QRect>("bounds");

    QTest::addRow("none") << Banner::alNone << QRect(5, 6, 30, 30);
    QTest::addRow("top") << Banner::alTop << QRect(0, 0, 200, 30);
    QTest::addRow("bottom") << Banner::alBottom << QRect(0, 70, 200, 30);
    QTest::addRow("left") << Banner::alLeft << QRect(0, 0, 30, 100);
    QTest::addRow("right") << Banner::alRight << QRect(170, 0, 30, 100);
    QTest::addRow("client") << Banner::alClient << QRect(0, 0, 200, 100);
}

void TestMultiShape::align()
{
    QFETCH(Banner::TAlign, align);
    QFETCH(QRect, bounds);

    QWidget parent;
    parent.resize(100, 50);
    auto *shape = new Banner(&parent);
    shape->move(5, 6);
    shape->setAlign(align);
    parent.resize(200, 100);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(shape->geometry(), bounds);
}

void TestMultiShape::repaintsOnlyOnChange_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("other");

    QTest::addRow("Color") << QByteArray("Color") << QVariant::fromValue(Colors::clRed);
    QTest::addRow("Text") << QByteArray("Text") << QVariant(QStringLiteral("hola"));
    QTest::addRow("Angle") << QByteArray("Angle") << QVariant(45);
    QTest::addRow("Filled") << QByteArray("Filled") << QVariant(false);
    QTest::addRow("ShapeType") << QByteArray("ShapeType") << QVariant::fromValue(Banner::msEllipse);
    QTest::addRow("ShapeW") << QByteArray("ShapeW") << QVariant(12);
    QTest::addRow("XSpacing") << QByteArray("XSpacing") << QVariant(15);
    QTest::addRow("Border") << QByteArray("Border") << QVariant(true);
    QTest::addRow("BorderWidth") << QByteArray("BorderWidth") << QVariant(3);
    QTest::addRow("Shadow") << QByteArray("Shadow") << QVariant(true);
    QTest::addRow("ShadowColor") << QByteArray("ShadowColor") << QVariant::fromValue(Colors::clAqua);
    QTest::addRow("ShadowY") << QByteArray("ShadowY") << QVariant(4);
}

void TestMultiShape::repaintsOnlyOnChange()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, other);

    CountingShape shape;
    shape.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shape));
    QTRY_VERIFY(shape.paints > 0);
    QCoreApplication::processEvents();
    shape.paints = 0;

    QVERIFY(shape.setProperty(name, shape.property(name)));
    QCoreApplication::processEvents();
    QCOMPARE(shape.paints, 0);

    QVERIFY(shape.setProperty(name, other));
    QTRY_COMPARE(shape.paints, 1);
}

QTEST_MAIN(TestMultiShape)
#include "tst_banner.moc"
