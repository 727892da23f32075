// The results page in PDF: the summary's lines and the score strip on A4.
#include "results/ResultsPdf.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QBuffer>

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

void setUpA4(QPdfWriter &pdf, qreal marginMillimetres, const QString &title)
{
    pdf.setResolution(300);
    const QMarginsF margins(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Tildora"));
}

TextFile::SaveStatus write(const QString &path, const ResultsSummary::Figures &figures, const QDateTime &when, const QImage &strip)
{
    // The page is made in memory and saved like every other file of the program, so a full
    // disk or a folder without permission leaves an earlier file whole.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&file);
        setUpA4(pdf, 20, QStringLiteral("Resultados del test de acentos"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return TextFile::SaveStatus::CannotWrite;
        const QRect page = painter.viewport();
        const int width = page.width();
        int y = 0;
        const auto line = [&](const QString &text, const QFont &font, const QColor &colour) {
            painter.setFont(font);
            painter.setPen(colour);
            const QFontMetrics metrics(font, &pdf);
            painter.drawText(QRect(0, y, width, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
            y += metrics.height();
        };

        QFont title(QStringLiteral("Liberation Sans"));
        title.setPointSize(18);
        title.setBold(true);
        QFont body(QStringLiteral("Liberation Sans"));
        body.setPointSize(11);
        QFont figuresFont(QStringLiteral("Liberation Mono"));
        figuresFont.setPointSize(11);
        line(QStringLiteral("Tildora: resultados del test de acentos"), title, QColor(0, 0, 128));
        y += 40;
        line(QStringLiteral("Alumno: %1").arg(figures.studentName), body, Qt::black);
        line(QStringLiteral("Curso y grupo: %1").arg(figures.studentGroup), body, Qt::black);
        line(QStringLiteral("Fecha: %1").arg(when.toString(QStringLiteral("dd/MM/yyyy HH:mm"))), body, Qt::black);
        y += 60;
        // The summary exactly as the box "PUNTUACIÓN" shows it, one line per line.
        for (const QString &text : ResultsSummary::summaryText(figures).split(QLatin1Char('\r')))
            line(text, figuresFont, Qt::black);
        y += 60;
        if (!strip.isNull()) {
            const QSize size = strip.size().scaled(width, page.height() - y, Qt::KeepAspectRatio);
            painter.drawImage(QRect(QPoint(0, y), size), strip);
        }
        if (!painter.end())
            return TextFile::SaveStatus::CannotWrite;
    }
    return TextFile::trySaveBytes(path, file.data());
}

} // namespace ResultsPdf
