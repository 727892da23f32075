// Builds a QTextDocument from RTF paragraphs and runs.
#include "richtext/RtfDocumentBuilder.h"

#include <QTextDocument>
#include <QTextList>

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument &document)
    : m_document(document)
{
    m_document.clear();
    m_cursor = QTextCursor(&m_document);
    m_cursor.beginEditBlock();
}

QTextCharFormat RtfDocumentBuilder::toCharFormat(const RtfCharFormat &format)
{
    QTextCharFormat result;
    if (!format.family.isEmpty())
        result.setFontFamilies({format.family});
    result.setFontPointSize(format.halfPoints / 2.0);
    if (format.bold)
        result.setFontWeight(QFont::Bold);
    if (format.italic)
        result.setFontItalic(true);
    if (format.underline)
        result.setFontUnderline(true);
    if (format.foreground.isValid())
        result.setForeground(format.foreground);
    if (format.background.isValid())
        result.setBackground(format.background);
    return result;
}

QTextBlockFormat RtfDocumentBuilder::toBlockFormat(const RtfParagraphFormat &format)
{
    QTextBlockFormat result;
    switch (format.alignment) {
    case RtfParagraphFormat::Left: result.setAlignment(Qt::AlignLeft); break;
    case RtfParagraphFormat::Center: result.setAlignment(Qt::AlignHCenter); break;
    case RtfParagraphFormat::Right: result.setAlignment(Qt::AlignRight); break;
    case RtfParagraphFormat::Justify: result.setAlignment(Qt::AlignJustify); break;
    }
    if (format.firstIndent != 0)
        result.setTextIndent(format.firstIndent / TwipsPerPixel);
    if (format.leftIndent != 0)
        result.setLeftMargin(format.leftIndent / TwipsPerPixel);
    if (format.rightIndent != 0)
        result.setRightMargin(format.rightIndent / TwipsPerPixel);
    if (format.pageBreakBefore)
        result.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return result;
}

const QTextCharFormat &RtfDocumentBuilder::charFormatFor(const RtfCharFormat &format)
{
    // Runs mostly repeat the format before them; converting once saves most of the work.
    if (!m_haveLast || !(m_lastFormat == format)) {
        m_lastFormat = format;
        m_lastCharFormat = toCharFormat(format);
        m_haveLast = true;
    }
    return m_lastCharFormat;
}

void RtfDocumentBuilder::text(QStringView chars, const RtfCharFormat &format)
{
    if (!m_runs.empty() && m_lastFormat == format && m_haveLast) {
        m_runs.back().first += chars;
        return;
    }
    m_runs.emplace_back(chars.toString(), charFormatFor(format));
}

void RtfDocumentBuilder::endParagraph(const RtfParagraphFormat &format, const RtfCharFormat &charFormat)
{
    if (m_finished)
        return;
    const QTextBlockFormat blockFormat = toBlockFormat(format);
    const QTextCharFormat &blockCharFormat = m_runs.empty() ? charFormatFor(charFormat) : m_runs.front().second;
    if (m_firstParagraph) {
        m_cursor.setBlockFormat(blockFormat);
        m_cursor.setBlockCharFormat(blockCharFormat);
        m_firstParagraph = false;
    } else {
        m_cursor.insertBlock(blockFormat, blockCharFormat);
    }
    for (const auto &[text, runFormat] : m_runs)
        m_cursor.insertText(text, runFormat);
    m_runs.clear();
    joinList(format);
}

namespace {
constexpr int maxParagraphsPerList = 500;
}

void RtfDocumentBuilder::joinList(const RtfParagraphFormat &format)
{
    if (format.listStyle == RtfParagraphFormat::None) {
        m_lists.clear();
        return;
    }
    const auto key = std::make_pair(format.listId, format.listLevel);
    const auto found = m_lists.find(key);
    // Qt renumbers a whole list on every paragraph added to it, so a file with one huge list
    // would load in time growing with the square of its length: past a limit, the paragraphs
    // go on in a new list of the same look.
    if (found != m_lists.end() && found->second.first == format.listStyle
        && found->second.second->count() < maxParagraphsPerList) {
        found->second.second->add(m_cursor.block());
        return;
    }
    QTextListFormat listFormat;
    switch (format.listStyle) {
    case RtfParagraphFormat::Decimal: listFormat.setStyle(QTextListFormat::ListDecimal); break;
    case RtfParagraphFormat::LowerAlpha: listFormat.setStyle(QTextListFormat::ListLowerAlpha); break;
    case RtfParagraphFormat::UpperAlpha: listFormat.setStyle(QTextListFormat::ListUpperAlpha); break;
    case RtfParagraphFormat::LowerRoman: listFormat.setStyle(QTextListFormat::ListLowerRoman); break;
    case RtfParagraphFormat::UpperRoman: listFormat.setStyle(QTextListFormat::ListUpperRoman); break;
    default: listFormat.setStyle(QTextListFormat::ListDisc); break;
    }
    listFormat.setIndent(format.listLevel + 1);
    m_lists[key] = {format.listStyle, m_cursor.createList(listFormat)};
}

void RtfDocumentBuilder::finish()
{
    if (m_finished)
        return;
    // Runs the reader never closed with a paragraph end still belong to the document.
    if (!m_runs.empty())
        endParagraph(RtfParagraphFormat(), m_lastFormat);
    m_cursor.endEditBlock();
    m_finished = true;
}
