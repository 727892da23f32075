// Collects the plain-text lines of an RTF document: one line per paragraph, and one more at
// each line break inside a paragraph.
#pragma once

#include "richtext/RtfSink.h"

#include <QByteArrayView>
#include <QStringList>

class RtfPlainText : public RtfSink {
public:
    // The lines of a whole RTF document.
    static QStringList lines(QByteArrayView rtf);

    void text(QStringView chars, const RtfCharFormat &format) override;
    void endParagraph(const RtfParagraphFormat &format, const RtfCharFormat &charFormat) override;

    const QStringList &result() const { return m_lines; }

private:
    QStringList m_lines;
    QString m_line;
};
