// The practice window's pictures, stored as bare pixels so that they show without decoding.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QPixmap>

class QString;

namespace StoredPicture {

// The picture the bytes hold: width and height (32-bit little-endian), then premultiplied R, G,
// B and A bytes, row after row. A null image when the bytes do not hold exactly one picture.
// The image reads the bytes in place: they must outlive it.
QImage fromBytes(QByteArrayView bytes);

// One of the program's stored pictures by its resource path ("...rgba"); a null pixmap when
// there is no such picture.
QPixmap pixmap(const QString &resource);

} // namespace StoredPicture
