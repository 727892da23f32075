// The questions on confusable words without their controls: the share of the blanks
// answered right.
#pragma once

#include <QString>

struct RunScores;

namespace QuestionsExercise {

// The number of blanks on the page "Cuestiones".
inline constexpr int blankCount = 34;

// The six groups' hit counts as a share of all blanks, in percent.
long double percent(const RunScores &scores);

// The percentage as the whole number the practice window reads, halves to the even neighbour.
QString roundedPercentText(long double percent);

} // namespace QuestionsExercise
