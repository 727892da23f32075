// Reading back a results file the program wrote: the student's data and the five figures.
#pragma once

#include "results/StudentScores.h"

#include <QByteArray>
#include <QString>

namespace ResultsFileReader {

// The largest results file read: the program's own are under 1 KB (ten short lines, a name
// and a group of at most 80 characters each), so anything far larger is refused unread.
inline constexpr qsizetype maxFileBytes = 4 * 1024;

struct Result : StudentScores {
    bool ok = false;
    // Why the bytes are not a results file, in Spanish, when !ok.
    QString reason;
};

// The ten lines of a results file, Windows-1252 or UTF-8 with a byte-order mark, as the
// program writes them. The name and the group share one line joined by " de ", and either may
// hold " de " itself ("Juan de la Cruz de 3º de ESO"): the group is taken to start at the
// first " de " followed by a digit, else at the last " de ". The name and the group keep the
// program's own limit of 80 characters each. Refused, naming the line: a file without the
// student's name (no one to list it under), a score that is not a whole number from 0 to
// 100, and an average that does not follow from the four scores.
Result parse(const QByteArray &bytes);

// Why a file of this many bytes is not read at all, or an empty text when its size can be a
// results file's.
QString sizeRefusal(qint64 bytes);

// The student line split into name and group by the rule above.
void splitStudent(const QString &line, QString &name, QString &group);

} // namespace ResultsFileReader
