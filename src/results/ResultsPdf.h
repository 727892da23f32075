// The results as an A4 PDF, for schools without a mail program and for the student's folder.
#pragma once

#include "results/ResultsSummary.h"
#include "results/SessionDetail.h"
#include "shared/TextFile.h"

#include <QDateTime>
#include <QString>

class QFont;
class QPaintDevice;
class QPdfWriter;

namespace ResultsPdf {

// "Resultados de <name> <yyyy-MM-dd>.pdf", without the characters a file name cannot hold;
// "Resultados <yyyy-MM-dd>.pdf" with no name.
QString defaultFileName(const QString &studentName, const QDate &date);

// Sets a program's PDF up as A4 portrait at 300 dpi with even margins, its title and creator.
void setUpA4(QPdfWriter &pdf, qreal marginMillimetres, const QString &title);

// The text cut into the lines that fit the width on the device: at spaces, inside a word only
// when the word alone is wider (a name with no space in it). With maxLines, the last line
// allowed takes the rest of the text, shortened with an ellipsis.
QStringList wrapped(const QString &text, const QFont &font, QPaintDevice *device, qreal width, int maxLines = 0);

// Writes the results page (ResultsPage: the student, the date, the strip, the exercises' table,
// the rules to practise and the misses by rule, on as many pages as they take). Through the
// program's safe save, so a failed write (a full disk too) leaves an earlier file whole.
TextFile::SaveStatus write(const QString &path, const ResultsSummary::Figures &figures,
                           const QList<SessionDetail::Miss> &misses, const QDateTime &when);

} // namespace ResultsPdf
