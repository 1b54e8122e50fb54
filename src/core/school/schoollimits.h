// How large a school the program keeps. The teaching plan's rows are 16-bit numbers, and each
// list has a bound that no school reaches, so that neither a few typed names nor a small file
// can ask for more memory than a real school needs. The name commands, Open and Save all
// hold a school to these same limits, so every file the program writes it can read again.
#pragma once

#include "namelist.h"

#include <QString>

namespace orve::model {
struct School;
}

namespace orve::school {

// Rows of the teaching plan, its header row included.
inline constexpr qint64 MaxPlanRows = 32767;
inline constexpr qint64 MaxFixedLessons = 200000;
inline constexpr qint64 MaxCombinedLessons = MaxPlanRows - 1;
inline constexpr qint64 MaxCombinedTreeNodes = 100000;
inline constexpr qint64 MaxRules = 200000;

qint64 maxEntries(NameList list);

// Rows the plan needs: one per class and course, one placeholder row per class while there
// are no courses, and the header row. 64-bit, so that no count can overflow.
qint64 planRowsFor(qint64 classes, qint64 courses);

// Why a list may not grow to the given counts (classes and courses after the change, the
// list's own size after it); empty when it may.
QString growthRefusal(NameList list, qint64 listSize, qint64 classes, qint64 courses);

// Why the school may not hold that many fixed-lesson entries, combined-lesson entries or
// combined-class tree nodes; empty when it may.
QString fixedLessonsRefusal(qint64 count);
QString combinedLessonsRefusal(qint64 count);
QString combinedTreeRefusal(qint64 nodes);
QString rulesRefusal(qint64 count);

// Why the open school is beyond the limits; empty when it is within them.
QString sizeRefusal(const model::School& school);

} // namespace orve::school
