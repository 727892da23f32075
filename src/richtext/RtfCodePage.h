// Code pages of RTF text: which one a font's character set means, and decoding bytes in it.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <memory>

class RtfCodePage {
public:
    static constexpr int Windows1252 = 1252;

    // The code page of a font with the given \fcharset; charsets that name no particular
    // script (ANSI, default, symbol) follow the document's code page.
    static int fromCharset(int charset, int documentCodePage);

    // Bytes in the given code page as text. Unknown code pages are read as Windows-1252.
    QString decode(int codePage, QByteArrayView bytes);

private:
    static constexpr std::size_t MaxDecoders = 16;

    QStringDecoder *decoderFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};
