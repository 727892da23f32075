// One student's figures as a results file and the history carry them: the strip's four scores
// and their average (`total`), and who the student is.
#pragma once

#include "results/ResultsSummary.h"

#include <QString>

struct StudentScores : ResultsSummary::StripFigures {
    QString name;
    QString group;
};
