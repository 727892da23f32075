// The run the results tests print: 30 board hits and 10 misses, 40 of 50 words sorted right,
// 6 of 8 phrases, and the strip 75, 80, 75, 50 with their average 70.
#pragma once

#include "results/ResultsSummary.h"

inline ResultsSummary::Figures sampleFigures()
{
    ResultsSummary::Figures figures;
    figures.boardHits = 30;
    figures.boardMisses = 10;
    figures.exampleHits = 40;
    figures.exampleAttempts = 50;
    figures.phraseHits = 6;
    figures.phraseTotal = 8;
    figures.percentages = {75, 80, 75, 50, 70};
    return figures;
}
