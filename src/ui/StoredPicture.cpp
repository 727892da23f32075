// Bare premultiplied pixels read in place from the program's resources.
#include "ui/StoredPicture.h"

#include <QGuiApplication>
#include <QResource>
#include <QtEndian>

namespace StoredPicture {

namespace {

constexpr qsizetype headerBytes = 8;
// Far above any picture of the program: sizes are refused before they are multiplied.
constexpr quint32 largestSide = 4096;

QPixmap storedPixmap(const QString &resource)
{
    // The ordinary pictures are stored uncompressed and read where they lie; the doubled ones,
    // compressed, are expanded first. The pixmap takes its own copy of the pixels. A missing
    // resource has none.
    const QByteArray bytes = QResource(resource).uncompressedData();
    return QPixmap::fromImage(fromBytes(bytes));
}

} // namespace

QImage fromBytes(QByteArrayView bytes)
{
    if (bytes.size() < headerBytes)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(bytes.data());
    const quint32 height = qFromLittleEndian<quint32>(bytes.data() + 4);
    if (width == 0 || height == 0 || width > largestSide || height > largestSide)
        return {};
    const qsizetype rowBytes = qsizetype(width) * 4;
    if (bytes.size() - headerBytes != rowBytes * height)
        return {};
    return QImage(reinterpret_cast<const uchar *>(bytes.data() + headerBytes), int(width), int(height),
                  rowBytes, QImage::Format_RGBA8888_Premultiplied);
}

QPixmap pixmap(const QString &resource, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        const qsizetype dot = resource.lastIndexOf(u'.');
        const QString doubled = QString(resource).insert(dot < 0 ? resource.size() : dot, u"@2x");
        QPixmap picture = storedPixmap(doubled);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    return storedPixmap(resource);
}

QPixmap pixmap(const QString &resource)
{
    return pixmap(resource, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

} // namespace StoredPicture
