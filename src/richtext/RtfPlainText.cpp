// Plain-text lines of an RTF document.
#include "richtext/RtfPlainText.h"

#include "richtext/RtfReader.h"

QStringList RtfPlainText::lines(QByteArrayView rtf)
{
    RtfPlainText collector;
    RtfReader reader(collector);
    reader.read(rtf);
    return collector.result();
}

void RtfPlainText::text(QStringView chars, const RtfCharFormat &)
{
    for (const QChar ch : chars) {
        switch (ch.unicode()) {
        case 0x2028: // line break inside the paragraph
            m_lines.append(m_line);
            m_line.clear();
            break;
        case 0x00AD: // an optional hyphen is not part of the word
            break;
        case 0x00A0:
            m_line += QLatin1Char(' ');
            break;
        default:
            m_line += ch;
            break;
        }
    }
}

void RtfPlainText::endParagraph(const RtfParagraphFormat &, const RtfCharFormat &)
{
    m_lines.append(m_line);
    m_line.clear();
}
