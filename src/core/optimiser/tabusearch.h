// The tabu search that removes double bookings and breaches of rules. Each step takes a random
// double-booked (teacher, slot), or a lesson breaking a rule, and tries two of that teacher's
// lessons there and eight of his lessons elsewhere against every other slot of the week, and
// makes the best move that is not tabu: a slot exchange (slotexchange.h), or in a full class
// with lessons left out the exchange of a placed lesson with one left out, when the counters
// allow it. Of equally good moves it takes one at random, or, for a teacher with several times
// more lessons than slots, the one that gathers his lessons most into fewer slots. After a move a lesson may not go back to the slot it left for a tenure that grows
// with the double bookings; a tabu move is still taken when it beats the best timetable so
// far. After a long stretch without a better timetable the search starts again from the best
// one, a few random moves away from it. The best timetable seen is left.
#pragma once

#include <QtGlobal>

namespace orve::optimiser {

class LessonTable;
class RunControl;

// Ends at `target` double bookings with at most `violationTarget` rules broken (lower bounds:
// no search goes below them), or after `stallSteps` steps without a new best (-1: never).
qint64 removeDoubleBookings(LessonTable& table, RunControl& control, int target,
                            int violationTarget, qint64 stallSteps = -1);

} // namespace orve::optimiser
