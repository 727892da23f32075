// Tests of Banner: its cell, the centred text over its shadow, and what it tells screen readers.
#include "widgets/Banner.h"

#include <QAccessible>
#include <QImage>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QImage render(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
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

class CountingBanner : public Banner {
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

class TestBanner : public QObject {
    Q_OBJECT

private slots:
    void defaults()
    {
        Banner banner;
        QCOMPARE(banner.size(), QSize(30, 30));
        QCOMPARE(banner.Color(), Colors::clNavy);
        QCOMPARE(banner.ShadowColor(), Colors::clGray);
        QVERIFY(!banner.Shadow());
        QCOMPARE(banner.focusPolicy(), Qt::NoFocus);
    }

    void cellIsTheControlLessTheShadow_data()
    {
        QTest::addColumn<bool>("shadow");
        QTest::addColumn<QSize>("bounds");
        QTest::addColumn<QSize>("cell");
        QTest::addRow("banner with shadow") << true << QSize(275, 37) << QSize(273, 35);
        QTest::addRow("banner without shadow") << false << QSize(275, 37) << QSize(275, 37);
    }
    void cellIsTheControlLessTheShadow()
    {
        QFETCH(bool, shadow);
        QFETCH(QSize, bounds);
        Banner banner;
        banner.setShadow(shadow);
        // Hidden, as the exercises window sizes it before it is shown.
        banner.resize(bounds);
        QTEST(banner.cell().size(), "cell");
    }

    // Drawn once, centred on the cell, over an aqua copy two pixels lower and to the right.
    void drawing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<QSize>("bounds");
        QTest::addColumn<bool>("shadow");
        QTest::addRow("help banner, completed") << u"¡COMPLETADO!"_s << 35 << QSize(275, 37) << true;
        QTest::addRow("help banner, empty") << QString() << 35 << QSize(275, 37) << true;
        QTest::addRow("centred in a square") << u"CENTRADO"_s << 20 << QSize(200, 200) << true;
        QTest::addRow("without shadow") << u"MMM"_s << 20 << QSize(60, 30) << false;
    }
    void drawing()
    {
        QFETCH(QString, text);
        QFETCH(int, pixelSize);
        QFETCH(QSize, bounds);
        QFETCH(bool, shadow);
        Banner banner;
        QFont arial(u"Arial"_s);
        arial.setPixelSize(pixelSize);
        banner.setFont(arial);
        banner.setColor(Colors::clRed);
        banner.setShadowColor(Colors::clAqua);
        banner.setShadow(shadow);
        banner.resize(bounds);
        banner.setText(text);

        const QImage image = render(banner);
        const QRect red = boundsOf(image, QColor(Qt::red));
        const QRect aqua = boundsOf(image, QColor(Qt::cyan));
        QCOMPARE(red.isValid(), !text.isEmpty());
        QCOMPARE(aqua.isValid(), !text.isEmpty() && shadow);
        if (text.isEmpty())
            return;
        if (shadow) {
            // The shadow shows where the text does not cover it. (The descender of "¡" reaches
            // the control's bottom edge and is clipped there.)
            QCOMPARE(aqua.right(), red.right() + 2);
            QCOMPARE(aqua.top(), red.top() + 2);
        }
        // The ink's middle sits at the cell's middle; glyphs do not fill their line height, so
        // allow a quarter of it across the text.
        const int across = QFontMetrics(arial).height() / 4 + 1;
        const QPoint middle = banner.cell().center();
        QVERIFY2(std::abs(red.center().x() - middle.x()) <= 2, qPrintable(QDebug::toString(red)));
        QVERIFY2(std::abs(red.center().y() - middle.y()) <= across, qPrintable(QDebug::toString(red)));
        QVERIFY(red.width() > red.height());
    }

    void screenReadersReadTheText()
    {
        Banner banner;
        banner.setText(u"¡COMPLETADO!"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(&banner)->text(QAccessible::Name), u"¡COMPLETADO!"_s);
    }

    void repaintsOnlyOnChange_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QVariant>("other");
        QTest::addRow("Color") << QByteArray("Color") << QVariant::fromValue(Colors::clRed);
        QTest::addRow("Text") << QByteArray("Text") << QVariant(u"hola"_s);
        QTest::addRow("Shadow") << QByteArray("Shadow") << QVariant(true);
        QTest::addRow("ShadowColor") << QByteArray("ShadowColor") << QVariant::fromValue(Colors::clAqua);
    }
    void repaintsOnlyOnChange()
    {
        QFETCH(QByteArray, name);
        QFETCH(QVariant, other);
        CountingBanner banner;
        banner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&banner));
        QTRY_VERIFY(banner.paints > 0);
        QCoreApplication::processEvents();
        banner.paints = 0;

        QVERIFY(banner.setProperty(name, banner.property(name)));
        QCoreApplication::processEvents();
        QCOMPARE(banner.paints, 0);

        QVERIFY(banner.setProperty(name, other));
        QTRY_COMPARE(banner.paints, 1);
    }
};

QTEST_MAIN(TestBanner)
#include "tst_banner.moc"
