// The counts of one run that the exercises keep as the student plays, never saved.
#pragma once

struct RunCounts {
    // Board
    int boardHits = 0;
    int boardMisses = 0;
    int nextWordLine = 0;
    // Word classification
    int exampleHits = 0;
    int exampleAttempts = 0;
    // Phrase correction
    int phraseHits = 0;
    int phraseTotal = 0;
    // Questions, one count per group, and their overall percentage
    int porqueHits = 0;
    int sinoHits = 0;
    int aunHits = 0;
    int hechoHits = 0;
    int haHits = 0;
    int haberHits = 0;
    long double questionsPercent = 0;
};
