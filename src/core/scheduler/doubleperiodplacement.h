// The double periods (连堂) of a plan row, placed before its single lessons: two lessons of the
// course in adjacent periods of one part of a day, as many as the class still needs. Random
// slots first (a main course's in the morning), then every pair of periods in order; a pair
// goes only where both cells are free, its teacher is free in both and neither lesson breaks a
// rule, so a pair never starts as a double booking the repairs would have to break up. A
// combined group's double periods are placed the same way (placePairs) by the first stage.
#pragma once

#include <QString>
#include <functional>

namespace orve::scheduler {

class RunContext;

// Places up to `most` double periods through `placeAt`, which places one in the given column
// and the next (both periods of one part of a day) or says it cannot: random columns first (a
// main course's in the morning), then every column in order. Returns how many it placed.
int placePairs(RunContext& ctx, int most, bool main, const std::function<bool(int)>& placeAt);

// The double periods the class of `classRow` still needs of the lesson text's course, at most
// as many as `lessons` lessons make.
int doublePeriodsWanted(RunContext& ctx, int classRow, const QString& text, int lessons);

// A double period of the lesson text in the class row at `column` and the next, where both
// cells are free, `teacher` (the teacher index's number; -1: never weighed) is free in both
// and neither lesson breaks a rule. Says whether it placed it.
bool placeDoublePeriodAt(RunContext& ctx, int classRow, const QString& text, int teacher,
                         int column);

// Places up to `most` double periods of the lesson text in the class row; `teacher` is the
// teacher index's number, -1 for a lesson that books nobody. Returns how many it placed.
int placeDoublePeriods(RunContext& ctx, int classRow, const QString& text, int teacher, int most,
                       bool main);

} // namespace orve::scheduler
