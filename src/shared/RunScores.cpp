// The one RunScores instance of the program.
#include "shared/RunScores.h"

RunScores &runScores()
{
    static RunScores scores;
    return scores;
}
