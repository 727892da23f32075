// Feeds arbitrary text to the CSV cell writer, as names and groups that students type. Checks
// what a spreadsheet and the program's own history reader rely on: no cell can start a
// formula, a row of cells stays one line with its number of fields, and each cell reads back
// as the text written (line breaks as spaces).
#include "FuzzCheck.h"
#include "results/ScoreHistory.h"
#include "shared/CsvField.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// What a spreadsheet sees as the cell's start once quotes are taken off and blanks trimmed.
bool startsFormula(const QString &cell)
{
    QString shown = cell;
    if (shown.startsWith(QLatin1Char('"')))
        shown = shown.mid(1);
    if (shown.startsWith(QLatin1Char('\t')) || shown.startsWith(QLatin1Char('\r')))
        return true;
    shown = shown.trimmed();
    return !shown.isEmpty() && QStringLiteral("=+-@").contains(shown.front());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The input split at NUL bytes gives the texts of one row.
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList texts = input.split(QChar(0));
    QStringList cells;
    for (const QString &text : texts) {
        const QString cell = CsvField::cell(text);
        check(!startsFormula(cell), "a cell a spreadsheet takes for a formula");
        check(!cell.contains(QLatin1Char('\n')) && !cell.contains(QLatin1Char('\r')), "a cell with a line break");
        cells << cell;
    }
    const QStringList fields = ScoreHistory::splitLine(cells.join(QLatin1Char(';')));
    check(fields.size() == texts.size(), "the row does not split into its cells");
    for (qsizetype n = 0; n < texts.size(); ++n) {
        QString written = texts.at(n);
        written.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        check(CsvField::text(fields.at(n)) == written, "a cell does not read back as written");
    }
    return 0;
}
