// The student's results page: its texts, its layout on A4 pages and its drawing.
#include "results/ResultsPage.h"

#include "results/MissRules.h"
#include "results/ResultsPdf.h"
#include "shared/Colors.h"
#include "shared/FontSubstitutes.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace {

const QString dash = QStringLiteral("—");

QString capitalised(const QString &text)
{
    return text.isEmpty() ? text : text.at(0).toUpper() + text.mid(1);
}

QString missCount(int misses)
{
    return misses == 1 ? QStringLiteral("1 fallo") : QStringLiteral("%1 fallos").arg(misses);
}

QString percentText(int percent)
{
    return QStringLiteral("%1 %").arg(percent);
}

QColor colour(TColor stored)
{
    return Colors::toQColor(stored, QPalette());
}

} // namespace

QList<ResultsPage::ExerciseRow> ResultsPage::exerciseRows(const ResultsSummary::Figures &f)
{
    using SessionDetail::Exercise;
    using SessionDetail::exerciseName;
    const ResultsSummary::StripFigures &p = f.percentages;
    // The classification counts attempts and the phrases the phrases checked: what is not a hit
    // of those is a miss. A count below its hits is no count the program keeps: no misses.
    const auto missesOf = [](int hits, int tries) { return QString::number(std::max(0, tries - hits)); };
    return {
        {exerciseName(Exercise::Board), QString::number(f.boardHits), QString::number(f.boardMisses), percentText(p.board)},
        {exerciseName(Exercise::Examples), QString::number(f.exampleHits), missesOf(f.exampleHits, f.exampleAttempts),
         percentText(p.examples)},
        {exerciseName(Exercise::Phrases), QString::number(f.phraseHits), missesOf(f.phraseHits, f.phraseTotal),
         percentText(p.phrases)},
        {exerciseName(Exercise::Questions), dash, dash, percentText(p.questions)},
        {QStringLiteral("Promedio"), QString(), QString(), percentText(p.total)},
    };
}

QString ResultsPage::longDate(const QDate &date)
{
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(date, QStringLiteral("d 'de' MMMM 'de' yyyy"));
}

QStringList ResultsPage::practiseNext(const ResultsSummary::Figures &f, const QList<SessionDetail::Miss> &misses)
{
    if (!misses.isEmpty()) {
        QStringList lines;
        for (const SessionDetail::RuleCount &rule : SessionDetail::byRule(misses).mid(0, 2))
            lines << QStringLiteral("%1: %2").arg(capitalised(rule.name), missCount(rule.misses));
        return lines;
    }
    const ResultsSummary::StripFigures &p = f.percentages;
    const bool answered = f.boardHits + f.boardMisses > 0 || f.exampleAttempts > 0 || f.phraseTotal > 0 || p.questions > 0;
    if (!answered)
        return {QStringLiteral("Todavía no has respondido a ningún ejercicio.")};
    // A questions' mark between 0 and 100 says there were misses; 0 may only mean none answered.
    const bool missed = f.boardMisses > 0 || f.exampleAttempts > f.exampleHits || f.phraseTotal > f.phraseHits
                        || (p.questions > 0 && p.questions < 100);
    if (!missed)
        return {QStringLiteral("No has tenido fallos: ¡enhorabuena!")};
    // Misses counted but not kept word by word: the exercise with the lowest mark says where.
    const std::array marks{p.board, p.examples, p.phrases, p.questions};
    const auto lowest = std::min_element(marks.begin(), marks.end());
    const auto exercise = SessionDetail::Exercise(lowest - marks.begin());
    return {QStringLiteral("Repasa el apartado con la nota más baja: %1 (%2).")
                .arg(SessionDetail::exerciseName(exercise), percentText(*lowest))};
}

QStringList ResultsPage::missCells(const SessionDetail::Miss &miss)
{
    const QString why = miss.explanation.isEmpty() ? capitalised(MissRules::shownName(miss.rule, miss.ruleName))
                                                   : miss.explanation;
    return {SessionDetail::exerciseName(miss.exercise), miss.shown.isEmpty() ? dash : miss.shown,
            miss.answer.isEmpty() ? QStringLiteral("(sin respuesta)") : miss.answer, miss.right, why};
}

ResultsPage::ResultsPage(const ResultsSummary::Figures &figures, const QList<SessionDetail::Miss> &misses,
                         const QDateTime &when, QPaintDevice *device, const QSizeF &area)
    : m_figures(figures), m_misses(misses), m_device(device), m_area(area)
{
    // The practice window's own faces: its rounded hand for the titles and the strip, the
    // sans of its lists for the rest.
    const QString hand = FontSubstitutes::installedFamily(QStringLiteral("Comic Sans MS"));
    const QString sans = FontSubstitutes::installedFamily(QStringLiteral("Arial"));
    m_fonts.title = QFont(hand);
    m_fonts.title.setPointSizeF(20);
    m_fonts.title.setBold(true);
    m_fonts.heading = QFont(hand);
    m_fonts.heading.setPointSizeF(13);
    m_fonts.heading.setBold(true);
    m_fonts.body = QFont(sans);
    m_fonts.body.setPointSizeF(10);
    m_fonts.bold = m_fonts.body;
    m_fonts.bold.setBold(true);
    m_fonts.small = QFont(sans);
    m_fonts.small.setPointSizeF(8);
    m_fonts.strip = QFont(hand);
    m_fonts.strip.setPointSizeF(11);
    m_fonts.strip.setBold(true);
    m_pad = millimetres(1.2);
    m_bottom = m_area.height() - lineHeight(m_fonts.small) - millimetres(4);
    layOut(when);
}

qreal ResultsPage::millimetres(qreal mm) const
{
    return mm * m_device->logicalDpiY() / 25.4;
}

qreal ResultsPage::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font, m_device).lineSpacing();
}

QList<qreal> ResultsPage::columns(Kind kind) const
{
    QList<qreal> shares;
    switch (kind) {
    case Kind::Field:
        shares = {0.2, 0.8};
        break;
    case Kind::TableHead:
    case Kind::TableRow:
    case Kind::TableTotal:
        shares = {0.4, 0.2, 0.2, 0.2};
        break;
    case Kind::MissHead:
    case Kind::MissRow:
        shares = {0.13, 0.16, 0.16, 0.16, 0.39};
        break;
    case Kind::Practise:
        shares = {0.04, 0.96};
        break;
    case Kind::Footer:
        shares = {0.75, 0.25};
        break;
    default:
        shares = {1.0};
    }
    for (qreal &share : shares)
        share *= m_area.width();
    return shares;
}

QStringList ResultsPage::cut(const QString &text, const QFont &font, qreal width) const
{
    // Far more than the cell's lines can show is never laid out: it would only be cut away.
    return ResultsPdf::wrapped(text.left(maxCellLines * 300).simplified(), font, m_device, width, maxCellLines);
}

void ResultsPage::add(Kind kind, qreal height, const QList<QStringList> &cells)
{
    m_blocks.append({kind, m_page, QRectF(0, m_y, m_area.width(), height), cells});
    m_y += height;
}

void ResultsPage::newPage()
{
    ++m_page;
    m_y = 0;
}

void ResultsPage::layOut(const QDateTime &when)
{
    const qreal gap = millimetres(6);
    const qreal heading = lineHeight(m_fonts.heading) * 1.4;
    const qreal row = lineHeight(m_fonts.body) + 2 * m_pad;
    add(Kind::Title, lineHeight(m_fonts.title) + millimetres(3), {{QStringLiteral("Tildora: resultados del test de acentos")}});
    m_y += millimetres(3);

    const qreal field = lineHeight(m_fonts.body) * 1.3;
    add(Kind::Field, field, {{QStringLiteral("Alumno:")}, {m_figures.studentName.isEmpty() ? dash : m_figures.studentName}});
    if (!m_figures.studentGroup.isEmpty())
        add(Kind::Field, field, {{QStringLiteral("Curso y grupo:")}, {m_figures.studentGroup}});
    add(Kind::Field, field, {{QStringLiteral("Fecha:")}, {longDate(when.date())}});
    m_y += gap;

    const ResultsSummary::StripFigures &p = m_figures.percentages;
    add(Kind::Strip, millimetres(36),
        {{QStringLiteral("Tablero"), percentText(p.board)},
         {QStringLiteral("Ejemplos"), percentText(p.examples)},
         {QStringLiteral("Frases"), percentText(p.phrases)},
         {QStringLiteral("Cuestiones"), percentText(p.questions)},
         {QStringLiteral("TOTAL"), percentText(p.total)}});
    m_y += gap;

    add(Kind::Heading, heading, {{QStringLiteral("Notas por apartado")}});
    add(Kind::TableHead, row, {{QStringLiteral("Apartado")}, {QStringLiteral("Aciertos")}, {QStringLiteral("Fallos")}, {QStringLiteral("Nota")}});
    const QList<ExerciseRow> rows = exerciseRows(m_figures);
    for (const ExerciseRow &r : rows)
        add(&r == &rows.last() ? Kind::TableTotal : Kind::TableRow, row, {{r.exercise}, {r.hits}, {r.misses}, {r.percent}});
    m_y += gap;

    add(Kind::Heading, heading, {{QStringLiteral("Para practicar ahora")}});
    const QStringList practise = practiseNext(m_figures, m_misses);
    const qreal textWidth = columns(Kind::Practise).at(1);
    for (qsizetype n = 0; n < practise.size(); ++n) {
        const QStringList lines = cut(practise.at(n), m_fonts.body, textWidth);
        const QString number = practise.size() > 1 || !m_misses.isEmpty() ? QStringLiteral("%1.").arg(n + 1) : QString();
        add(Kind::Practise, lines.size() * lineHeight(m_fonts.body) + m_pad, {{number}, lines});
    }

    layOutMisses();

    m_pages = m_page + 1;
    QStringList who{QStringLiteral("Tildora"), m_figures.studentName, longDate(when.date())};
    who.removeAll(QString());
    for (int page = 0; page < m_pages; ++page)
        m_blocks.append({Kind::Footer, page, QRectF(0, m_bottom, m_area.width(), m_area.height() - m_bottom),
                         {{who.join(QStringLiteral(" · "))}, {QStringLiteral("Página %1 de %2").arg(page + 1).arg(m_pages)}}});
}

void ResultsPage::layOutMisses()
{
    if (m_misses.isEmpty())
        return;
    const qreal heading = lineHeight(m_fonts.heading) * 1.4;
    const qreal head = lineHeight(m_fonts.bold) + 2 * m_pad;
    const qreal ruleHeading = lineHeight(m_fonts.bold) + 2 * m_pad;
    const QList<qreal> widths = columns(Kind::MissRow);
    const QList<QStringList> headings{{QStringLiteral("Apartado")}, {QStringLiteral("Palabra")},
                                      {QStringLiteral("Tu respuesta")}, {QStringLiteral("Correcta")},
                                      {QStringLiteral("Por qué")}};
    const QString title = QStringLiteral("Palabras falladas, por regla");

    m_y += millimetres(6);
    bool opened = false;
    for (const SessionDetail::RuleCount &rule : SessionDetail::byRule(m_misses)) {
        const QString name = rule.name.isEmpty() ? QStringLiteral("Otros fallos") : capitalised(rule.name);
        bool firstOfRule = true;
        for (const SessionDetail::Miss &miss : m_misses) {
            if (miss.rule != rule.rule)
                continue;
            const QStringList texts = missCells(miss);
            QList<QStringList> cells;
            qsizetype lines = 1;
            for (qsizetype c = 0; c < texts.size(); ++c) {
                cells << cut(texts.at(c), m_fonts.body, widths.at(c) - 2 * m_pad);
                lines = std::max(lines, cells.last().size());
            }
            const qreal height = qreal(lines) * lineHeight(m_fonts.body) + 2 * m_pad;
            // A rule's heading never ends a page alone, nor the list's headings.
            const qreal needed = height + (firstOfRule ? ruleHeading : 0) + (opened ? 0 : heading + head);
            if (m_y + needed > m_bottom) {
                newPage();
                if (opened) {
                    add(Kind::Heading, heading, {{title + QStringLiteral(" (continuación)")}});
                    add(Kind::MissHead, head, headings);
                    if (!firstOfRule)
                        add(Kind::RuleHeading, ruleHeading, {{name + QStringLiteral(" (continuación)")}});
                }
            }
            if (!opened) {
                add(Kind::Heading, heading, {{title}});
                add(Kind::MissHead, head, headings);
                opened = true;
            }
            if (firstOfRule)
                add(Kind::RuleHeading, ruleHeading, {{QStringLiteral("%1: %2").arg(name, missCount(rule.misses))}});
            firstOfRule = false;
            add(Kind::MissRow, height, cells);
        }
    }
}

QStringList ResultsPage::texts(int page) const
{
    QStringList texts;
    for (const Block &block : m_blocks) {
        if (block.page != page)
            continue;
        QStringList cells;
        for (const QStringList &cell : block.cells)
            if (!cell.join(QString()).isEmpty())
                cells << cell.join(QLatin1Char(' '));
        if (!cells.isEmpty())
            texts << cells.join(QStringLiteral(" | "));
    }
    return texts;
}

void ResultsPage::drawPage(QPainter &painter, int page) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor blue = colour(Colors::stripBlue);
    const qreal thin = millimetres(0.2);
    for (const Block &block : m_blocks) {
        if (block.page != page)
            continue;
        const QRectF &r = block.rect;
        switch (block.kind) {
        case Kind::Title:
            painter.setFont(m_fonts.title);
            painter.setPen(colour(Colors::clNavy));
            painter.drawText(r.adjusted(0, 0, 0, -millimetres(3)), Qt::AlignLeft | Qt::AlignVCenter, block.cells.at(0).at(0));
            painter.setPen(QPen(blue, millimetres(0.6)));
            painter.drawLine(QPointF(r.left(), r.bottom() - millimetres(1)), QPointF(r.right(), r.bottom() - millimetres(1)));
            break;
        case Kind::Strip:
            drawStrip(painter, block);
            break;
        case Kind::Heading:
            painter.setFont(m_fonts.heading);
            painter.setPen(blue);
            painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, block.cells.at(0).at(0));
            break;
        case Kind::TableHead:
        case Kind::MissHead:
            painter.fillRect(r, blue);
            drawRow(painter, block);
            break;
        case Kind::RuleHeading:
            painter.fillRect(r, QColor(0xe3, 0xec, 0xf6));
            drawRow(painter, block);
            break;
        case Kind::TableTotal:
            painter.setPen(QPen(blue, millimetres(0.4)));
            painter.drawLine(r.topLeft(), r.topRight());
            drawRow(painter, block);
            break;
        case Kind::Footer:
            painter.setPen(QPen(Qt::gray, thin));
            painter.drawLine(QPointF(r.left(), r.top() + millimetres(2)), QPointF(r.right(), r.top() + millimetres(2)));
            drawRow(painter, block);
            break;
        default:
            drawRow(painter, block);
            if (block.kind == Kind::TableRow || block.kind == Kind::MissRow) {
                painter.setPen(QPen(QColor(0xbb, 0xc4, 0xd0), thin));
                painter.drawLine(r.bottomLeft(), r.bottomRight());
            }
        }
    }
    painter.restore();
}

void ResultsPage::drawRow(QPainter &painter, const Block &block) const
{
    QFont font = m_fonts.body;
    QColor pen = Qt::black;
    bool numbers = false;
    qreal top = m_pad;
    switch (block.kind) {
    case Kind::TableHead:
    case Kind::MissHead:
        font = m_fonts.bold;
        pen = Qt::white;
        numbers = block.kind == Kind::TableHead;
        break;
    case Kind::TableRow:
        numbers = true;
        break;
    case Kind::TableTotal:
        font = m_fonts.bold;
        numbers = true;
        break;
    case Kind::RuleHeading:
        font = m_fonts.bold;
        pen = colour(Colors::clNavy);
        break;
    case Kind::Footer:
        font = m_fonts.small;
        pen = Qt::darkGray;
        top = millimetres(3);
        break;
    case Kind::Field:
    case Kind::Practise:
        top = 0;
        break;
    default:
        break;
    }
    const QList<qreal> widths = columns(block.kind);
    const qreal line = lineHeight(font);
    qreal x = block.rect.left();
    for (qsizetype c = 0; c < block.cells.size() && c < widths.size(); ++c) {
        const qreal width = widths.at(c);
        // Labels and list numbers stand out; the figures sit right, under their headings.
        const bool label = c == 0 && (block.kind == Kind::Field || block.kind == Kind::Practise);
        painter.setFont(label ? m_fonts.bold : font);
        painter.setPen(label ? colour(Colors::clNavy) : pen);
        const Qt::Alignment align = (numbers && c > 0) || (block.kind == Kind::Footer && c > 0) ? Qt::AlignRight : Qt::AlignLeft;
        const QFontMetricsF metrics(painter.font(), m_device);
        qreal y = block.rect.top() + top;
        for (const QString &text : block.cells.at(c)) {
            const QRectF place(x + m_pad, y, width - 2 * m_pad, line);
            painter.drawText(place, align | Qt::AlignVCenter, metrics.elidedText(text, Qt::ElideRight, place.width()));
            y += line;
        }
        x += width;
    }
}

void ResultsPage::drawStrip(QPainter &painter, const Block &block) const
{
    // The strip as the practice window shows it: a rounded blue box, four pies in aqua and the
    // total's larger one in green, each filled clockwise from twelve o'clock, under yellow captions.
    const QRectF &r = block.rect;
    const QColor blue = colour(Colors::stripBlue);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawRoundedRect(r, millimetres(4), millimetres(4));
    // The light frame the gauges stand in on screen.
    painter.setPen(QPen(QColor(0xd8, 0xe0, 0xea), millimetres(0.4)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(millimetres(2.5), millimetres(2.5), -millimetres(2.5), -millimetres(2.5)));

    const std::array percents{m_figures.percentages.board, m_figures.percentages.examples, m_figures.percentages.phrases,
                              m_figures.percentages.questions, m_figures.percentages.total};
    const qreal slot = r.width() / qreal(percents.size());
    const qreal captionHeight = lineHeight(m_fonts.strip);
    const qreal totalScale = 57.0 / 49.0;
    // Inside the frame: 2 mm above the largest pie, 2 mm under the figures.
    const qreal inset = millimetres(4.5);
    const qreal diameter = std::min(slot * 0.5, r.height() - 2 * inset - 2 * captionHeight - millimetres(1)) / totalScale;
    const qreal centreY = r.top() + inset + diameter * totalScale / 2;
    for (std::size_t g = 0; g < percents.size(); ++g) {
        const bool total = g + 1 == percents.size();
        const QColor fill = colour(total ? Colors::stripTotalGreen : Colors::clAqua);
        const qreal size = total ? diameter * totalScale : diameter;
        const QPointF centre(r.left() + slot * (qreal(g) + 0.5), centreY);
        const QRectF disc(centre.x() - size / 2, centre.y() - size / 2, size, size);
        painter.setPen(QPen(fill, millimetres(0.3)));
        painter.setBrush(blue);
        painter.drawEllipse(disc);
        const int percent = std::clamp(percents[g], 0, 100);
        if (percent > 0) {
            QPainterPath sector;
            sector.moveTo(centre);
            sector.arcTo(disc, 90, -3.6 * percent);
            sector.closeSubpath();
            painter.setBrush(fill);
            painter.drawPath(sector);
        }
        const QStringList &texts = block.cells.at(qsizetype(g));
        const qreal textTop = centreY + diameter * totalScale / 2 + millimetres(1);
        painter.setFont(m_fonts.strip);
        painter.setPen(colour(Colors::clYellow));
        painter.drawText(QRectF(centre.x() - slot / 2, textTop, slot, captionHeight), Qt::AlignCenter, texts.at(0));
        painter.setPen(Qt::white);
        painter.drawText(QRectF(centre.x() - slot / 2, textTop + captionHeight, slot, captionHeight), Qt::AlignCenter,
                         texts.at(1));
    }
}
