// The school as a FET file, so that FET can check or solve it: the week (days 星期一…, hours
// named by their part of the day, "上午第1节"), classes as years, courses as subjects, the
// teachers, each plan row with periods as an activity split into single periods, a combined
// group as one activity of all its classes, fixed lessons as locked starting times, "空课" as
// the class's not-available times, main courses tagged "主课", the teachers' unavailable
// periods and most lessons a day as FET's constraints of those names. What FET cannot hold as
// this program means it is told in the report.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace orve::model {
struct School;
}

namespace orve::exchange {

struct FetExport
{
    QByteArray bytes;
    QStringList report; // one point a line
};

FetExport exportFet(const model::School& school);

} // namespace orve::exchange
