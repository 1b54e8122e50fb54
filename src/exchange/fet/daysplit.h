// How a FET day's hours become this program's morning, afternoon and evening periods. FET
// only names its hours; the names usually tell the time ("08:00-08:45") or the part of the
// day ("上午第一节").
#pragma once

#include <QStringList>

namespace orve::exchange {

struct DaySplit
{
    int morning = 0;
    int afternoon = 0;
    int evening = 0;
    bool fromNames = false; // the names told the parts of the day; else they were counted
};

// By the parts of the day the hour names tell, in order (上午/下午/晚上, or a starting time:
// before 12:00 the morning, before 18:00 the afternoon, later the evening); else the first
// half of the hours (the larger half, at most 5) in the morning, up to 5 in the afternoon and
// the rest in the evening.
DaySplit splitDay(const QStringList& hourNames);

} // namespace orve::exchange
