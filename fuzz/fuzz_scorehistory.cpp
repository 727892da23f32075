// Feeds arbitrary bytes to the history reader, as text and as a file on disk, then adds a
// session to that file. Checks what the progress window and the class view rely on: every
// record read has a valid date and scores from 0 to 100 and no line break in its texts, no
// line is both a record and damaged, a record written out reads back the same, and adding a
// session either refuses the file and leaves it as it was, or keeps every earlier record.
#include "FuzzCheck.h"
#include "results/ScoreHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString filePath;

bool inRange(int score)
{
    return score >= 0 && score <= 100;
}

void checkRecord(const ScoreHistory::Record &record)
{
    check(record.when.isValid(), "a record without a valid date");
    for (int score : {record.board, record.examples, record.phrases, record.questions, record.total})
        check(inRange(score), "a score outside 0 ... 100");
    for (const QString &text : {record.name, record.group})
        check(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')), "a line break inside a field");
}

// A record written as a line and read back: the same date and scores. The name and group may
// gain a guard in front (a cell a spreadsheet would take for a formula), never lose a letter.
void checkRoundTrip(const ScoreHistory::Record &record)
{
    const ScoreHistory::Contents again = ScoreHistory::parse(ScoreHistory::header() + '\n' + ScoreHistory::line(record) + '\n');
    check(again.damaged == 0 && again.records.size() == 1, "a written record does not read back");
    const ScoreHistory::Record &back = again.records.first();
    check(back.when == record.when, "the date changed on the way back");
    check(back.board == record.board && back.examples == record.examples && back.phrases == record.phrases
              && back.questions == record.questions && back.total == record.total,
          "a score changed on the way back");
    check(back.name.endsWith(record.name) && back.group.endsWith(record.group), "a text changed on the way back");
}

QByteArray readFile()
{
    QFile file(filePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    // Every session added goes through a save file, which waits for the disk: in memory, where
    // there is such a folder, the fuzzer runs many times faster.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/fuzz_scorehistory-XXXXXX")
                                                                        : QDir::tempPath() + QStringLiteral("/fuzz_scorehistory-XXXXXX"));
    filePath = folder.filePath(QStringLiteral("historial.csv"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const ScoreHistory::Contents parsed = ScoreHistory::parse(bytes);
    check(parsed.damaged >= 0 && parsed.records.size() + parsed.damaged <= bytes.count('\n') + bytes.count('\r') + 1,
          "more records and damaged lines than lines");
    for (const ScoreHistory::Record &record : parsed.records) {
        checkRecord(record);
        checkRoundTrip(record);
    }

    {
        QFile file(filePath);
        check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write the input file");
    }
    const ScoreHistory::Contents read = ScoreHistory::read(filePath);
    if (read.problem == ScoreHistory::Problem::None) {
        check(read.records.size() == parsed.records.size() && read.damaged == parsed.damaged,
              "the file reads otherwise than its bytes");
    } else {
        check(read.records.isEmpty(), "a refused history with records");
        check(!ScoreHistory::problemText(read.problem, filePath).isEmpty(), "a refusal without a reason");
    }

    ScoreHistory::Record session;
    session.when = QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5));
    session.name = QStringLiteral("Íñigo Núñez");
    session.group = QStringLiteral("2º B");
    session.board = 100;
    ScoreHistory::Problem problem = ScoreHistory::Problem::None;
    const ScoreHistory::AppendStatus status = ScoreHistory::append(filePath, session, &problem);
    const ScoreHistory::Contents after = ScoreHistory::read(filePath);
    switch (status) {
    case ScoreHistory::AppendStatus::Refused:
        check(problem == read.problem && problem != ScoreHistory::Problem::None, "refused for another reason");
        check(readFile() == bytes, "a refused history was changed");
        break;
    case ScoreHistory::AppendStatus::AlreadyRecorded:
        check(readFile() == bytes, "a session already recorded changed the file");
        break;
    case ScoreHistory::AppendStatus::Ok:
        check(read.problem == ScoreHistory::Problem::None, "a refused history was added to");
        check(after.problem == ScoreHistory::Problem::None, "a history no longer readable after a session");
        check(after.records.size() == read.records.size() + 1, "a session lost or added twice");
        for (qsizetype i = 0; i < read.records.size(); ++i)
            check(ScoreHistory::sameFigures(after.records.at(i), read.records.at(i))
                      && after.records.at(i).when == read.records.at(i).when,
                  "an earlier record changed");
        check(ScoreHistory::sameFigures(after.records.constLast(), session), "the new session reads otherwise");
        break;
    case ScoreHistory::AppendStatus::CannotWrite:
        check(false, "a history in a writable folder could not be written");
        break;
    }
    return 0;
}
