// The placement tests on the master timetable: the teacher part of a cell and the row of a
// class (the teacher index answers whether a teacher is busy). They read the grid only; the row a
// scan stopped on comes back as a value instead of moving the grid's current cell. No test
// allocates per cell read.
#pragma once

#include "model/cellref.h"

#include <QStringView>
#include <optional>

namespace orve::model {
class Grid;
}

namespace orve::scheduler {

// The teacher part of a master-timetable cell as it stands in the cell: the text from the
// second of its first two spaces on ("  张三" gives " 张三"), the whole text when it holds no
// two spaces, empty outside the grid. A slice of the cell's text, valid until the cell changes.
QStringView storedTeacherPart(const model::Grid& timetable, model::CellRef at);

// The class row whose class-name cell equals `className` exactly, the first from row 2 down.
std::optional<int> classRowOf(const model::Grid& timetable, QStringView className);

} // namespace orve::scheduler
