// The three shapes of sheet the import reads, told apart by the header row:
//   名单: a column per name list (班级, 课程, 教师, 场地);
//   教学计划: a row per class and course (班级, 课程, 任课教师, 周课时, 主课, 合班, 教学场地);
//   任课表: classes down, courses across, a cell holding the teacher, or teacher and periods.
// The header may stand below a title row or two.
#pragma once

#include "table/table.h"

#include <optional>

namespace orve::exchange {

enum class SheetShape { Names, Plan, Grid };

// "名单", "教学计划", "任课表".
QString shapeName(SheetShape shape);

struct SheetLayout
{
    SheetShape shape = SheetShape::Names;
    int headerRow = 0;
};

// The shape of the first row among the first few that reads as a header; none when none does.
std::optional<SheetLayout> detectShape(const Table& table);

// The header row of a sheet the user says has the shape; -1 when none of the first few rows
// reads as its header.
int headerRowOf(const Table& table, SheetShape shape);

} // namespace orve::exchange
