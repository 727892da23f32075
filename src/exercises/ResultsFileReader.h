// Reading back a results file the program wrote: the student's data and the five figures.
#pragma once

#include "exercises/StudentScores.h"

#include <QByteArray>
#include <QString>

namespace ResultsFileReader {

struct Result : StudentScores {
    bool ok = false;
    // Why the bytes are not a results file, in Spanish, when !ok.
    QString reason;
};

// The ten lines of a results file, Windows-1252 or UTF-8 with a byte-order mark, as the
// program writes them. The name and the group share one line joined by " de ", and either may
// hold " de " itself ("Juan de la Cruz de 3º de ESO"): the group is taken to start at the
// first " de " followed by a digit, else at the last " de ".
Result parse(const QByteArray &bytes);

// The student line split into name and group by the rule above.
void splitStudent(const QString &line, QString &name, QString &group);

} // namespace ResultsFileReader
