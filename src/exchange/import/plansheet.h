// The teaching plan as a sheet in the shape the import reads, so that a school can take its
// plan into a spreadsheet program, edit it there and import it back: the header row 班级,
// 课程, 任课教师, 周课时, 主课, 合班, 教学场地, then one row per class and course. 合班 holds
// the number of the combined group the class and course belong to.
#pragma once

#include "print/reportsheet.h"

namespace orve::model {
struct School;
}

namespace orve::exchange {

print::ReportSheet planSheet(const model::School& school);

} // namespace orve::exchange
