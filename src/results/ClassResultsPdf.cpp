// The class table on A4 pages: laid out first (column widths, each row's height, which page
// it lands on), then drawn page by page so a long class can show its progress and be stopped.
// After the spread of the averages, when the folder brought details, the misses by rule.
#include "results/ClassResults.h"
#include "results/ResultsPdf.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>

namespace ClassResults {

namespace {

struct Fonts {
    QFont title;
    QFont body;
    QFont bold;
    QFont small;
};

Fonts pdfFonts()
{
    Fonts fonts;
    fonts.title = QFont(QStringLiteral("Liberation Sans"));
    fonts.title.setPointSize(16);
    fonts.title.setBold(true);
    fonts.body = QFont(QStringLiteral("Liberation Sans"));
    fonts.body.setPointSize(9);
    fonts.bold = fonts.body;
    fonts.bold.setBold(true);
    fonts.small = fonts.body;
    fonts.small.setPointSize(8);
    return fonts;
}

// One table row as laid out: the lines of its name and group, its height and its page.
struct LaidRow {
    QStringList name;
    QStringList group;
    qreal height = 0;
    int page = 0;
};

// One rule's row as laid out: the lines of its name, where it stands and on which page.
struct LaidRule {
    QStringList name;
    qreal top = 0;
    qreal height = 0;
    int page = 0;
};

class ClassPdf {
public:
    ClassPdf(QPdfWriter &pdf, const QList<Row> &rows, const QString &folder)
        : m_pdf(pdf), m_rows(rows), m_folder(folder), m_fonts(pdfFonts()), m_line(QFontMetricsF(m_fonts.body, &pdf).lineSpacing())
    {
    }

    // Lays everything out, telling `answer` between pieces of work so that the caller's window
    // keeps answering; false when the page cannot be drawn on, or when `answer` says stop.
    bool layOut(QPainter &painter, const std::function<bool()> &answer)
    {
        m_page = QRectF(painter.viewport());
        m_pad = m_line * 0.3;
        const QFontMetricsF body(m_fonts.body, &m_pdf);
        const QFontMetricsF bold(m_fonts.bold, &m_pdf);
        m_footer = QFontMetricsF(m_fonts.small, &m_pdf).lineSpacing() * 2;
        m_bottom = m_page.height() - m_footer;

        // The figures' columns as wide as their heading or their widest value; the date's as
        // its one line; the name and group share what is left, the group its own width at most.
        const QStringList headingTexts = headings();
        m_widths.fill(0, headingTexts.size());
        for (int c = 2; c < headingTexts.size(); ++c)
            m_widths[c] = std::max(bold.horizontalAdvance(headingTexts.at(c)), bold.horizontalAdvance(QStringLiteral("100,0")));
        m_widths[7] = std::max(m_widths[7], body.horizontalAdvance(QStringLiteral("00/00/0000 00:00")));
        for (int c = 2; c < headingTexts.size(); ++c)
            m_widths[c] += 2 * m_pad;
        qreal fixed = 0;
        for (int c = 2; c < headingTexts.size(); ++c)
            fixed += m_widths[c];
        const qreal shared = m_page.width() - fixed;
        if (shared < 8 * m_line)
            return false;
        qreal widestGroup = bold.horizontalAdvance(headingTexts.at(1));
        for (const Row &row : m_rows)
            widestGroup = std::max(widestGroup, body.horizontalAdvance(row.group));
        m_widths[1] = std::min(widestGroup + 2 * m_pad, shared * 0.35);
        m_widths[0] = shared - m_widths[1];

        m_headingHeight = bold.lineSpacing() + 2 * m_pad;
        m_laid.clear();
        m_laid.reserve(m_rows.size() + 1);
        // Groups repeat through a class: each is wrapped once.
        QHash<QString, QStringList> groups;
        for (const Row &row : m_rows) {
            if (m_laid.size() % 250 == 249 && answer && !answer())
                return false;
            LaidRow laid;
            laid.name = ResultsPdf::wrapped(row.name, m_fonts.body, &m_pdf, m_widths[0] - 2 * m_pad);
            auto group = groups.constFind(row.group);
            if (group == groups.constEnd())
                group = groups.insert(row.group, ResultsPdf::wrapped(row.group, m_fonts.body, &m_pdf, m_widths[1] - 2 * m_pad));
            laid.group = *group;
            laid.height = qreal(std::max(laid.name.size(), laid.group.size())) * m_line + 2 * m_pad;
            m_laid << laid;
        }
        LaidRow averagesRow;
        averagesRow.name = QStringList{QStringLiteral("Media de la clase")};
        averagesRow.group = QStringList{QString()};
        averagesRow.height = m_line + 2 * m_pad;
        m_laid << averagesRow;

        // Pages: a row that does not fit whole starts the next page, under the headings again.
        m_introHeight = introLines().size() * body.lineSpacing() + QFontMetricsF(m_fonts.title, &m_pdf).lineSpacing() + m_line;
        int page = 0;
        qreal y = m_introHeight + m_headingHeight;
        for (LaidRow &laid : m_laid) {
            if (y + laid.height > m_bottom && y > m_headingHeight + (page == 0 ? m_introHeight : 0)) {
                ++page;
                y = m_headingHeight;
            }
            laid.page = page;
            y += laid.height;
        }
        // The spread of the averages after a gap of its own; on a new page when it does not fit.
        m_chartHeight = std::min(m_page.height() * 0.4, m_page.width() * 0.5);
        m_chartTop = y + 2 * m_line;
        m_chartPage = page;
        if (m_chartTop + m_chartHeight > m_bottom) {
            m_chartPage = page + 1;
            m_chartTop = 0;
        }
        m_pages = m_chartPage + 1;
        if (anyDetail(m_rows))
            layOutRules(m_chartTop + m_chartHeight + 2 * m_line);
        return true;
    }

    int pages() const { return m_pages; }

    void drawPage(QPainter &painter, int page)
    {
        qreal y = 0;
        if (page == 0)
            y = drawIntro(painter);
        qsizetype first = 0;
        while (first < m_laid.size() && m_laid.at(first).page < page)
            ++first;
        if (first < m_laid.size() && m_laid.at(first).page == page) {
            y = drawHeadings(painter, y);
            for (qsizetype r = first; r < m_laid.size() && m_laid.at(r).page == page; ++r)
                y = drawRow(painter, r, y);
        }
        if (page == m_chartPage)
            drawChart(painter, m_chartTop);
        if (m_rulesPage >= 0)
            drawRules(painter, page);
        painter.setFont(m_fonts.small);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(0, m_bottom, m_page.width(), m_footer), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Página %1 de %2").arg(page + 1).arg(m_pages));
    }

private:
    QStringList introLines() const
    {
        return {QStringLiteral("Carpeta: %1").arg(QDir::toNativeSeparators(m_folder)),
                QStringLiteral("Alumnos: %1").arg(m_rows.size())};
    }

    qreal drawIntro(QPainter &painter)
    {
        painter.setPen(Qt::black);
        painter.setFont(m_fonts.title);
        const qreal titleHeight = QFontMetricsF(m_fonts.title, &m_pdf).lineSpacing();
        painter.drawText(QRectF(0, 0, m_page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Resultados de la clase"));
        painter.setFont(m_fonts.body);
        const qreal lineHeight = QFontMetricsF(m_fonts.body, &m_pdf).lineSpacing();
        qreal y = titleHeight;
        // A long folder is elided in its middle rather than pushing the table down.
        const QFontMetricsF metrics(m_fonts.body, &m_pdf);
        for (const QString &text : introLines()) {
            painter.drawText(QRectF(0, y, m_page.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(text, Qt::ElideMiddle, m_page.width()));
            y += lineHeight;
        }
        return m_introHeight;
    }

    static qreal columnLeft(const QList<qreal> &widths, int column)
    {
        qreal x = 0;
        for (int c = 0; c < column; ++c)
            x += widths.at(c);
        return x;
    }

    qreal columnLeft(int column) const { return columnLeft(m_widths, column); }

    // A table's headings; the figures' columns, from `firstFigure` up to `endFigures`, to the right.
    qreal drawHeadings(QPainter &painter, qreal y, const QStringList &texts, const QList<qreal> &widths, int firstFigure,
                       int endFigures)
    {
        painter.setFont(m_fonts.bold);
        for (int c = 0; c < texts.size(); ++c) {
            const QRectF cell(columnLeft(widths, c), y, widths.at(c), m_headingHeight);
            painter.fillRect(cell, QColor(0xdd, 0xe6, 0xf2));
            drawGrid(painter, cell);
            painter.setPen(Qt::black);
            painter.drawText(cell.adjusted(m_pad, m_pad, -m_pad, -m_pad),
                             (c >= firstFigure && c < endFigures ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                             texts.at(c));
        }
        return y + m_headingHeight;
    }

    qreal drawHeadings(QPainter &painter, qreal y) { return drawHeadings(painter, y, headings(), m_widths, 2, 7); }

    void drawGrid(QPainter &painter, const QRectF &cell)
    {
        painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell);
    }

    qreal drawRow(QPainter &painter, qsizetype index, qreal y)
    {
        const LaidRow &laid = m_laid.at(index);
        const bool averagesRow = index == m_rows.size();
        QStringList values;
        if (averagesRow) {
            const Averages a = averages(m_rows);
            for (double value : {a.board, a.examples, a.phrases, a.questions, a.average})
                values << averageText(value);
            values << QString();
        } else {
            const Row &row = m_rows.at(index);
            for (int score : {row.board, row.examples, row.phrases, row.questions, row.total})
                values << QString::number(score);
            values << row.date.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
        }
        painter.setFont(averagesRow ? m_fonts.bold : m_fonts.body);
        const QRectF band(0, y, m_page.width(), laid.height);
        if (averagesRow)
            painter.fillRect(band, QColor(0xdd, 0xe6, 0xf2));
        else if (index % 2 == 1)
            painter.fillRect(band, QColor(0xf3, 0xf3, 0xf3));
        for (int c = 0; c < 8; ++c) {
            // "Media de la clase" spans the name and the group.
            if (averagesRow && c == 1)
                continue;
            const qreal width = averagesRow && c == 0 ? m_widths.at(0) + m_widths.at(1) : m_widths.at(c);
            const QRectF cell(columnLeft(c), y, width, laid.height);
            drawGrid(painter, cell);
            painter.setPen(Qt::black);
            const QRectF inside = cell.adjusted(m_pad, m_pad, -m_pad, -m_pad);
            if (c < 2) {
                const QStringList &lines = c == 0 ? laid.name : laid.group;
                for (qsizetype n = 0; n < lines.size(); ++n)
                    painter.drawText(QRectF(inside.left(), inside.top() + n * m_line, inside.width(), m_line),
                                     Qt::AlignLeft | Qt::AlignVCenter, lines.at(n));
            } else {
                painter.drawText(QRectF(inside.left(), inside.top(), inside.width(), m_line),
                                 (c < 7 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, values.at(c - 2));
            }
        }
        return y + laid.height;
    }

    // The spread of the averages as bars: how many students in 0-9, 10-19, ... 90-100.
    void drawChart(QPainter &painter, qreal top)
    {
        const QList<int> bins = histogram(m_rows);
        const int highest = std::max(1, *std::max_element(bins.begin(), bins.end()));
        const QFontMetricsF metrics(m_fonts.body, &m_pdf);
        painter.setPen(Qt::black);
        painter.setFont(m_fonts.bold);
        painter.drawText(QRectF(0, top, m_page.width(), m_line * 1.5), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Reparto de los promedios"));
        painter.setFont(m_fonts.body);
        const qreal axisWidth = metrics.horizontalAdvance(QString::number(highest)) + 2 * m_pad;
        const QRectF plot(axisWidth, top + 3 * m_line, m_page.width() - axisWidth, m_chartHeight - 6 * m_line);
        // A few whole-student marks on the scale.
        const int step = std::max(1, (highest + 4) / 5);
        for (int count = 0; count <= highest; count += step) {
            const qreal y = plot.bottom() - plot.height() * count / highest;
            painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 0));
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(0, y - m_line / 2, axisWidth - m_pad, m_line), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(count));
        }
        const qreal slot = plot.width() / bins.size();
        for (int n = 0; n < bins.size(); ++n) {
            const qreal height = plot.height() * bins.at(n) / highest;
            const QRectF bar(plot.left() + n * slot + slot * 0.15, plot.bottom() - height, slot * 0.7, height);
            painter.fillRect(bar, QColor(0x2a, 0x7d, 0xd6));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(bar.left() - slot * 0.15, bar.top() - m_line, slot, m_line), Qt::AlignCenter,
                             QString::number(bins.at(n)));
            painter.drawText(QRectF(plot.left() + n * slot, plot.bottom() + m_pad, slot, m_line), Qt::AlignCenter,
                             QStringLiteral("%1–%2").arg(n * 10).arg(n == 9 ? 100 : n * 10 + 9));
        }
        painter.drawLine(plot.bottomLeft(), plot.bottomRight());
        painter.drawText(QRectF(plot.left(), plot.bottom() + m_line + m_pad, plot.width(), m_line), Qt::AlignCenter,
                         QStringLiteral("Promedio (%); cada barra cuenta los alumnos de su tramo"));
    }

    // The misses by rule after the chart: a title, the sentence, then the table, whose headings
    // come again on each page it goes on to. A column of bars shows each share against the
    // largest.
    void layOutRules(qreal y)
    {
        m_shares = ruleShares(m_rows);
        const QFontMetricsF body(m_fonts.body, &m_pdf);
        const QFontMetricsF bold(m_fonts.bold, &m_pdf);
        const QStringList texts = ruleHeadings();
        m_ruleWidths = {0, std::max(bold.horizontalAdvance(texts.at(1)), body.horizontalAdvance(QStringLiteral("00000"))),
                        std::max(bold.horizontalAdvance(texts.at(2)), body.horizontalAdvance(QStringLiteral("100,0 %"))),
                        m_page.width() * 0.25};
        m_ruleWidths[1] += 2 * m_pad;
        m_ruleWidths[2] += 2 * m_pad;
        m_ruleWidths[0] = m_page.width() - m_ruleWidths[1] - m_ruleWidths[2] - m_ruleWidths[3];
        m_sentence = ResultsPdf::wrapped(weakRules(m_rows), m_fonts.body, &m_pdf, m_page.width());
        m_rulesIntro = m_line * 1.5 + qreal(m_sentence.size()) * m_line + m_line;
        m_laidRules.clear();
        qreal whole = m_rulesIntro + m_headingHeight;
        for (const RuleShare &share : m_shares) {
            LaidRule laid;
            laid.name = ResultsPdf::wrapped(share.name, m_fonts.body, &m_pdf, m_ruleWidths[0] - 2 * m_pad);
            laid.height = qreal(laid.name.size()) * m_line + 2 * m_pad;
            whole += laid.height;
            m_laidRules << laid;
        }
        // On the next page when it does not fit whole here but would there; the title, the
        // sentence and the headings stay with the first row in any case.
        int page = m_chartPage;
        if ((y + whole > m_bottom && whole <= m_bottom) || y + m_rulesIntro + m_headingHeight + m_line + 2 * m_pad > m_bottom) {
            ++page;
            y = 0;
        }
        m_rulesPage = page;
        m_rulesTop = y;
        y += m_rulesIntro + m_headingHeight;
        for (LaidRule &laid : m_laidRules) {
            if (y + laid.height > m_bottom && y > m_headingHeight) {
                ++page;
                y = m_headingHeight;
            }
            laid.page = page;
            laid.top = y;
            y += laid.height;
        }
        m_pages = page + 1;
    }

    void drawRules(QPainter &painter, int page)
    {
        if (page == m_rulesPage) {
            painter.setPen(Qt::black);
            painter.setFont(m_fonts.bold);
            painter.drawText(QRectF(0, m_rulesTop, m_page.width(), m_line * 1.5), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("Fallos por regla"));
            painter.setFont(m_fonts.body);
            qreal y = m_rulesTop + m_line * 1.5;
            for (const QString &line : m_sentence) {
                painter.drawText(QRectF(0, y, m_page.width(), m_line), Qt::AlignLeft | Qt::AlignVCenter, line);
                y += m_line;
            }
            drawHeadings(painter, m_rulesTop + m_rulesIntro, ruleHeadings() << QString(), m_ruleWidths, 1, 3);
        } else if (page > m_rulesPage) {
            drawHeadings(painter, 0, ruleHeadings() << QString(), m_ruleWidths, 1, 3);
        }
        const double largest = m_shares.isEmpty() ? 0 : m_shares.first().percent;
        for (qsizetype r = 0; r < m_laidRules.size(); ++r) {
            const LaidRule &laid = m_laidRules.at(r);
            if (laid.page != page)
                continue;
            const RuleShare &share = m_shares.at(r);
            if (r % 2 == 1)
                painter.fillRect(QRectF(0, laid.top, m_page.width(), laid.height), QColor(0xf3, 0xf3, 0xf3));
            painter.setFont(m_fonts.body);
            const QString figures[] = {QString::number(share.misses), averageText(share.percent) + QStringLiteral(" %")};
            for (int c = 0; c < 4; ++c) {
                const QRectF cell(columnLeft(m_ruleWidths, c), laid.top, m_ruleWidths.at(c), laid.height);
                drawGrid(painter, cell);
                painter.setPen(Qt::black);
                const QRectF inside = cell.adjusted(m_pad, m_pad, -m_pad, -m_pad);
                if (c == 0) {
                    for (qsizetype n = 0; n < laid.name.size(); ++n)
                        painter.drawText(QRectF(inside.left(), inside.top() + qreal(n) * m_line, inside.width(), m_line),
                                         Qt::AlignLeft | Qt::AlignVCenter, laid.name.at(n));
                } else if (c < 3) {
                    painter.drawText(QRectF(inside.left(), inside.top(), inside.width(), m_line),
                                     Qt::AlignRight | Qt::AlignVCenter, figures[c - 1]);
                } else if (largest > 0) {
                    painter.fillRect(QRectF(inside.left(), inside.top() + m_line * 0.2,
                                            inside.width() * share.percent / largest, m_line * 0.6),
                                     QColor(0x2a, 0x7d, 0xd6));
                }
            }
        }
    }

    QPdfWriter &m_pdf;
    const QList<Row> &m_rows;
    QString m_folder;
    Fonts m_fonts;
    qreal m_line = 0;
    QRectF m_page;
    qreal m_pad = 0;
    qreal m_footer = 0;
    qreal m_bottom = 0;
    qreal m_headingHeight = 0;
    qreal m_introHeight = 0;
    qreal m_chartHeight = 0;
    qreal m_chartTop = 0;
    int m_chartPage = 0;
    int m_pages = 1;
    QList<qreal> m_widths;
    QList<LaidRow> m_laid;
    // The misses by rule; no page holds them when m_rulesPage is -1.
    QList<RuleShare> m_shares;
    QStringList m_sentence;
    QList<qreal> m_ruleWidths;
    QList<LaidRule> m_laidRules;
    qreal m_rulesTop = 0;
    qreal m_rulesIntro = 0;
    int m_rulesPage = -1;
};

} // namespace

std::optional<TextFile::SaveStatus> writePdf(const QString &path, const QList<Row> &rows, const QString &folder,
                                             const PdfProgress &progress)
{
    // The pages are made in memory and saved like every other file of the program, so a full
    // disk or a stopped export leaves an earlier file whole.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&file);
        ResultsPdf::setUpA4(pdf, 15, QStringLiteral("Resultados de la clase"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return TextFile::SaveStatus::CannotWrite;
        ClassPdf document(pdf, rows, folder);
        bool stopped = false;
        const auto answer = [&progress, &stopped] {
            stopped = progress && !progress(0, 0);
            return !stopped;
        };
        if (!document.layOut(painter, answer)) {
            painter.end();
            if (stopped)
                return std::nullopt;
            return TextFile::SaveStatus::CannotWrite;
        }
        for (int page = 0; page < document.pages(); ++page) {
            if (page > 0)
                pdf.newPage();
            document.drawPage(painter, page);
            if (progress && !progress(page + 1, document.pages())) {
                painter.end();
                return std::nullopt;
            }
        }
        if (!painter.end())
            return TextFile::SaveStatus::CannotWrite;
    }
    return TextFile::trySaveBytes(path, file.data());
}

} // namespace ClassResults
