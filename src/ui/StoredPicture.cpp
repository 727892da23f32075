// Bare premultiplied pixels read in place from the program's resources.
#include "ui/StoredPicture.h"

#include <QResource>
#include <QtEndian>

namespace StoredPicture {

namespace {

constexpr qsizetype headerBytes = 8;
// Far above any picture of the program: sizes are refused before they are multiplied.
constexpr quint32 largestSide = 4096;

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

QPixmap pixmap(const QString &resource)
{
    const QResource stored(resource);
    if (!stored.isValid())
        return {};
    // The program stores its pictures uncompressed and reads them where they lie; a compressed
    // copy (another build's choice) is expanded first. The pixmap takes its own copy either way.
    if (stored.compressionAlgorithm() == QResource::NoCompression)
        return QPixmap::fromImage(fromBytes(QByteArrayView(stored.data(), stored.size())));
    const QByteArray expanded = stored.uncompressedData();
    return QPixmap::fromImage(fromBytes(expanded));
}

} // namespace StoredPicture
