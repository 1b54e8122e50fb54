// How far the optimiser can go at best: the fewest double bookings and the fewest unplaced
// class periods that every timetable it may reach from a table must keep. A run that ends at
// its bounds has found the best there is; one above them may or may not.
#pragma once

#include "lessontable.h"

namespace orve::optimiser {

// Per teacher, the lessons that stand in the timetable (the search never takes one out for
// good) against the slots they can take one each (each lesson in slots it may use, a day no
// more than his daily maximum): what is left over stacks into slots already taken, at most as
// many lessons in a slot as have no class in common, and lessons of the same classes in as
// many slots as there are of them; two of his classes stack in fewer slots still where
// combined groups take both. Under the strict main rule the main lessons bound to the morning
// count against the morning alone, beside his fixed lessons there.
int doubleBookingLowerBound(const LessonTable& table, MainRule rule);

// Lessons that pairwise share a class need a slot each. Per class, the lessons beyond its
// slots that no fixed lesson takes; and for sets of combined groups that pairwise share a
// class, the lessons beyond the slots any of them may use, counted as the smallest groups'
// periods. A set's classes count by the larger of the two; sets are taken with no class in
// common.
int unplacedLowerBound(const LessonTable& table);

// Double periods no timetable holds without breaking another rule: per class course, the
// pairs wanted beyond the pairs of adjacent periods where its lessons may stand. Class courses
// count only where they share no teacher and no class, so that no breach counts twice.
int ruleViolationLowerBound(const LessonTable& table);

} // namespace orve::optimiser
