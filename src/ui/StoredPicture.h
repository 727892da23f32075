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

// One of the program's stored pictures by its resource path ("...rgba"), drawn for a screen of
// the given device pixel ratio: above 1, the picture drawn at twice the size ("...@2x.rgba"),
// marked with its ratio so that it shows at the size of the first. A null pixmap when there is
// no such picture.
QPixmap pixmap(const QString &resource, qreal devicePixelRatio);
// The same for the screens the program shows on: at the ratio of the sharpest of them, so that
// a window moved there stays sharp (a screen of ratio 1 shows the larger picture scaled down).
QPixmap pixmap(const QString &resource);

} // namespace StoredPicture
