// Writes a QTextDocument as RTF: Windows-1252 text with \u for the rest, a font and a colour
// table, paragraphs with alignment, indents and bullets, runs with font, size, bold, italic,
// underline and colours.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>

#include <unordered_map>
#include <vector>

class QTextBlock;
class QTextDocument;
class QTextCharFormat;

class RtfWriter {
public:
    static QByteArray write(const QTextDocument &document);

private:
    explicit RtfWriter(const QTextDocument &document);
    QByteArray run();

    void writeParagraph(const QTextBlock &block);
    QByteArray runPrefix(int formatIndex, const QTextCharFormat &format);
    QByteArray makeRunPrefix(const QTextCharFormat &format);
    double pointSize(const QTextCharFormat &format) const;
    int fontIndex(const QString &family);
    int colorIndex(const QColor &color);
    void appendText(QByteArray &out, QStringView text) const;

    const QTextDocument &m_document;
    QString m_defaultFamily;
    double m_defaultPointSize = 12;
    QByteArray m_body;
    std::vector<QString> m_fonts;
    QHash<QString, int> m_fontIndexes;
    std::vector<QRgb> m_colors;          // entries after the automatic one
    QHash<QRgb, int> m_colorIndexes;
    std::unordered_map<int, QByteArray> m_prefixes; // by the document's format index
};
