// Reads RTF into paragraphs and formatted runs: an explicit group stack instead of recursion,
// tables and counts capped, so hostile input costs time in proportion to its size and no more.
#include "richtext/RtfReader.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {

enum class Word {
    SkipDestination, FontTable, ColorTable, ListTable, List, ListLevel, ListOverrideTable,
    ListOverride, Numbering,
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, UnicodeSkip, Unicode,
    Font, Charset, CodePage, Red, Green, Blue,
    Par, Line, Tab, Page, Section, Cell, Emdash, Endash, Bullet, LeftQuote, RightQuote,
    LeftDoubleQuote, RightDoubleQuote, EmSpace, EnSpace, QuarterEmSpace, ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    Plain, Bold, Italic, Underline, UnderlineNone, FontSize, ColorForeground, ColorBackground,
    ParagraphDefault, AlignLeft, AlignCenter, AlignRight, AlignJustify, FirstIndent, LeftIndent,
    RightIndent, ListOverrideNumber, ListLevelNumber, PageBreakBefore,
    NumberingBullet, NumberingBody, NumberingContinue, NumberingLevel, NumberingDecimal,
    NumberingUpperAlpha, NumberingLowerAlpha, NumberingUpperRoman, NumberingLowerRoman,
    ListId, LevelFormat,
};

const std::unordered_map<std::string_view, Word> &words()
{
    static const std::unordered_map<std::string_view, Word> table = [] {
        std::unordered_map<std::string_view, Word> t;
        // Destinations whose content is not document text. Starred destinations we do not
        // know are skipped as well, without being listed.
        for (std::string_view name : {
                 "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer",
                 "footerl", "footerr", "footerf", "footnote", "pntext", "pntxta", "pntxtb",
                 "listtext", "fldinst", "leveltext", "levelnumbers", "listname", "falt",
                 "fontemb", "fontfile", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
                 "aftncn", "annotation", "xe", "tc", "tcn", "txe", "nonshppict", "shprslt",
                 "objdata", "objclass", "template", "revtbl", "filetbl", "author", "operator",
                 "title", "subject", "keywords", "comment", "doccomm", "bkmkstart", "bkmkend",
                 "themedata", "colorschememapping", "latentstyles", "datastore", "xmlnstbl",
                 "rsidtbl", "generator", "userprops", "mmathPr", "private"})
            t.emplace(name, Word::SkipDestination);
        const std::pair<std::string_view, Word> others[] = {
            {"fonttbl", Word::FontTable}, {"colortbl", Word::ColorTable},
            {"listtable", Word::ListTable}, {"list", Word::List}, {"listlevel", Word::ListLevel},
            {"listoverridetable", Word::ListOverrideTable}, {"listoverride", Word::ListOverride},
            {"pn", Word::Numbering},
            {"ansi", Word::Ansi}, {"mac", Word::Mac}, {"pc", Word::Pc}, {"pca", Word::Pca},
            {"ansicpg", Word::AnsiCodePage}, {"deff", Word::DefaultFont},
            {"uc", Word::UnicodeSkip}, {"u", Word::Unicode},
            {"f", Word::Font}, {"fcharset", Word::Charset}, {"cpg", Word::CodePage},
            {"red", Word::Red}, {"green", Word::Green}, {"blue", Word::Blue},
            {"par", Word::Par}, {"line", Word::Line}, {"tab", Word::Tab}, {"page", Word::Page},
            {"sect", Word::Section}, {"cell", Word::Cell}, {"nestcell", Word::Cell},
            {"emdash", Word::Emdash}, {"endash", Word::Endash}, {"bullet", Word::Bullet},
            {"lquote", Word::LeftQuote}, {"rquote", Word::RightQuote},
            {"ldblquote", Word::LeftDoubleQuote}, {"rdblquote", Word::RightDoubleQuote},
            {"emspace", Word::EmSpace}, {"enspace", Word::EnSpace},
            {"qmspace", Word::QuarterEmSpace}, {"zwj", Word::ZeroWidthJoiner},
            {"zwnj", Word::ZeroWidthNonJoiner},
            {"plain", Word::Plain}, {"b", Word::Bold}, {"i", Word::Italic},
            {"ulnone", Word::UnderlineNone}, {"fs", Word::FontSize},
            {"cf", Word::ColorForeground}, {"cb", Word::ColorBackground},
            {"highlight", Word::ColorBackground},
            {"pard", Word::ParagraphDefault}, {"ql", Word::AlignLeft}, {"qc", Word::AlignCenter},
            {"qr", Word::AlignRight}, {"qj", Word::AlignJustify}, {"fi", Word::FirstIndent},
            {"li", Word::LeftIndent}, {"ri", Word::RightIndent},
            {"ls", Word::ListOverrideNumber}, {"ilvl", Word::ListLevelNumber},
            {"pagebb", Word::PageBreakBefore},
            {"pnlvlblt", Word::NumberingBullet}, {"pnlvlbody", Word::NumberingBody},
            {"pnlvlcont", Word::NumberingContinue}, {"pnlvl", Word::NumberingLevel},
            {"pndec", Word::NumberingDecimal}, {"pnucltr", Word::NumberingUpperAlpha},
            {"pnlcltr", Word::NumberingLowerAlpha}, {"pnucrm", Word::NumberingUpperRoman},
            {"pnlcrm", Word::NumberingLowerRoman},
            {"listid", Word::ListId}, {"levelnfc", Word::LevelFormat},
            {"levelnfcn", Word::LevelFormat},
        };
        for (const auto &[name, word] : others)
            t.emplace(name, word);
        // Every underline kind reads as underline; \ulc (its colour) is not one of them.
        for (std::string_view name : {
                 "ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash",
                 "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash",
                 "ululdbwave", "ulw", "ulwave"})
            t.emplace(name, Word::Underline);
        return t;
    }();
    return table;
}

// A toggle such as \b: on without a parameter or with a non-zero one.
bool toggleValue(const RtfToken &token)
{
    return !token.hasParam || token.param != 0;
}

RtfParagraphFormat::ListStyle styleOfLevelFormat(int format)
{
    switch (format) {
    case 23: return RtfParagraphFormat::Bullet;
    case 255: return RtfParagraphFormat::None;
    case 1: return RtfParagraphFormat::UpperRoman;
    case 2: return RtfParagraphFormat::LowerRoman;
    case 3: return RtfParagraphFormat::UpperAlpha;
    case 4: return RtfParagraphFormat::LowerAlpha;
    default: return RtfParagraphFormat::Decimal;
    }
}

bool isSurrogateHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isSurrogateLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

constexpr char16_t ReplacementCharacter = 0xFFFD;

} // namespace

void RtfReader::read(QByteArrayView rtf)
{
    RtfTokenizer tokenizer(rtf);
    while (!m_done) {
        const RtfToken token = tokenizer.next();
        if (token.type == RtfToken::End)
            break;
        if (token.type == RtfToken::GroupStart) {
            m_fallbackToSkip = 0;
            m_starSeen = false;
            openGroup();
            continue;
        }
        if (token.type == RtfToken::GroupEnd) {
            m_fallbackToSkip = 0;
            m_starSeen = false;
            closeGroup();
            continue;
        }
        if (m_stack.empty())
            continue; // nothing counts before the document's group opens

        if (m_fallbackToSkip > 0) {
            // The characters after \u that stand in for it in readers without Unicode.
            if (token.type == RtfToken::Text) {
                const qsizetype skipped = std::min<qsizetype>(m_fallbackToSkip, token.data.size());
                m_fallbackToSkip -= static_cast<int>(skipped);
                if (skipped < token.data.size())
                    handleText(token.data.sliced(skipped));
            } else {
                --m_fallbackToSkip;
            }
            continue;
        }

        const bool starred = m_starSeen;
        m_starSeen = false;
        if (top().destination == Destination::Skip)
            continue;

        switch (token.type) {
        case RtfToken::ControlWord:
            if (starred) {
                // An optional destination: kept only when it is one we read.
                const auto found = words().find(std::string_view(token.name.data(), token.name.size()));
                const bool known = found != words().end()
                    && (found->second == Word::Numbering || found->second == Word::ListTable
                        || found->second == Word::ListOverrideTable);
                if (!known) {
                    top().destination = Destination::Skip;
                    break;
                }
            }
            handleWord(token);
            break;
        case RtfToken::ControlSymbol:
            if (token.symbol == '*')
                m_starSeen = true;
            else
                handleSymbol(token.symbol);
            break;
        case RtfToken::HexByte:
            handleHexByte(static_cast<char>(token.param));
            break;
        case RtfToken::Text:
            handleText(token.data);
            break;
        default:
            break; // binary data is never text
        }
    }
    finish();
}

void RtfReader::openGroup()
{
    if (m_done)
        return;
    if (m_stack.empty()) {
        m_stack.emplace_back();
        return;
    }
    if (m_overflowDepth > 0 || static_cast<int>(m_stack.size()) >= MaxDepth) {
        ++m_overflowDepth;
        return;
    }
    GroupState inner = m_stack.back();
    m_stack.push_back(inner);
}

void RtfReader::closeGroup()
{
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.empty())
        return; // a stray '}' before the document's group
    if (m_stack.size() == 1) {
        // The document's group has closed: what follows is not part of it. Its state stays
        // for finish().
        m_done = true;
        return;
    }
    const GroupState closed = m_stack.back();
    m_stack.pop_back();

    switch (closed.destination) {
    case Destination::FontTable:
        if (m_fontOpen)
            commitFont();
        break;
    case Destination::ListOverride:
        if (top().destination == Destination::ListOverrideTable
            && m_listOverrides.size() < MaxLists)
            m_listOverrides[m_overrideNumber] = m_overrideId;
        break;
    case Destination::Numbering:
        // The numbering group describes the paragraph of the group around it.
        if (top().destination == Destination::Normal) {
            top().paragraph.listStyle = closed.numberingStyle;
            top().paragraph.listLevel = closed.numberingLevel;
            top().paragraph.listId = -1;
        }
        break;
    default:
        break;
    }
}

void RtfReader::handleWord(const RtfToken &token)
{
    const auto found = words().find(std::string_view(token.name.data(), token.name.size()));
    if (found == words().end())
        return; // unknown words are ignored, their group's text is kept
    GroupState &state = top();
    const int param = token.param;
    const Destination destination = state.destination;

    switch (found->second) {
    case Word::SkipDestination:
        state.destination = Destination::Skip;
        return;
    case Word::FontTable:
        state.destination = Destination::FontTable;
        return;
    case Word::ColorTable:
        state.destination = Destination::ColorTable;
        m_colorGiven = false;
        m_red = m_green = m_blue = 0;
        return;
    case Word::ListTable:
        state.destination = Destination::ListTable;
        return;
    case Word::ListOverrideTable:
        state.destination = Destination::ListOverrideTable;
        return;
    case Word::Numbering:
        state.destination = Destination::Numbering;
        state.numberingStyle = RtfParagraphFormat::Decimal;
        state.numberingLevel = 0;
        return;
    case Word::UnicodeSkip:
        state.unicodeSkip = std::max(0, param);
        return;
    case Word::Unicode:
        // The fallback that follows is skipped in every destination, but only document text
        // takes the character.
        if (token.hasParam) {
            if (destination == Destination::Normal) {
                appendUnicode(param);
            } else if (destination == Destination::FontTable && param != 0
                       && m_fontNameText.size() < static_cast<qsizetype>(MaxFontNameBytes)) {
                flushFontName();
                m_fontNameText += QChar(static_cast<char16_t>(param));
            }
            m_fallbackToSkip = state.unicodeSkip;
        }
        return;
    default:
        break;
    }

    switch (destination) {
    case Destination::FontTable:
        switch (found->second) {
        case Word::Font:
            if (m_fontOpen)
                commitFont();
            m_fontOpen = true;
            m_fontNumber = param;
            m_font = Font();
            m_fontName.clear();
            m_fontNameText.clear();
            break;
        case Word::Charset:
            m_font.charset = param;
            break;
        case Word::CodePage:
            m_font.codePage = param;
            break;
        default:
            break;
        }
        return;
    case Destination::ColorTable: {
        const int value = std::clamp(param, 0, 255);
        if (found->second == Word::Red)
            m_red = value;
        else if (found->second == Word::Green)
            m_green = value;
        else if (found->second == Word::Blue)
            m_blue = value;
        else
            return;
        m_colorGiven = true;
        return;
    }
    case Destination::ListTable:
        if (found->second == Word::List && m_lists.size() < MaxLists) {
            m_lists.emplace_back();
            state.destination = Destination::List;
            state.listIndex = static_cast<int>(m_lists.size()) - 1;
        } else if (found->second == Word::List) {
            state.destination = Destination::Skip;
        }
        return;
    case Destination::List:
        if (found->second == Word::ListLevel) {
            std::vector<int> &levels = m_lists[state.listIndex].levelFormats;
            if (levels.size() < MaxLevels) {
                levels.push_back(0);
                state.destination = Destination::ListLevel;
                state.levelIndex = static_cast<int>(levels.size()) - 1;
            } else {
                state.destination = Destination::Skip;
            }
        } else if (found->second == Word::ListId) {
            m_lists[state.listIndex].id = param;
        }
        return;
    case Destination::ListLevel:
        if (found->second == Word::LevelFormat)
            m_lists[state.listIndex].levelFormats[state.levelIndex] = param;
        return;
    case Destination::ListOverrideTable:
        if (found->second == Word::ListOverride) {
            state.destination = Destination::ListOverride;
            m_overrideId = 0;
            m_overrideNumber = 0;
        }
        return;
    case Destination::ListOverride:
        if (found->second == Word::ListId)
            m_overrideId = param;
        else if (found->second == Word::ListOverrideNumber)
            m_overrideNumber = param;
        return;
    case Destination::Numbering:
        switch (found->second) {
        case Word::NumberingBullet: state.numberingStyle = RtfParagraphFormat::Bullet; break;
        case Word::NumberingContinue: state.numberingStyle = RtfParagraphFormat::None; break;
        case Word::NumberingLevel: state.numberingLevel = std::clamp(param - 1, 0, 8); break;
        case Word::NumberingDecimal: state.numberingStyle = RtfParagraphFormat::Decimal; break;
        case Word::NumberingUpperAlpha: state.numberingStyle = RtfParagraphFormat::UpperAlpha; break;
        case Word::NumberingLowerAlpha: state.numberingStyle = RtfParagraphFormat::LowerAlpha; break;
        case Word::NumberingUpperRoman: state.numberingStyle = RtfParagraphFormat::UpperRoman; break;
        case Word::NumberingLowerRoman: state.numberingStyle = RtfParagraphFormat::LowerRoman; break;
        default: break;
        }
        return;
    case Destination::Skip:
        return;
    case Destination::Normal:
        break;
    }

    CharState &chars = state.chars;
    RtfParagraphFormat &paragraph = state.paragraph;
    switch (found->second) {
    case Word::Ansi: m_documentCodePage = RtfCodePage::Windows1252; break;
    case Word::Mac: m_documentCodePage = 10000; break;
    case Word::Pc: m_documentCodePage = 437; break;
    case Word::Pca: m_documentCodePage = 850; break;
    case Word::AnsiCodePage:
        if (param > 0)
            m_documentCodePage = param;
        break;
    case Word::DefaultFont:
        m_defaultFont = param;
        m_resolvedValid = false;
        break;
    case Word::Font: chars.font = param; break;
    case Word::Par:
    case Word::Section:
    case Word::Cell: endParagraph(); break;
    case Word::Page:
        endParagraph();
        m_pageBreakPending = true;
        break;
    case Word::Line: appendChar(0x2028); break;
    case Word::Tab: appendChar(u'\t'); break;
    case Word::Emdash: appendChar(0x2014); break;
    case Word::Endash: appendChar(0x2013); break;
    case Word::Bullet: appendChar(0x2022); break;
    case Word::LeftQuote: appendChar(0x2018); break;
    case Word::RightQuote: appendChar(0x2019); break;
    case Word::LeftDoubleQuote: appendChar(0x201C); break;
    case Word::RightDoubleQuote: appendChar(0x201D); break;
    case Word::EmSpace: appendChar(0x2003); break;
    case Word::EnSpace: appendChar(0x2002); break;
    case Word::QuarterEmSpace: appendChar(0x2005); break;
    case Word::ZeroWidthJoiner: appendChar(0x200D); break;
    case Word::ZeroWidthNonJoiner: appendChar(0x200C); break;
    case Word::Plain: chars = CharState(); break;
    case Word::Bold: chars.bold = toggleValue(token); break;
    case Word::Italic: chars.italic = toggleValue(token); break;
    case Word::Underline: chars.underline = toggleValue(token); break;
    case Word::UnderlineNone: chars.underline = false; break;
    case Word::FontSize: chars.halfPoints = token.hasParam ? param : 24; break;
    case Word::ColorForeground: chars.foreground = param; break;
    case Word::ColorBackground: chars.background = param; break;
    case Word::ParagraphDefault:
        paragraph = RtfParagraphFormat();
        state.listOverride = 0;
        break;
    case Word::AlignLeft: paragraph.alignment = RtfParagraphFormat::Left; break;
    case Word::AlignCenter: paragraph.alignment = RtfParagraphFormat::Center; break;
    case Word::AlignRight: paragraph.alignment = RtfParagraphFormat::Right; break;
    case Word::AlignJustify: paragraph.alignment = RtfParagraphFormat::Justify; break;
    case Word::FirstIndent: paragraph.firstIndent = param; break;
    case Word::LeftIndent: paragraph.leftIndent = param; break;
    case Word::RightIndent: paragraph.rightIndent = param; break;
    case Word::ListOverrideNumber: state.listOverride = std::max(0, param); break;
    case Word::ListLevelNumber: paragraph.listLevel = std::clamp(param, 0, 8); break;
    case Word::PageBreakBefore: paragraph.pageBreakBefore = toggleValue(token); break;
    default: break;
    }
}

void RtfReader::handleSymbol(char symbol)
{
    const Destination destination = top().destination;
    if (destination == Destination::FontTable) {
        if ((symbol == '{' || symbol == '}' || symbol == '\\')
            && static_cast<std::size_t>(m_fontName.size()) < MaxFontNameBytes)
            m_fontName += symbol;
        return;
    }
    if (destination != Destination::Normal)
        return;
    switch (symbol) {
    case '~': appendChar(0x00A0); break;
    case '-': appendChar(0x00AD); break;
    case '_': appendChar(0x2011); break;
    case '{':
    case '}':
    case '\\': appendChar(static_cast<char16_t>(symbol)); break;
    case '\n': endParagraph(); break;
    default: break; // index marks, formula markers and broken escapes carry no text
    }
}

void RtfReader::handleText(QByteArrayView bytes)
{
    switch (top().destination) {
    case Destination::Normal:
        appendBytes(bytes);
        break;
    case Destination::FontTable:
        for (char c : bytes) {
            if (c == ';') {
                if (m_fontOpen)
                    commitFont();
            } else if (static_cast<std::size_t>(m_fontName.size()) < MaxFontNameBytes) {
                m_fontName += c;
            }
        }
        break;
    case Destination::ColorTable:
        for (char c : bytes)
            if (c == ';')
                commitColor();
        break;
    default:
        break;
    }
}

void RtfReader::handleHexByte(char byte)
{
    const Destination destination = top().destination;
    if (destination == Destination::Normal)
        appendBytes(QByteArrayView(&byte, 1));
    else if (destination == Destination::FontTable
             && static_cast<std::size_t>(m_fontName.size()) < MaxFontNameBytes)
        m_fontName += byte;
}

void RtfReader::prepareForChars()
{
    if (!(top().chars == m_textState)) {
        settlePendingSurrogate();
        flushText();
        m_textState = top().chars;
    }
}

void RtfReader::appendBytes(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    prepareForChars();
    settlePendingSurrogate();
    const int codePage = codePageOf(m_textState.font);
    if (codePage != m_bytesCodePage) {
        flushBytes();
        m_bytesCodePage = codePage;
    }
    m_bytes += bytes;
    m_paragraphHasContent = true;
}

void RtfReader::appendChar(char16_t ch)
{
    prepareForChars();
    settlePendingSurrogate();
    flushBytes();
    m_text += QChar(ch);
    m_paragraphHasContent = true;
}

void RtfReader::appendUnicode(int value)
{
    // Values above 32767 are written as negative numbers.
    if (value < 0)
        value += 65536;
    if (value < 0 || value > 0xFFFF)
        return;
    const auto ch = static_cast<char16_t>(value);
    if (isSurrogateHigh(ch)) {
        prepareForChars();
        settlePendingSurrogate();
        flushBytes();
        m_highSurrogate = ch;
        m_paragraphHasContent = true;
        return;
    }
    if (isSurrogateLow(ch)) {
        prepareForChars();
        if (!m_highSurrogate) {
            appendChar(ReplacementCharacter);
            return;
        }
        m_text += QChar(m_highSurrogate);
        m_text += QChar(ch);
        m_highSurrogate = 0;
        return;
    }
    appendChar(ch);
}

void RtfReader::settlePendingSurrogate()
{
    if (m_highSurrogate) {
        // A high surrogate whose partner never came.
        m_highSurrogate = 0;
        flushBytes();
        m_text += QChar(ReplacementCharacter);
        m_paragraphHasContent = true;
    }
}

void RtfReader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_text += m_codePages.decode(m_bytesCodePage, m_bytes);
    m_bytes.clear();
}

void RtfReader::flushText()
{
    flushBytes();
    if (m_text.isEmpty())
        return;
    // Control characters other than the tab, and those a text document reads as structure
    // (paragraph and frame marks, object places), are never document text, whether they came
    // as bytes, through a code page or from \u.
    m_text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t') || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC;
    });
    if (m_text.isEmpty())
        return;
    m_sink.text(m_text, resolve(m_textState));
    m_text.clear();
}

void RtfReader::endParagraph()
{
    settlePendingSurrogate();
    flushText();
    RtfParagraphFormat paragraph = resolveParagraph(top());
    if (m_pageBreakPending) {
        paragraph.pageBreakBefore = true;
        m_pageBreakPending = false;
    }
    m_sink.endParagraph(paragraph, resolve(top().chars));
    m_paragraphHasContent = false;
}

void RtfReader::finish()
{
    if (m_stack.empty())
        return;
    settlePendingSurrogate();
    flushText();
    // A last paragraph without its own end still counts when it holds anything.
    if (m_paragraphHasContent)
        endParagraph();
    m_stack.clear();
    m_done = true;
}

void RtfReader::commitFont()
{
    m_fontOpen = false;
    if (m_fonts.size() >= MaxFonts && m_fonts.find(m_fontNumber) == m_fonts.end())
        return;
    flushFontName();
    m_font.name = m_fontNameText.trimmed();
    m_fonts[m_fontNumber] = m_font;
    m_fontNameText.clear();
    m_resolvedValid = false;
}

void RtfReader::flushFontName()
{
    if (m_fontName.isEmpty())
        return;
    const int codePage = m_font.codePage > 0
        ? m_font.codePage
        : RtfCodePage::fromCharset(m_font.charset, m_documentCodePage);
    m_fontNameText += m_codePages.decode(codePage, m_fontName);
    m_fontName.clear();
}

void RtfReader::commitColor()
{
    if (m_colors.size() < MaxColors)
        m_colors.push_back(m_colorGiven ? QColor(m_red, m_green, m_blue) : QColor());
    m_colorGiven = false;
    m_red = m_green = m_blue = 0;
    m_resolvedValid = false;
}

int RtfReader::codePageOf(int font) const
{
    const auto found = m_fonts.find(font < 0 ? m_defaultFont : font);
    if (found == m_fonts.end())
        return m_documentCodePage;
    const Font &f = found->second;
    return f.codePage > 0 ? f.codePage : RtfCodePage::fromCharset(f.charset, m_documentCodePage);
}

const RtfCharFormat &RtfReader::resolve(const CharState &state)
{
    if (m_resolvedValid && m_resolvedState == state)
        return m_resolved;
    RtfCharFormat format;
    const auto font = m_fonts.find(state.font < 0 ? m_defaultFont : state.font);
    if (font != m_fonts.end())
        format.family = font->second.name;
    // Sizes outside what a word processor offers fall back to the default.
    format.halfPoints = (state.halfPoints > 0 && state.halfPoints <= 3276) ? state.halfPoints : 24;
    format.bold = state.bold;
    format.italic = state.italic;
    format.underline = state.underline;
    const auto colorAt = [this](int index) {
        return (index >= 0 && static_cast<std::size_t>(index) < m_colors.size()) ? m_colors[index] : QColor();
    };
    format.foreground = colorAt(state.foreground);
    // Index 0 means no background even when the table's first entry is a colour.
    format.background = state.background > 0 ? colorAt(state.background) : QColor();
    m_resolved = format;
    m_resolvedState = state;
    m_resolvedValid = true;
    return m_resolved;
}

RtfParagraphFormat RtfReader::resolveParagraph(const GroupState &state) const
{
    RtfParagraphFormat paragraph = state.paragraph;
    if (state.listOverride > 0) {
        // A list paragraph: its override names the list, the list's level gives the kind.
        RtfParagraphFormat::ListStyle style = RtfParagraphFormat::Bullet;
        const auto override = m_listOverrides.find(state.listOverride);
        if (override != m_listOverrides.end()) {
            const auto list = std::find_if(m_lists.begin(), m_lists.end(),
                [id = override->second](const ListDefinition &l) { return l.id == id; });
            if (list != m_lists.end() && !list->levelFormats.empty()) {
                const std::size_t level = std::min<std::size_t>(paragraph.listLevel, list->levelFormats.size() - 1);
                style = styleOfLevelFormat(list->levelFormats[level]);
            }
        }
        paragraph.listStyle = style;
        paragraph.listId = state.listOverride;
    }
    if (paragraph.listStyle == RtfParagraphFormat::None) {
        paragraph.listId = 0;
        paragraph.listLevel = 0;
    }
    return paragraph;
}
