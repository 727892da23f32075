// Writes a QTextDocument as RTF in one pass over its blocks; run formats are turned into
// control words once per distinct format of the document.
#include "richtext/RtfWriter.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace {

// Where each character of Windows-1252 above ASCII lives, taken from Qt's converter.
class Windows1252Table {
public:
    Windows1252Table()
    {
        QStringDecoder decoder("windows-1252");
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char c = static_cast<char>(byte);
            const QString decoded = decoder.isValid()
                ? QString(decoder.decode(QByteArrayView(&c, 1)))
                : QString(QChar(byte)); // without the converter, its Latin-1 part
            // Bytes the code page leaves undefined decode to a replacement or a C1 control.
            if (decoded.size() == 1 && decoded[0].unicode() >= 0xA0 && decoded[0] != QChar(0xFFFD))
                m_bytes.emplace(decoded[0].unicode(), static_cast<unsigned char>(byte));
        }
    }

    // The byte of a character, or 0 when the code page lacks it.
    unsigned char byteOf(char16_t ch) const
    {
        const auto found = m_bytes.find(ch);
        return found == m_bytes.end() ? 0 : found->second;
    }

private:
    std::unordered_map<char16_t, unsigned char> m_bytes;
};

const Windows1252Table &windows1252()
{
    static const Windows1252Table table;
    return table;
}

void appendNumber(QByteArray &out, long long value)
{
    char buffer[24];
    int length = 0;
    const bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value) : value;
    do {
        buffer[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        out += '-';
    while (length > 0)
        out += buffer[--length];
}

void appendWord(QByteArray &out, const char *word, long long value)
{
    out += word;
    appendNumber(out, value);
}

int twips(double pixels)
{
    return static_cast<int>(std::lround(pixels * 15.0));
}

const char HexDigits[] = "0123456789abcdef";

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    return RtfWriter(document).run();
}

RtfWriter::RtfWriter(const QTextDocument &document)
    : m_document(document)
{
    const QFont font = document.defaultFont();
    m_defaultFamily = font.families().isEmpty() ? font.family() : font.families().constFirst();
    if (font.pointSizeF() > 0)
        m_defaultPointSize = font.pointSizeF();
    else if (font.pixelSize() > 0)
        m_defaultPointSize = font.pixelSize() * 0.75;
    fontIndex(m_defaultFamily); // always \f0, the \deff of the file
}

QByteArray RtfWriter::run()
{
    m_body.reserve(m_document.characterCount() * 2);
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeParagraph(block);

    QByteArray out;
    out.reserve(m_body.size() + 512);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        appendWord(out, "{\\f", static_cast<long long>(i));
        out += "\\fnil\\fcharset0 ";
        QString name = m_fonts[i];
        name.replace(QLatin1Char(';'), QLatin1Char(' ')); // ';' ends a name in the table
        appendText(out, name);
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (QRgb rgb : m_colors) {
        appendWord(out, "\\red", qRed(rgb));
        appendWord(out, "\\green", qGreen(rgb));
        appendWord(out, "\\blue", qBlue(rgb));
        out += ';';
    }
    out += "}\n";
    out += m_body;
    out += "}\n";
    return out;
}

void RtfWriter::writeParagraph(const QTextBlock &block)
{
    QByteArray &out = m_body;
    const QTextBlockFormat format = block.blockFormat();
    out += "\\pard";
    // Qt marks alignment that ignores the writing direction as absolute; RTF has no such mark.
    switch (format.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute) {
    case Qt::AlignHCenter: out += "\\qc"; break;
    case Qt::AlignRight: out += "\\qr"; break;
    case Qt::AlignJustify: out += "\\qj"; break;
    default: break;
    }
    if (const int fi = twips(format.textIndent()))
        appendWord(out, "\\fi", fi);
    if (const int li = twips(format.leftMargin()))
        appendWord(out, "\\li", li);
    if (const int ri = twips(format.rightMargin()))
        appendWord(out, "\\ri", ri);
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        out += "\\pagebb";

    if (const QTextList *list = block.textList()) {
        // Old-style numbering: readers without it show the \pntext, the rest draw the marker.
        const QTextListFormat listFormat = list->format();
        const int level = qMax(0, listFormat.indent() - 1);
        const char *kind = nullptr;
        switch (listFormat.style()) {
        case QTextListFormat::ListDecimal: kind = "\\pndec"; break;
        case QTextListFormat::ListLowerAlpha: kind = "\\pnlcltr"; break;
        case QTextListFormat::ListUpperAlpha: kind = "\\pnucltr"; break;
        case QTextListFormat::ListLowerRoman: kind = "\\pnlcrm"; break;
        case QTextListFormat::ListUpperRoman: kind = "\\pnucrm"; break;
        default: break;
        }
        if (kind) {
            out += "{\\pntext\\f0 ";
            appendText(out, list->itemText(block));
            out += "\\tab}{\\*\\pn\\pnlvlbody";
            if (level > 0)
                appendWord(out, "\\pnlvl", level + 1);
            out += kind;
            out += "\\pnf0\\pnindent0\\pnstart1{\\pntxta.}}";
        } else {
            out += "{\\pntext\\f0\\'95\\tab}{\\*\\pn\\pnlvlblt";
            if (level > 0)
                appendWord(out, "\\pnlvl", level + 1);
            out += "\\pnf0\\pnindent0{\\pntxtb\\'95}}";
        }
    }

    bool wroteRun = false;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        out += runPrefix(fragment.charFormatIndex(), fragment.charFormat());
        appendText(out, fragment.text());
        wroteRun = true;
    }
    if (!wroteRun)
        out += runPrefix(-1, block.charFormat()); // an empty paragraph keeps its height
    out += "\\par\n";
}

QByteArray RtfWriter::runPrefix(int formatIndex, const QTextCharFormat &format)
{
    if (formatIndex < 0)
        return makeRunPrefix(format);
    auto found = m_prefixes.find(formatIndex);
    if (found == m_prefixes.end())
        found = m_prefixes.emplace(formatIndex, makeRunPrefix(format)).first;
    return found->second;
}

double RtfWriter::pointSize(const QTextCharFormat &format) const
{
    if (format.fontPointSize() > 0)
        return format.fontPointSize();
    // Sizes given in pixels (the program's own fonts, pasted HTML) at the 96 dpi the layout uses.
    const int pixels = format.intProperty(QTextFormat::FontPixelSize);
    if (pixels > 0)
        return pixels * 0.75;
    return m_defaultPointSize;
}

QByteArray RtfWriter::makeRunPrefix(const QTextCharFormat &format)
{
    QByteArray prefix = "\\plain";
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    const QString family = families.isEmpty() ? m_defaultFamily : families.constFirst();
    appendWord(prefix, "\\f", fontIndex(family));
    appendWord(prefix, "\\fs", qMax(1L, std::lround(pointSize(format) * 2)));
    if (format.fontWeight() >= QFont::DemiBold)
        prefix += "\\b";
    if (format.fontItalic())
        prefix += "\\i";
    if (format.fontUnderline())
        prefix += "\\ul";
    if (format.foreground().style() != Qt::NoBrush)
        appendWord(prefix, "\\cf", colorIndex(format.foreground().color()));
    if (format.background().style() != Qt::NoBrush)
        appendWord(prefix, "\\highlight", colorIndex(format.background().color()));
    prefix += ' ';
    return prefix;
}

int RtfWriter::fontIndex(const QString &family)
{
    const auto found = m_fontIndexes.constFind(family);
    if (found != m_fontIndexes.constEnd())
        return *found;
    const int index = static_cast<int>(m_fonts.size());
    m_fonts.push_back(family);
    m_fontIndexes.insert(family, index);
    return index;
}

int RtfWriter::colorIndex(const QColor &color)
{
    const QRgb rgb = color.rgb() & 0xFFFFFF;
    const auto found = m_colorIndexes.constFind(rgb);
    if (found != m_colorIndexes.constEnd())
        return *found;
    m_colors.push_back(rgb);
    const int index = static_cast<int>(m_colors.size()); // entry 0 is the automatic colour
    m_colorIndexes.insert(rgb, index);
    return index;
}

void RtfWriter::appendText(QByteArray &out, QStringView text) const
{
    const Windows1252Table &table = windows1252();
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch < 0x80) {
            switch (ch) {
            case u'\\': out += "\\\\"; break;
            case u'{': out += "\\{"; break;
            case u'}': out += "\\}"; break;
            case u'\t': out += "\\tab "; break;
            default:
                if (ch >= 0x20)
                    out += static_cast<char>(ch);
                break; // other control characters are not text
            }
            continue;
        }
        switch (ch) {
        case 0x2028: out += "\\line "; continue;
        case 0x00A0: out += "\\~"; continue;
        case 0x00AD: out += "\\-"; continue;
        case 0x2011: out += "\\_"; continue;
        case 0xFFFC: continue; // an embedded object's place holder: the object is not written
        default: break;
        }
        if (const unsigned char byte = table.byteOf(ch)) {
            out += "\\'";
            out += HexDigits[byte >> 4];
            out += HexDigits[byte & 0xF];
        } else {
            // \u takes a signed 16-bit value; '?' is what readers without Unicode show.
            appendWord(out, "\\u", static_cast<int16_t>(ch));
            out += '?';
        }
    }
}
