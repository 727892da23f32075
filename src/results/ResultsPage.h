// The student's results page: what it says (the student, the date, the score strip, the table of
// the four exercises, the rules to practise and the missed words by rule), laid out on A4 pages
// and drawn there as text and vectors, so that it prints sharp at any size.
#pragma once

#include "results/ResultsSummary.h"
#include "results/SessionDetail.h"

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

class QPaintDevice;
class QPainter;

// The page is laid out once, as blocks each with its page and place, then drawn page by page:
// the drawing only paints what the layout decided.
class ResultsPage {
public:
    // One row of the exercises' table. A count the exercise does not keep (the questions keep
    // only a percentage) is shown as a dash, never made up.
    struct ExerciseRow {
        QString exercise;
        QString hits;
        QString misses;
        QString percent;

        bool operator==(const ExerciseRow &) const = default;
    };
    // The four exercises, then the average.
    static QList<ExerciseRow> exerciseRows(const ResultsSummary::Figures &figures);

    // "8 de diciembre de 2026".
    static QString longDate(const QDate &date);

    // What "Para practicar ahora" says: the two rules missed most, each with its misses; a
    // session without a miss anywhere gets praise; one whose misses were counted but not kept
    // word by word points to the exercise with the lowest mark; one with nothing answered says so.
    static QStringList practiseNext(const ResultsSummary::Figures &figures, const QList<SessionDetail::Miss> &misses);

    // A miss as its row shows it: the exercise, the word (a question's pair), the answer, the
    // right form and why (the explanation, or the rule's name when there is none).
    static QStringList missCells(const SessionDetail::Miss &miss);

    enum class Kind { Title, Field, Strip, Heading, TableHead, TableRow, TableTotal, Practise, RuleHeading, MissHead, MissRow, Footer };

    struct Block {
        Kind kind = Kind::Field;
        int page = 0;
        QRectF rect;
        // Its texts, one list per cell, each cut into the lines it is drawn in.
        QList<QStringList> cells;
    };

    // Lays the page out on `device` (measured there), for a printable area of `area` device units.
    ResultsPage(const ResultsSummary::Figures &figures, const QList<SessionDetail::Miss> &misses, const QDateTime &when,
                QPaintDevice *device, const QSizeF &area);

    int pageCount() const { return m_pages; }
    const QList<Block> &blocks() const { return m_blocks; }

    // The texts one page shows, a line per block in reading order, cells joined by " | ".
    QStringList texts(int page) const;

    void drawPage(QPainter &painter, int page) const;

    // No cell grows past this many lines: a freak text can never make a row taller than a page.
    static constexpr int maxCellLines = 6;

private:
    struct Fonts {
        QFont title;
        QFont heading;
        QFont body;
        QFont bold;
        QFont small;
        QFont strip;
    };

    void layOut(const QDateTime &when);
    void layOutMisses();
    void add(Kind kind, qreal height, const QList<QStringList> &cells);
    void newPage();
    QStringList cut(const QString &text, const QFont &font, qreal width) const;
    QList<qreal> columns(Kind kind) const;
    qreal lineHeight(const QFont &font) const;
    qreal millimetres(qreal mm) const;

    void drawStrip(QPainter &painter, const Block &block) const;
    void drawRow(QPainter &painter, const Block &block) const;

    ResultsSummary::Figures m_figures;
    QList<SessionDetail::Miss> m_misses;
    QPaintDevice *m_device;
    QSizeF m_area;
    Fonts m_fonts;
    qreal m_pad = 0;
    qreal m_bottom = 0;
    qreal m_y = 0;
    int m_page = 0;
    int m_pages = 1;
    QList<Block> m_blocks;
};
