// Code pages of RTF text, decoded through Qt's converters (cached, one per code page).
#include "richtext/RtfCodePage.h"

#include <QByteArrayList>

int RtfCodePage::fromCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 77: return 10000;   // Mac Roman
    case 128: return 932;    // Japanese
    case 129: return 949;    // Korean
    case 134: return 936;    // Simplified Chinese
    case 136: return 950;    // Traditional Chinese
    case 161: return 1253;   // Greek
    case 162: return 1254;   // Turkish
    case 163: return 1258;   // Vietnamese
    case 177: return 1255;   // Hebrew
    case 178: return 1256;   // Arabic
    case 186: return 1257;   // Baltic
    case 204: return 1251;   // Cyrillic
    case 222: return 874;    // Thai
    case 238: return 1250;   // Central European
    case 254: return 437;    // PC 437
    case 255: return 850;    // OEM
    default: return documentCodePage;
    }
}

QStringDecoder *RtfCodePage::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found != m_decoders.end())
        return found->second.get();
    // A file can name any number of code pages; past a handful they are read as the default.
    if (m_decoders.size() >= MaxDecoders && codePage != Windows1252)
        return decoderFor(Windows1252);

    QByteArrayList names;
    if (codePage == 65001)
        names << "UTF-8";
    else if (codePage == 10000)
        names << "macintosh";
    else if (codePage > 0)
        names << "windows-" + QByteArray::number(codePage) << "IBM" + QByteArray::number(codePage);
    names << "windows-1252";

    auto decoder = std::make_unique<QStringDecoder>();
    for (const QByteArray &name : names) {
        decoder = std::make_unique<QStringDecoder>(name.constData(), QStringDecoder::Flag::Stateless);
        if (decoder->isValid())
            break;
    }
    QStringDecoder *result = decoder.get();
    m_decoders.emplace(codePage, std::move(decoder));
    return result;
}

QString RtfCodePage::decode(int codePage, QByteArrayView bytes)
{
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder *decoder = decoderFor(codePage);
    if (!decoder->isValid())
        return QString::fromLatin1(bytes); // no converter at all: Latin-1 is the nearest
    return decoder->decode(bytes);
}
