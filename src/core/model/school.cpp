#include "school.h"

namespace orve::model {

namespace {
constexpr int PlanColumns = 9;
}

School::School() : plan(1, PlanColumns, 1, 0), masterTimetable(2, 26, 2, 1) {}

} // namespace orve::model
