// What the rules make impossible before a run starts, told in one message so the user knows
// why a timetable keeps some violations: a teacher with more lessons than the periods left to
// them or than their daily limit allows in a week, a course whose lessons a class cannot hold
// within its daily limit, a venue's lessons beyond its capacity in every period, double periods
// beyond the adjacent periods its teacher and course may use, and a fixed lesson in a period
// its teacher or course may not use.
#pragma once

#include <QString>
#include <QStringList>

namespace orve::model {
struct School;
}

namespace orve::scheduler {

// Each case as a line; empty when the rules leave room for every lesson.
QStringList rulesThatCannotHold(const model::School& school, int periodsPerDay);

// The one message of those lines; empty without any.
QString rulesThatCannotHoldMessage(const QStringList& cases);

} // namespace orve::scheduler
