// The student's progress over time: one dated record per saved result, kept in a CSV file.
#pragma once

#include "results/ResultsSummary.h"
#include "results/StudentScores.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace ScoreHistory {

struct Record : StudentScores {
    QDateTime when;
    // The board's misses by the rule of the missed word, each rule under its file key
    // ("hiato", "aguda-con-tilde"); empty for a session without any, and in lines written
    // before they were kept.
    QMap<QString, int> misses = {};
};

// Why a history file cannot be used at all (a damaged line is no such reason: it is skipped).
enum class Problem {
    None,
    Link,        // a link to another file, whose contents the history must never take over
    NotAHistory, // its first line is not the history's header
    NotAFile,    // a folder or a device where the file should be
    NoPermission,
    ReadFailed,
    TooLarge,    // larger than maxBytes
};

// What a history file holds: the records in file order and how many lines were damaged
// (skipped, never fatal), or why none could be read.
struct Contents {
    QList<Record> records;
    int damaged = 0;
    Problem problem = Problem::None;
};

// A history larger than this is refused before it is read. A session adds about 70 bytes, so
// this holds some 30,000 sessions (ten a day for eight years), and reading and drawing them
// all takes under a tenth of a second; a file of hundreds of megabytes is no history the
// program wrote, and took seconds to read.
inline constexpr qint64 maxBytes = 2 * 1024 * 1024;

// The Spanish sentence saying that the history at path cannot be used, and why.
QString problemText(Problem problem, const QString &path);

// "historial.csv" in the user's data folder.
QString defaultPath();

// The header line, without its line break.
QByteArray header();

// One record from the figures the results file prints, at the given moment.
Record fromFigures(const ResultsSummary::Figures &figures, const QDateTime &when);

// One record as a CSV line (fields separated by ";", quoted when they need it), no line break.
// The eight fields the header names come first, as they always have; a session with board
// misses adds a ninth, "hiato=2 aguda-con-tilde=1", so that a reader of the eight fields reads
// on as before.
QByteArray line(const Record &record);

// The fields of one CSV line; quoted fields may hold ";" and doubled quotes.
QStringList splitLine(const QString &line);

// The text as the program's text files are read: UTF-8 as the program writes it, or
// Windows-1252 as a spreadsheet or an editor may save it by hand. The header line is skipped.
// A line whose fields do not make a record (wrong count, bad date, a score outside 0 ... 100,
// a ninth field that is not "key=count ...") is skipped and counted.
Contents parse(const QByteArray &bytes);

// Whether the first line of the bytes is this file's header.
bool hasHeader(const QByteArray &bytes);

// The file read back; a missing file is an empty history. A link, a file too large or one
// that is not a history comes back with its problem and no records.
Contents read(const QString &path);

// Whether two records hold the same student and the same five scores, whenever taken.
bool sameFigures(const StudentScores &a, const StudentScores &b);

// Adds the record at the end of the file, creating it (and its folder) with the header when
// needed. The whole file is written anew through a save file, so a failed write loses no
// earlier record. A file that cannot be read, or is a link or no history, is refused and left
// alone (why in *problem). A record with the same figures as the last one and no misses of its
// own is not added again: saving and then sending the same results is one session. Misses
// make it a record of its own even with the same figures (a miss before the first hit leaves
// the board's percentage at 0), or they would be lost.
enum class AppendStatus { Ok, AlreadyRecorded, Refused, CannotWrite };
AppendStatus append(const QString &path, const Record &record, Problem *problem = nullptr);

} // namespace ScoreHistory
