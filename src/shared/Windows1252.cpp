// Windows-1252 by table.
#include "shared/Windows1252.h"

#include <array>

namespace Windows1252 {

namespace {

// The characters of 0x80-0x9F. The five bytes the code page leaves undefined stand for the
// control characters of the same number, as Windows itself reads them.
constexpr char16_t highHalfOfC1[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr bool isLatin1Byte(char16_t code)
{
    return code < 0x80 || (code >= 0xA0 && code <= 0xFF);
}

// Every byte's character, so that decoding a long file is one look-up per byte.
constexpr std::array<char16_t, 256> characterOfByte = [] {
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[std::size_t(byte)] = isLatin1Byte(char16_t(byte)) ? char16_t(byte) : highHalfOfC1[byte - 0x80];
    return table;
}();

} // namespace

QChar *decodeInto(QByteArrayView bytes, QChar *out)
{
    for (const char c : bytes)
        *out++ = QChar(characterOfByte[static_cast<unsigned char>(c)]);
    return out;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeInto(bytes, text.data());
    return text;
}

std::optional<char> encode(QChar ch)
{
    const char16_t code = ch.unicode();
    if (isLatin1Byte(code))
        return static_cast<char>(code);
    for (int i = 0; i < 32; ++i)
        if (highHalfOfC1[i] == code)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace Windows1252
