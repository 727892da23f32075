// What the RTF reader hands on: text runs with their character format and paragraph ends with
// their paragraph format, already resolved against the font and colour tables.
#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

struct RtfCharFormat {
    QString family;        // empty: the font table had no name for the font
    int halfPoints = 24;   // RTF sizes are in half-points; 24 is the 12 pt default
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor foreground;     // invalid: automatic colour
    QColor background;     // invalid: none

    bool operator==(const RtfCharFormat &) const = default;
};

struct RtfParagraphFormat {
    enum Alignment { Left, Center, Right, Justify };
    // Numbering kinds a paragraph can carry; None is a plain paragraph.
    enum ListStyle { None, Bullet, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

    Alignment alignment = Left;
    int firstIndent = 0;   // twips, relative to the left indent
    int leftIndent = 0;    // twips
    int rightIndent = 0;   // twips
    bool pageBreakBefore = false;
    ListStyle listStyle = None;
    int listLevel = 0;     // 0-based nesting level
    int listId = 0;        // paragraphs in a row with the same id, style and level share a list

    bool operator==(const RtfParagraphFormat &) const = default;
};

class RtfSink {
public:
    virtual ~RtfSink() = default;
    // A run of characters; U+2028 stands for a line break inside the paragraph, '\t' for a tab.
    virtual void text(QStringView chars, const RtfCharFormat &format) = 0;
    // The paragraph now ends. charFormat is the format in force at its end, which gives an
    // empty paragraph its height.
    virtual void endParagraph(const RtfParagraphFormat &format, const RtfCharFormat &charFormat) = 0;
};
