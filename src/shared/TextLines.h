// A text held once and its lines found by number: a board file of a million lines costs its
// text and one offset per line, not a string per line.
#pragma once

#include <QList>
#include <QString>

class TextLines {
public:
    TextLines() = default;
    // Lines end at CR LF, LF or CR; a final line break adds no empty line.
    explicit TextLines(QString text);

    qsizetype count() const { return m_starts.size(); }
    // Line n (1-based); empty past the end.
    QString line(qsizetype n) const;

private:
    QString m_text;
    QList<qsizetype> m_starts;
};
