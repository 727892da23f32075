// Feeds arbitrary bytes to the results-file reader, as the class view does with every file
// of a teacher's folder. Checks what the class table relies on: a file is read or refused
// with a reason, and what is read is a named student with five whole percentages from 0 to
// 100, the fifth the average of the four, and a name and group of at most 80 characters.
#include "FuzzCheck.h"
#include "results/ResultsFileReader.h"
#include "results/ResultsSummary.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool isPercentage(int value)
{
    return value >= 0 && value <= 100;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ResultsFileReader::Result result = ResultsFileReader::parse(bytes);
    if (!result.ok) {
        check(!result.reason.isEmpty(), "a refusal without a reason");
        return 0;
    }
    check(result.reason.isEmpty(), "a reading with a reason");
    check(bytes.size() <= ResultsFileReader::maxFileBytes, "a file past the size limit was read");
    check(!result.name.trimmed().isEmpty(), "a student without a name");
    check(result.name.size() <= ResultsSummary::maxStudentField && result.group.size() <= ResultsSummary::maxStudentField,
          "a name or group past the limit");
    check(!result.name.contains(QLatin1Char('\n')) && !result.group.contains(QLatin1Char('\n')), "a name with a line break");
    check(isPercentage(result.board) && isPercentage(result.examples) && isPercentage(result.phrases)
              && isPercentage(result.questions) && isPercentage(result.total),
          "a score outside 0 to 100");
    check(result.total == ResultsSummary::average(result.board, result.examples, result.phrases, result.questions),
          "an average that does not follow from the scores");

    // What the program writes for the student it read is read back the same.
    ResultsSummary::Figures figures;
    figures.studentName = result.name;
    figures.studentGroup = result.group;
    figures.percentages = result;
    const ResultsFileReader::Result again = ResultsFileReader::parse(ResultsSummary::fileBytes(ResultsSummary::fileLines(figures)));
    check(again.ok, "the program's own file of a student it read is refused");
    check(ResultsSummary::StripFigures(again) == ResultsSummary::StripFigures(result), "the scores changed on the way back");
    return 0;
}
