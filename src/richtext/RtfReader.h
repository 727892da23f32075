// Reads RTF into paragraphs and formatted text runs for an RtfSink, without recursion, so
// that any input, however deep, broken or cut short, is read as far as it makes sense.
#pragma once

#include "richtext/RtfCodePage.h"
#include "richtext/RtfSink.h"
#include "richtext/RtfTokenizer.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <vector>

class RtfReader {
public:
    // Groups nested deeper than this are read as part of the deepest group kept.
    static constexpr int MaxDepth = 512;
    static constexpr std::size_t MaxFonts = 4096;
    static constexpr std::size_t MaxColors = 4096;
    static constexpr std::size_t MaxLists = 1024;
    static constexpr std::size_t MaxLevels = 9;
    static constexpr std::size_t MaxFontNameBytes = 256;

    explicit RtfReader(RtfSink &sink) : m_sink(sink) {}

    // Reads a whole RTF document. Text before the first '{' and after the group it opens is
    // ignored; a document cut short ends with what was read.
    void read(QByteArrayView rtf);

private:
    enum class Destination {
        Normal, Skip, FontTable, ColorTable, ListTable, List, ListLevel,
        ListOverrideTable, ListOverride, Numbering
    };

    // Character properties as RTF states them: indexes into the tables, not resolved yet.
    struct CharState {
        int font = -1;         // -1: the document's default font
        int halfPoints = 24;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int foreground = 0;    // colour table index; 0 is normally the automatic entry
        int background = 0;    // colour table index; 0 means none
        bool operator==(const CharState &) const = default;
    };

    struct GroupState {
        Destination destination = Destination::Normal;
        CharState chars;
        RtfParagraphFormat paragraph;
        int listOverride = 0;  // \ls of the paragraph, 0 when none
        int unicodeSkip = 1;   // \uc: fallback characters after each \u
        RtfParagraphFormat::ListStyle numberingStyle = RtfParagraphFormat::None; // inside \pn
        int numberingLevel = 0;
        // The list definition and level a list-table group describes. Kept per group, since
        // a group may open another list table inside one before it closes.
        int listIndex = -1;
        int levelIndex = -1;
    };

    struct Font {
        QString name;
        int charset = 0;
        int codePage = 0;      // \cpg, 0 when not given
    };

    struct ListDefinition {
        int id = 0;
        std::vector<int> levelFormats; // \levelnfc of each level
    };

    void handleWord(const RtfToken &token);
    void handleSymbol(char symbol);
    void handleText(QByteArrayView bytes);
    void handleHexByte(char byte);
    void openGroup();
    void closeGroup();

    void prepareForChars();
    void appendBytes(QByteArrayView bytes);
    void appendChar(char16_t ch);
    void appendUnicode(int value);
    void settlePendingSurrogate();
    void flushBytes();
    void flushText();
    void endParagraph();
    void finish();

    void flushFontName();
    void commitFont();
    void commitColor();
    int codePageOf(int font) const;
    const RtfCharFormat &resolve(const CharState &state);
    RtfParagraphFormat resolveParagraph(const GroupState &state) const;

    GroupState &top() { return m_stack.back(); }

    RtfSink &m_sink;
    RtfCodePage m_codePages;
    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0;   // groups opened beyond MaxDepth and not yet closed
    bool m_done = false;
    bool m_starSeen = false;   // \* came just before the current token
    int m_fallbackToSkip = 0;  // characters still to skip after a \u

    int m_documentCodePage = RtfCodePage::Windows1252;
    int m_defaultFont = 0;
    std::map<int, Font> m_fonts;
    std::vector<QColor> m_colors;
    std::vector<ListDefinition> m_lists;
    std::map<int, int> m_listOverrides; // \ls number to \listid

    // The font table entry being read.
    bool m_fontOpen = false;
    int m_fontNumber = 0;
    Font m_font;
    QString m_fontNameText;  // name read so far, bytes already decoded
    QByteArray m_fontName;   // name bytes not yet decoded

    // The colour table entry being read.
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorGiven = false;

    // The list override being read.
    int m_overrideId = 0, m_overrideNumber = 0;

    // Text not yet handed to the sink, all in one character state; bytes wait to be decoded
    // together so that double-byte code pages see both halves of a character.
    QString m_text;
    CharState m_textState;
    QByteArray m_bytes;
    int m_bytesCodePage = RtfCodePage::Windows1252;
    char16_t m_highSurrogate = 0;
    bool m_paragraphHasContent = false;
    bool m_pageBreakPending = false;

    // The last resolution of a character state, reused while the state stays the same.
    bool m_resolvedValid = false;
    CharState m_resolvedState;
    RtfCharFormat m_resolved;
};
