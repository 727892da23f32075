// One student's figures as a results file and the history carry them: who the student is,
// and the four scores with their average.
#pragma once

#include <QString>

struct StudentScores {
    QString name;
    QString group;
    int board = 0;
    int examples = 0;
    int phrases = 0;
    int questions = 0;
    int average = 0;
};
