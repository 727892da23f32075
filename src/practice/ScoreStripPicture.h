// The picture on the score strip, drawn by the program: a prize ribbon with an accented letter.
#pragma once

#include <QPixmap>

namespace ScoreStripPicture {

// The picture at the given size, on a transparent ground.
QPixmap draw(const QSize &size);

} // namespace ScoreStripPicture
