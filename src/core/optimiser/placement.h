// Places lessons missing from their class rows: typically a combined group that found no slot
// free in all its classes, or lessons of a class that was full while other lessons stood where
// they could have gone. An ejection search: each step puts one unplaced lesson into the slot
// where it costs least, taking out whatever stands in its cells there; those join the unplaced
// lessons and are placed the same way in later steps. A lesson taken out of a slot may not go
// back there for a while (tabu), so chains of ejections move on instead of undoing themselves.
// Cost, in this order: counters below their floors (never in the result: the start has none
// and the best timetable is kept), unplaced class periods, a main lesson outside the morning,
// double bookings. Stops at `target` unplaced periods (a lower bound) or after a number of
// steps without a better timetable, and leaves the best timetable seen. When lessons are still
// missing, a second such search may also free a slot in the lesson's classes by exchanging it,
// class after occupied class, with a free one of that class, the member classes already free
// there staying free: a group whose classes are free in different periods, held by lessons
// that cannot move alone (groups whose other classes are full), then finds a common one. A
// third may also occupy a free member class on the way, as long as fewer stay occupied: the
// exchange that frees two classes may bring a lesson into a third, which the next one frees.
// They run after the first because, taken first, their greedy steps end some schools with more
// lessons missing.
#pragma once

namespace orve::optimiser {

class LessonTable;
class RunControl;

// Steps without a better timetable after which the search gives up; the searches that also
// free a slot by exchanging it with free ones find what they find within a few steps.
inline constexpr int PlacementStallSteps = 1000;
inline constexpr int ExchangeStallSteps = 100;

void placeUnplacedLessons(LessonTable& table, RunControl& control, int target);

// Whether placing may help: an unplaced lesson that is not an ordinary lesson of a full class
// (such a lesson can only take another one's place, which the double-booking search tries).
bool placementMayHelp(const LessonTable& table);

} // namespace orve::optimiser
