// A text and the offsets of its lines.
#include "shared/TextLines.h"

TextLines::TextLines(QString text) : m_text(std::move(text))
{
    const qsizetype size = m_text.size();
    const QChar *data = m_text.constData();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = data[i].unicode();
        if (ch == u'\r' || ch == u'\n') {
            m_starts.append(start);
            if (ch == u'\r' && i + 1 < size && data[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < size)
        m_starts.append(start);
}

QString TextLines::line(qsizetype n) const
{
    if (n < 1 || n > m_starts.size())
        return QString();
    const qsizetype start = m_starts.at(n - 1);
    qsizetype end = start;
    const qsizetype size = m_text.size();
    while (end < size && m_text.at(end) != u'\r' && m_text.at(end) != u'\n')
        ++end;
    return m_text.mid(start, end - start);
}
