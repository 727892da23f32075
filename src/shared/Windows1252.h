// Windows-1252, the code page of the exercise files, by table. It is Latin-1 but for the
// bytes 0x80-0x9F, and knowing those 32 here spares loading a converter library (and its
// megabyte of data) to read the board the program opens at start-up.
#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>

#include <optional>

namespace Windows1252 {

// Every byte stands for one character: none is refused.
QString decode(QByteArrayView bytes);
// The same into room for bytes.size() characters; gives the end of what it wrote.
QChar *decodeInto(QByteArrayView bytes, QChar *out);

// The byte of a character, or nothing when the code page has no place for it.
std::optional<char> encode(QChar ch);

} // namespace Windows1252
