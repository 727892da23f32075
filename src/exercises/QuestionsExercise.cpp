// The questions on confusable words without their controls.
#include "exercises/QuestionsExercise.h"

#include "shared/NumberFormat.h"
#include "shared/RunScores.h"

namespace QuestionsExercise {

long double percent(const RunScores &scores)
{
    const long double hits = (long double)scores.porqueHits + scores.sinoHits + scores.aunHits
                             + scores.hechoHits + scores.haHits + scores.haberHits;
    return hits * 100 / blankCount;
}

QString roundedPercentText(long double percent)
{
    return QString::number(NumberFormat::roundHalfEven(double(percent)));
}

} // namespace QuestionsExercise
