// The student's progress over time: one dated record per saved result, kept in a CSV file.
#pragma once

#include "exercises/ResultsSummary.h"
#include "exercises/StudentScores.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace ScoreHistory {

struct Record : StudentScores {
    QDateTime when;
};

// What a history file holds: the records in file order and how many lines were damaged
// (skipped, never fatal).
struct Contents {
    QList<Record> records;
    int damaged = 0;
};

// "historial.csv" in the user's data folder.
QString defaultPath();

// The header line, without its line break.
QByteArray header();

// One record from the figures the results file prints, at the given moment.
Record fromFigures(const ResultsSummary::Figures &figures, const QDateTime &when);

// One record as a CSV line (fields separated by ";", quoted when they need it), no line break.
QByteArray line(const Record &record);

// The fields of one CSV line; quoted fields may hold ";" and doubled quotes.
QStringList splitLine(const QString &line);

// UTF-8 text with or without a byte-order mark, header first. A line whose fields do not make
// a record (wrong count, bad date, a score outside 0 ... 100) is skipped and counted.
Contents parse(const QByteArray &bytes);

// Whether the bytes start with this file's header.
bool hasHeader(const QByteArray &bytes);

// The file read back; a missing file is an empty history.
Contents read(const QString &path);

// Adds the record at the end of the file, creating it (and its folder) with the header when
// needed. The whole file is written anew through a save file, so a failed write loses no
// earlier record; an existing file that cannot be read is left alone.
enum class AppendStatus { Ok, CannotRead, CannotWrite };
AppendStatus append(const QString &path, const Record &record);

} // namespace ScoreHistory
