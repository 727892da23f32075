// Builds a QTextDocument from what the RTF reader hands on: one block per paragraph, one
// fragment per run, consecutive list paragraphs gathered into one QTextList.
#pragma once

#include "richtext/RtfSink.h"

#include <QTextCharFormat>
#include <QTextCursor>

#include <map>
#include <utility>
#include <vector>

class QTextDocument;
class QTextList;

class RtfDocumentBuilder : public RtfSink {
public:
    // Indents are kept in the document in layout pixels at 96 per inch, as Qt's own HTML
    // import keeps them: a pixel is 15 twips, a point is 4/3 of a pixel.
    static constexpr double TwipsPerPixel = 15.0;

    // Empties the document; it is filled as paragraphs arrive and complete after finish().
    explicit RtfDocumentBuilder(QTextDocument &document);

    void text(QStringView chars, const RtfCharFormat &format) override;
    void endParagraph(const RtfParagraphFormat &format, const RtfCharFormat &charFormat) override;
    void finish();

    static QTextCharFormat toCharFormat(const RtfCharFormat &format);
    static QTextBlockFormat toBlockFormat(const RtfParagraphFormat &format);

private:
    const QTextCharFormat &charFormatFor(const RtfCharFormat &format);
    void joinList(const RtfParagraphFormat &format);

    QTextDocument &m_document;
    QTextCursor m_cursor;
    bool m_firstParagraph = true;
    bool m_finished = false;
    std::vector<std::pair<QString, QTextCharFormat>> m_runs; // the paragraph being read

    RtfCharFormat m_lastFormat;
    QTextCharFormat m_lastCharFormat;
    bool m_haveLast = false;

    // Lists open in the current stretch of list paragraphs, by list id and level.
    std::map<std::pair<int, int>, std::pair<RtfParagraphFormat::ListStyle, QTextList *>> m_lists;
};
