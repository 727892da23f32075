// The four exercise scores gathered: the score strip's readings and average, the summary box
// the student reads and the results file that is mailed.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ResultsSummary {

// The strip's five figures: the four exercise percentages and their average.
struct StripFigures {
    int board = 0;
    int examples = 0;
    int phrases = 0;
    int questions = 0;
    int total = 0;

    bool operator==(const StripFigures &) const = default;
};

// The average of the four percentages, halves to the even neighbour (62.5 -> 62, 63.5 -> 64):
// each exercise weighs a quarter.
int average(int board, int examples, int phrases, int questions);

// Everything the summary and the results file print.
struct Figures {
    QString studentName;
    QString studentGroup;
    int boardHits = 0;
    int boardMisses = 0;
    int exampleHits = 0;
    int exampleAttempts = 0;
    int phraseHits = 0;
    int phraseTotal = 0;
    StripFigures percentages;
};

// The longest name or group the results take: the student line stays one readable line.
inline constexpr qsizetype maxStudentField = 80;

// A typed name or group as the results' one line takes it: every line break, tab or other
// control character becomes a space, and a longer text is cut to maxStudentField characters
// (never inside a character).
QString studentField(const QString &typed);
// Whether studentField had to cut the text.
bool studentFieldTooLong(const QString &typed);

// The fourteen lines of the box "PUNTUACIÓN", joined by a lone CR.
QString summaryText(const Figures &figures);

// The ten lines of the results file.
QStringList fileLines(const Figures &figures);

// The file's bytes: each line ended by CR LF, in Windows-1252 when every character has a
// place in it; otherwise UTF-8 with a byte-order mark, so that no letter of a name such as
// "Łucja" is lost.
QByteArray fileBytes(const QStringList &lines);

} // namespace ResultsSummary
