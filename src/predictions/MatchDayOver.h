#pragma once

#include "predictions/PredictionFigures.h"

// Whether a match day's last match is over in the results: each group
// match of the day scored, or, for a knock-out day, every team of the next
// round known (the champion, after the final). Before that, the day's
// leader is only the leader of the matches played so far, no winner.
bool matchDayOver(const PredictionFigures &results, int day);
