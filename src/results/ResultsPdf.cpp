// The results pages in PDF: the layout of ResultsPage drawn on A4.
#include "results/ResultsPdf.h"

#include "results/ResultsPage.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextLayout>
#include <QBuffer>
#include <QFontMetricsF>

namespace ResultsPdf {

QString defaultFileName(const QString &studentName, const QDate &date)
{
    static const QRegularExpression unsafe(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])"));
    QString name = studentName;
    name.replace(unsafe, QStringLiteral(" "));
    name = name.simplified();
    const QString day = date.toString(QStringLiteral("yyyy-MM-dd"));
    return name.isEmpty() ? QStringLiteral("Resultados %1.pdf").arg(day)
                          : QStringLiteral("Resultados de %1 %2.pdf").arg(name, day);
}

QStringList wrapped(const QString &text, const QFont &font, QPaintDevice *device, qreal width, int maxLines)
{
    // Most texts fit their column: measuring one is far cheaper than laying it out.
    const QFontMetricsF metrics(font, device);
    if (text.isEmpty() || metrics.horizontalAdvance(text) <= width)
        return {text};
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (maxLines > 0 && lines.size() == maxLines - 1) {
            lines << metrics.elidedText(text.mid(line.textStart()), Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

void setUpA4(QPdfWriter &pdf, qreal marginMillimetres, const QString &title)
{
    pdf.setResolution(300);
    const QMarginsF margins(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Tildora"));
}

TextFile::SaveStatus write(const QString &path, const ResultsSummary::Figures &figures,
                           const QList<SessionDetail::Miss> &misses, const QDateTime &when)
{
    // The pages are made in memory and saved like every other file of the program, so a full
    // disk or a folder without permission leaves an earlier file whole.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&file);
        setUpA4(pdf, 18, QStringLiteral("Resultados del test de acentos"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return TextFile::SaveStatus::CannotWrite;
        const ResultsPage page(figures, misses, when, &pdf, QSizeF(painter.viewport().size()));
        for (int n = 0; n < page.pageCount(); ++n) {
            if (n > 0 && !pdf.newPage())
                return TextFile::SaveStatus::CannotWrite;
            page.drawPage(painter, n);
        }
        if (!painter.end())
            return TextFile::SaveStatus::CannotWrite;
    }
    return TextFile::trySaveBytes(path, file.data());
}

} // namespace ResultsPdf
