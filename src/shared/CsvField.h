// One cell of the CSV files the program writes (";" between cells), safe to open in a
// spreadsheet, and the same cell read back.
#pragma once

#include <QString>

namespace CsvField {

// The text as one cell. A line break becomes a space, so a record stays one line. A cell a
// spreadsheet would take for a formula (starting with = + - @, a tab or a carriage return,
// also after leading blanks a spreadsheet may trim) starts with an apostrophe, which makes
// it plain text there. A cell holding ";" or a double quote is quoted, quotes doubled.
QString cell(const QString &text);

// A cell's text as cell() received it, from a field already unquoted: the apostrophe that
// cell() put before a formula-like text is taken away again. Line breaks stay spaces.
QString text(const QString &field);

} // namespace CsvField
