// The practice window's pictures kept as bare pixels: read whole, or refused whole.
#include "DoubledPixels.h"
#include "ui/StoredPicture.h"

#include <QTest>
#include <QtEndian>

namespace {

QByteArray pictureBytes(quint32 width, quint32 height, const QByteArray &pixels)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(width, bytes.data());
    qToLittleEndian(height, bytes.data() + 4);
    return bytes + pixels;
}

} // namespace

class TestStoredPicture : public QObject {
    Q_OBJECT

private slots:
    void readsPremultipliedPixelsInRowOrder()
    {
        // Two pixels: opaque red, then half-transparent white stored premultiplied.
        const QByteArray bytes = pictureBytes(2, 1, QByteArray("\xff\x00\x00\xff\x80\x80\x80\x80", 8));
        const QImage image = StoredPicture::fromBytes(bytes);
        QCOMPARE(image.size(), QSize(2, 1));
        QCOMPARE(image.pixelColor(0, 0), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(1, 0).alpha(), 128);
        QCOMPARE(image.pixelColor(1, 0).red(), 255);
    }

    void refusesWhatIsNotOnePicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray onePixel(4, '\x7f');
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("header cut short") << pictureBytes(1, 1, {}).left(6);
        QTest::addRow("a pixel missing") << pictureBytes(2, 1, onePixel);
        QTest::addRow("a byte too many") << pictureBytes(1, 1, onePixel + 'x');
        QTest::addRow("no width") << pictureBytes(0, 1, onePixel);
        QTest::addRow("no height") << pictureBytes(1, 0, onePixel);
        // A width times height times four that wraps in 32 bits must not pass for a small size.
        QTest::addRow("sides that overflow") << pictureBytes(0x40000000, 0x40000000, onePixel);
    }
    void refusesWhatIsNotOnePicture()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(StoredPicture::fromBytes(bytes).isNull());
    }

    void programPicturesAreStoredWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addRow("banner") << "banner" << QSize(381, 45);
        QTest::addRow("student") << "alumno" << QSize(81, 113);
        QTest::addRow("medal") << "medalla" << QSize(129, 89);
        QTest::addRow("open") << "abrir" << QSize(32, 32);
        QTest::addRow("exercises") << "ejercicios" << QSize(32, 32);
        QTest::addRow("leave") << "salir" << QSize(32, 32);
        QTest::addRow("send") << "enviar" << QSize(24, 24);
        QTest::addRow("save") << "guardar" << QSize(24, 24);
    }
    // Each picture is stored whole for ordinary screens, and drawn again at twice the size for
    // sharper ones (any ratio above 1): shown at the same size, with detail of its own rather
    // than the ordinary picture's pixels doubled.
    void programPicturesAreStoredWhole()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QString resource = u":/resources/"_qs + name + u".rgba"_qs;
        for (const qreal screenRatio : {1.0, 1.5, 2.0}) {
            const QPixmap pixmap = StoredPicture::pixmap(resource, screenRatio);
            const int ratio = screenRatio > 1 ? 2 : 1;
            QCOMPARE(pixmap.devicePixelRatio(), qreal(ratio));
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(size));
            const QImage picture = pixmap.toImage();
            QCOMPARE(picture.size(), size * ratio);
            // Not blank: at least one opaque, coloured pixel.
            bool coloured = false;
            for (int y = 0; y < picture.height() && !coloured; ++y)
                for (int x = 0; x < picture.width() && !coloured; ++x)
                    coloured = qAlpha(picture.pixel(x, y)) == 255 && picture.pixel(x, y) != 0xff000000;
            QVERIFY(coloured);
            if (ratio == 2)
                QVERIFY(blocksFinerThanDoubled(picture) > picture.width() / 4);
        }
    }

    void missingPictureIsNull()
    {
        QVERIFY(StoredPicture::pixmap(QStringLiteral(":/resources/nada.rgba")).isNull());
    }
};

QTEST_MAIN(TestStoredPicture)
#include "tst_storedpicture.moc"
