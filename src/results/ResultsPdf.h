// The results as one A4 PDF page, for schools without a mail program.
#pragma once

#include "results/ResultsSummary.h"
#include "shared/TextFile.h"

#include <QDateTime>
#include <QImage>
#include <QString>

class QPdfWriter;

namespace ResultsPdf {

// "Resultados de <name> <yyyy-MM-dd>.pdf", without the characters a file name cannot hold;
// "Resultados <yyyy-MM-dd>.pdf" with no name.
QString defaultFileName(const QString &studentName, const QDate &date);

// Sets a program's PDF up as A4 portrait at 300 dpi with even margins, its title and creator.
void setUpA4(QPdfWriter &pdf, qreal marginMillimetres, const QString &title);

// Writes the page: the student's data, the date, the fourteen lines of the summary and the
// picture of the score strip. Through the program's safe save, so a failed write (a full disk
// too) leaves an earlier file whole.
TextFile::SaveStatus write(const QString &path, const ResultsSummary::Figures &figures, const QDateTime &when,
           const QImage &strip);

} // namespace ResultsPdf
