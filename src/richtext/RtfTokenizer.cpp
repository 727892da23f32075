// Splits RTF bytes into tokens; every loop is bounded by the input, so no input can hang it.
#include "richtext/RtfTokenizer.h"

#include <climits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfToken RtfTokenizer::next()
{
    const qsizetype size = m_input.size();
    // Line breaks and NUL bytes carry no meaning in RTF text.
    while (m_pos < size) {
        const char c = m_input[m_pos];
        if (c != '\r' && c != '\n' && c != '\0')
            break;
        ++m_pos;
    }
    RtfToken token;
    if (m_pos >= size)
        return token;

    const char c = m_input[m_pos];
    if (c == '{') {
        ++m_pos;
        token.type = RtfToken::GroupStart;
        return token;
    }
    if (c == '}') {
        ++m_pos;
        token.type = RtfToken::GroupEnd;
        return token;
    }
    if (c == '\\')
        return readEscape();

    const qsizetype start = m_pos;
    while (m_pos < size) {
        const char t = m_input[m_pos];
        if (t == '\\' || t == '{' || t == '}' || t == '\r' || t == '\n' || t == '\0')
            break;
        ++m_pos;
    }
    token.type = RtfToken::Text;
    token.data = m_input.sliced(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::readEscape()
{
    const qsizetype size = m_input.size();
    ++m_pos; // the backslash
    RtfToken token;
    if (m_pos >= size)
        return token; // a lone backslash at the very end
    const char c = m_input[m_pos];
    if (isLetter(c))
        return readControlWord();

    ++m_pos;
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < size) {
            const int h = hexValue(m_input[m_pos]);
            if (h < 0)
                break;
            value = value * 16 + h;
            ++digits;
            ++m_pos;
        }
        if (digits < 2) {
            // A broken escape contributes nothing; what follows is read as usual.
            token.type = RtfToken::ControlSymbol;
            token.symbol = 0;
            return token;
        }
        token.type = RtfToken::HexByte;
        token.param = value;
        return token;
    }
    token.type = RtfToken::ControlSymbol;
    token.symbol = (c == '\r' || c == '\n') ? '\n' : c;
    return token;
}

RtfToken RtfTokenizer::readControlWord()
{
    const qsizetype size = m_input.size();
    RtfToken token;
    token.type = RtfToken::ControlWord;

    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(m_input[m_pos]))
        ++m_pos;
    if (m_pos - start <= MaxWordLength)
        token.name = m_input.sliced(start, m_pos - start);

    bool negative = false;
    if (m_pos + 1 < size && m_input[m_pos] == '-' && isDigit(m_input[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_input[m_pos])) {
        // Read every digit but keep the value within 32 bits.
        long long value = 0;
        while (m_pos < size && isDigit(m_input[m_pos])) {
            if (value <= INT_MAX)
                value = value * 10 + (m_input[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            value = -value;
        if (value > INT_MAX)
            value = INT_MAX;
        if (value < INT_MIN)
            value = INT_MIN;
        token.hasParam = true;
        token.param = static_cast<int>(value);
    }
    if (m_pos < size && m_input[m_pos] == ' ')
        ++m_pos; // the delimiter belongs to the word

    if (token.name == QByteArrayView("bin") && token.hasParam) {
        // Binary data is never parsed: take as many bytes as the word asks for, or what is left.
        const qsizetype wanted = token.param > 0 ? token.param : 0;
        const qsizetype length = qMin(wanted, size - m_pos);
        token.type = RtfToken::Binary;
        token.data = m_input.sliced(m_pos, length);
        m_pos += length;
    }
    return token;
}
