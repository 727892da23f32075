// A class's results gathered from a folder: one row per student, the class averages, the
// spread of the averages, the misses by rule that the detail files beside the results files
// give, and the table as CSV or PDF for the teacher's records.
#pragma once

#include "results/ClassResultsFolder.h"
#include "results/SessionDetail.h"
#include "results/StudentScores.h"
#include "shared/TextFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace ClassResults {

struct Row : StudentScores {
    // The results file's date, or the history record's.
    QDateTime date;
    QString file;
    // The misses its detail file gives, by rule, the most missed first.
    QList<SessionDetail::RuleCount> rules{};
    // Whether a detail file was taken: without one, no rules does not mean no misses.
    bool hasDetail = false;
};

struct Rejected {
    QString file;
    QString reason;
};

// A detail file that was not taken, or not whole: its results file still gives its row.
struct Note {
    QString file;
    // In Spanish, naming the file with its folder.
    QString text;
};

struct Folder {
    QList<Row> rows;
    QList<Rejected> rejected;
    QList<Note> notes;
    // Why the folder itself cannot be read, in Spanish, naming it; empty when it was read.
    QString error;
};

// Every file in the folder (not its subfolders), by name: each results file gives one row,
// each history file the latest record of each named student in it. When a student (same name
// and group) appears in several files, the latest row is kept. Anything else is listed with
// its reason, a results file without a name too; nothing stops the reading. A file too large
// to be a results file is refused before it is read, unless it starts as a history does.
// A results file's row takes its misses from the detail file beside it ("ana.txt":
// "ana.json"), which is then no file of its own; a detail that cannot be read, or that is of
// another student, is left with a note, and the row counts as it would without it.
Folder readFolder(const QString &folder);
Folder readFolder(const ClassResultsFolder::Path &folder);

// Names and groups compared as a Spanish reader orders them: "Óscar" before "Zoe", "ñ" after
// "n", capitals beside small letters. Negative, zero or positive.
int compareText(const QString &a, const QString &b);

// The rows by name, then by group, in that order.
void sortByName(QList<Row> &rows);

// The class averages of the four scores and of the averages; all 0 without rows.
struct Averages {
    double board = 0;
    double examples = 0;
    double phrases = 0;
    double questions = 0;
    double average = 0;
};
Averages averages(const QList<Row> &rows);

// How many students' averages fall in 0-9, 10-19, ..., 80-89 and 90-100.
QList<int> histogram(const QList<Row> &rows);

// A class average or a rule's share as the tables show it: one decimal, Spanish comma ("72,5").
QString averageText(double value);

// The column headings, shared by the window, the CSV and the PDF.
QStringList headings();

// Whether any row brings a detail file: without one the misses by rule are not known.
bool anyDetail(const QList<Row> &rows);

// A rule's misses summed over some rows, and their share of all those rows' misses.
struct RuleShare : SessionDetail::RuleCount {
    double percent = 0;
};
// The rows' misses by rule, the most missed first (ties in the order of MissRules).
QList<RuleShare> ruleShares(const QList<Row> &rows);

// The sentence above the misses by rule: "La clase falla sobre todo: hiato con vocal cerrada
// tónica (41 %), aguda terminada en -n (23 %) y …" (the three most missed), or why there is
// nothing to say. For one row it speaks of the student by name.
QString weakRules(const QList<Row> &rows);
QString weakRules(const Row &row);

// The headings of the misses-by-rule table, shared by the window, the CSV and the PDF.
QStringList ruleHeadings();

// The table as CSV for a spreadsheet: UTF-8 with a byte-order mark, ";" between fields,
// CR LF after each line, the headings first and the class averages after the rows; when any
// row brings a detail file, a blank line and the misses by rule follow.
QByteArray csv(const QList<Row> &rows);

// Told now and then while the rows are laid out (0 and 0: the pages are not known yet), then
// after each page is drawn: the pages done and the pages in all. Returning false stops the
// export, and nothing is saved.
using PdfProgress = std::function<bool(int done, int pages)>;

// The table, the averages and the spread on A4 pages, through the program's safe save. The
// table spans the page's width, each row on one page, the headings on every page; the
// histogram of the averages comes after it, on the next page when it does not fit whole, and
// when any row brings a detail file, the misses by rule after that.
// No value when stopped through the progress.
std::optional<TextFile::SaveStatus> writePdf(const QString &path, const QList<Row> &rows, const QString &folder,
                                             const PdfProgress &progress = {});

// The CSV through the program's safe save: a failed write leaves an earlier file whole.
TextFile::SaveStatus writeCsv(const QString &path, const QList<Row> &rows);

} // namespace ClassResults
