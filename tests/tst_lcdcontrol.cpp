// The LCD counter: glyph images, bar rows, digit placement, setter rules and the frame.
#include "DoubledPixels.h"

#include "widgets/LCDControl.h"

#include <QPaintEvent>
#include <QTest>

#include <climits>

namespace {

const QRgb lit = qRgb(0, 255, 0);
const QRgb dim = qRgb(0, 128, 0);
const QRgb black = qRgb(0, 0, 0);
const QColor shadowColor(10, 20, 30);
const QColor highlightColor(200, 210, 220);

// The practice window's counter: 57 x 201, maximum 40, with recognisable frame colours.
void setUpCounter(LCDControl &lcd, int number)
{
    QPalette palette = lcd.palette();
    palette.setColor(QPalette::Dark, shadowColor);
    palette.setColor(QPalette::Light, highlightColor);
    lcd.setPalette(palette);
    lcd.resize(57, 201);
    lcd.SetNumberMax(40);
    lcd.SetNumber(number);
}

// Rows lit from the bottom, checking that lit and unlit rows are whole and in order.
int litRows(const QImage &image, int rows)
{
    int count = 0;
    for (int row = 0; row < rows; ++row) {
        const int y = 2 + 3 * row;
        const bool isLit = image.pixel(9, y) == lit;
        // Both segments start on an odd column with the checkerboard's black pixel.
        for (const int x : {9, 24, 27, 42}) {
            if (isLit) {
                if (image.pixel(x, y) != lit || image.pixel(x, y + 1) != lit)
                    return -1;
            } else if (image.pixel(x, y) != ((x % 2) ? black : dim)
                       || image.pixel(x, y + 1) != ((x % 2) ? dim : black)) {
                return -1;
            }
        }
        for (const int x : {8, 25, 26, 43})
            if (image.pixel(x, y) != black)
                return -1;
        if (image.pixel(9, y + 2) != black)
            return -1;
        if (isLit)
            ++count;
        else if (count > 0)
            return -1; // an unlit row below a lit one
    }
    return count;
}

QImage glyphFromText(const QStringList &rows)
{
    QImage image(7, 11, QImage::Format_RGB32);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 7; ++x) {
            const QChar c = rows.at(y).at(x);
            image.setPixel(x, y, c == u'#' ? lit : c == u'+' ? dim : black);
        }
    return image;
}

class CountingLcd : public LCDControl {
public:
    using LCDControl::LCDControl;
    QList<QRegion> paints;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        paints.append(event->region());
        LCDControl::paintEvent(event);
    }
};

} // namespace

class TestLcdControl : public QObject {
    Q_OBJECT
private slots:
    void defaults()
    {
        LCDControl lcd;
        QCOMPARE(lcd.size(), QSize(100, 120));
        QCOMPARE(lcd.Number(), 0);
        QCOMPARE(lcd.NumberMax(), 100);
        QCOMPARE(lcd.NumberType(), ntNone);
        QCOMPARE(lcd.focusPolicy(), Qt::NoFocus);
        QVERIFY(lcd.setProperty("NumberType", QVariant::fromValue(ntCharK)));
        QCOMPARE(lcd.NumberType(), ntCharK);
    }

    void glyphs_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QStringList>("rows");
        QTest::addRow("1") << LCDControl::digitImage(1)
                           << QStringList{".+.+.+#", "+.....#", "......#", "+.....#", "......#", "+.+.+.#",
                                          "......#", "+.....#", "......#", "+.....#", ".+.+.+#"};
        QTest::addRow("4") << LCDControl::digitImage(4)
                           << QStringList{"#+.+.+#", "#.....#", "#.....#", "#.....#", "#.....#", "#######",
                                          "......#", "+.....#", "......#", "+.....#", ".+.+.+#"};
        QTest::addRow("6") << LCDControl::digitImage(6)
                           << QStringList{"#######", "#.....+", "#......", "#.....+", "#......", "#######",
                                          "#.....#", "#.....#", "#.....#", "#.....#", "#######"};
        QTest::addRow("K") << LCDControl::charKImage()
                           << QStringList{".......", "#...#..", "#..#...", "#.#....", "###....", "#..#...",
                                          "#..#...", "#...#..", "#...#..", "#....#.", "......."};
        QTest::addRow("%%") << LCDControl::percentImage()
                           << QStringList{".......", ".##..#.", "#..##..", ".##.#..", "...#...", "...#...",
                                          "..#....", "..#.##.", ".#.#..#", ".#..##.", "......."};
    }
    void glyphs()
    {
        QFETCH(QImage, image);
        QFETCH(QStringList, rows);
        QCOMPARE(image, glyphFromText(rows));
    }

    void segments()
    {
        const QImage on = LCDControl::segmentOnImage();
        const QImage off = LCDControl::segmentOffImage();
        QCOMPARE(on.size(), QSize(16, 2));
        QCOMPARE(off.size(), QSize(16, 2));
        for (int x = 0; x < 16; ++x) {
            QCOMPARE(on.pixel(x, 0), lit);
            QCOMPARE(on.pixel(x, 1), lit);
            QCOMPARE(off.pixel(x, 0), x % 2 ? dim : black);
            QCOMPARE(off.pixel(x, 1), x % 2 ? black : dim);
        }
    }

    void imagesAreShared()
    {
        QCOMPARE(LCDControl::digitImage(3).constBits(), LCDControl::digitImage(3).constBits());
    }

    void bar_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("expected");
        QTest::addRow("0 of 40") << 0 << 0;
        QTest::addRow("1 of 40") << 1 << 1;
        QTest::addRow("7 of 40") << 7 << 10;
        QTest::addRow("20 of 40") << 20 << 29;
        QTest::addRow("39 of 40") << 39 << 57;
        QTest::addRow("40 of 40") << 40 << 59;
        QTest::addRow("negative lights nothing") << -3 << 0;
    }
    void bar()
    {
        QFETCH(int, number);
        QFETCH(int, expected);
        LCDControl lcd;
        setUpCounter(lcd, number);
        QCOMPARE(lcd.Number(), number);
        QCOMPARE(litRows(rendered(lcd), 59), expected);
    }

    void digits_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<TNumberType>("type");
        QTest::addColumn<QList<QImage>>("glyphs");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("ratio");
        QTest::addRow("7") << 7 << ntNone << QList<QImage>{LCDControl::digitImage(7)} << 24 << 1;
        QTest::addRow("40") << 40 << ntNone
                            << QList<QImage>{LCDControl::digitImage(4), LCDControl::digitImage(0)} << 20 << 1;
        QTest::addRow("100 %%") << 100 << ntPercent
                               << QList<QImage>{LCDControl::digitImage(1), LCDControl::digitImage(0),
                                                LCDControl::digitImage(0), LCDControl::percentImage()}
                               << 12 << 1;
        QTest::addRow("12 K") << 12 << ntCharK
                              << QList<QImage>{LCDControl::digitImage(1), LCDControl::digitImage(2),
                                               LCDControl::charKImage()}
                              << 16 << 1;
        QTest::addRow("-5") << -5 << ntNone
                            << QList<QImage>{LCDControl::minusImage(), LCDControl::digitImage(5)} << 20 << 1;
        // The glyphs are drawn pixel by pixel: on a screen of pixel ratio 2 each of their
        // pixels is a crisp two-by-two block in its own colour, never smoothed into its
        // neighbours, in the same place.
        QTest::addRow("100 %%, pixel ratio 2") << 100 << ntPercent
                               << QList<QImage>{LCDControl::digitImage(1), LCDControl::digitImage(0),
                                                LCDControl::digitImage(0), LCDControl::percentImage()}
                               << 12 << 2;
    }
    void digits()
    {
        QFETCH(int, number);
        QFETCH(TNumberType, type);
        QFETCH(QList<QImage>, glyphs);
        QFETCH(int, left);
        QFETCH(int, ratio);
        LCDControl lcd;
        lcd.resize(57, 201);
        lcd.SetNumber(number);
        lcd.SetNumberType(type);
        QCOMPARE(lcd.TextWidth(), 8 * int(glyphs.size()));
        const QImage image = rendered(lcd, ratio);
        for (int i = 0; i < glyphs.size(); ++i) {
            QImage expected = glyphs.at(i).scaled(glyphs.at(i).size() * ratio);
            expected.setDevicePixelRatio(ratio);
            QCOMPARE(image.copy((left + 8 * i) * ratio, 186 * ratio, 7 * ratio, 11 * ratio), expected);
        }
        // The strip around the glyphs is black: before the first, after the last, above.
        for (int y = 186 * ratio; y < 199 * ratio; ++y) {
            QCOMPARE(image.pixel(left * ratio - 1, y), black);
            QCOMPARE(image.pixel((left + 8 * int(glyphs.size())) * ratio - 1, y), black);
        }
        for (int x = 2 * ratio; x < 55 * ratio; ++x)
            QCOMPARE(image.pixel(x, 185 * ratio + ratio - 1), black);
    }

    void frame()
    {
        LCDControl lcd;
        setUpCounter(lcd, 0);
        const QImage image = rendered(lcd);
        const QRgb shadow = shadowColor.rgb();
        const QRgb highlight = highlightColor.rgb();
        for (int x = 1; x < 57; ++x)
            QCOMPARE(image.pixel(x, 0), shadow);
        for (int y = 0; y < 200; ++y)
            QCOMPARE(image.pixel(0, y), shadow);
        for (int y = 1; y < 201; ++y)
            QCOMPARE(image.pixel(56, y), highlight);
        for (int x = 2; x < 57; ++x)
            QCOMPARE(image.pixel(x, 200), highlight);
        // The two lines leave out their last points.
        QCOMPARE(image.pixel(0, 200), black);
        QCOMPARE(image.pixel(1, 200), black);
        QCOMPARE(image.pixel(1, 1), black);
        QCOMPARE(image.pixel(55, 199), black);
    }

    void refusedSetters_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<int>("value");
        QTest::addRow("number above maximum") << "Number" << 41;
        QTest::addRow("maximum below number") << "NumberMax" << 6;
        QTest::addRow("maximum zero") << "NumberMax" << 0;
        QTest::addRow("maximum negative") << "NumberMax" << -40;
    }
    void refusedSetters()
    {
        QFETCH(QString, setter);
        QFETCH(int, value);
        LCDControl lcd;
        setUpCounter(lcd, 7);
        const QImage before = rendered(lcd);
        if (setter == u"Number")
            lcd.SetNumber(value);
        else
            lcd.SetNumberMax(value);
        QCOMPARE(lcd.Number(), 7);
        QCOMPARE(lcd.NumberMax(), 40);
        QCOMPARE(rendered(lcd), before);
    }

    void loweringAndRaisingBoth()
    {
        LCDControl lcd;
        setUpCounter(lcd, 30);
        lcd.SetNumberMax(7); // refused: below Number
        QCOMPARE(lcd.NumberMax(), 40);
        lcd.SetNumber(5);
        lcd.SetNumberMax(7);
        QCOMPARE(lcd.NumberMax(), 7);
        lcd.SetNumber(7);
        QCOMPARE(lcd.Number(), 7);
        QCOMPARE(litRows(rendered(lcd), 59), 59);
    }

    void extremeNumbersAreSafe()
    {
        LCDControl lcd;
        lcd.resize(57, 201);
        lcd.SetNumberMax(INT_MAX);
        lcd.SetNumber(INT_MAX);
        QCOMPARE(litRows(rendered(lcd), 59), 59);
        lcd.SetNumber(INT_MAX / 2 + 1);
        QCOMPARE(litRows(rendered(lcd), 59), 29);
        lcd.SetNumber(INT_MIN);
        QCOMPARE(lcd.TextWidth(), 88);
        QCOMPARE(litRows(rendered(lcd), 59), 0);
        lcd.resize(3, 5); // too small for a bar or a strip
        QCOMPARE(rendered(lcd).size(), QSize(3, 5));
    }

    // A new number repaints the bar and the digits at once, not the frame.
    void setNumberRepaintsTheValueOnly()
    {
        CountingLcd lcd;
        setUpCounter(lcd, 7);
        lcd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lcd));
        QCoreApplication::processEvents();
        lcd.paints.clear();
        lcd.SetNumber(8);
        QCOMPARE(lcd.paints.size(), 1);
        const QRegion region = lcd.paints.first();
        QVERIFY(region.contains(QPoint(24, 186)));
        QVERIFY(region.contains(QPoint(9, 2)));
        QVERIFY(region.contains(QPoint(42, 176)));
        QVERIFY(!region.contains(QPoint(0, 0)));
        QVERIFY(!region.contains(QPoint(56, 100)));
        QVERIFY(!region.contains(QPoint(28, 200)));

        lcd.paints.clear();
        lcd.SetNumber(8);
        lcd.SetNumber(50);
        QVERIFY(lcd.paints.isEmpty());
    }
};

QTEST_MAIN(TestLcdControl)
#include "tst_lcdcontrol.moc"
