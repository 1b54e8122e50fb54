// The placement tests on the master timetable: the teacher part of a cell, whether a teacher
// is busy in a slot column, the swap-conflict code of two cells, the row of a class, and the
// flat cell indexes. They read the grid only; the row a scan stopped on comes back as a value
// instead of moving the grid's current cell. No test allocates per cell read.
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

// The first class row (from row 2 down) whose lesson in `column` has the teacher `teacher`
// (leading blanks of the cell's teacher part removed, compared exactly); none when no row has.
// An empty name matches every empty cell.
std::optional<int> rowWithTeacher(const model::Grid& timetable, QStringView teacher, int column);

// As rowWithTeacher, but `skipRow` is neither read nor compared.
std::optional<int> otherRowWithTeacher(const model::Grid& timetable, QStringView teacher, int column,
                                       int skipRow);

// Swap-conflict code of exchanging cell 1 and cell 2 (normally of one class row): 0 when the
// two teachers are the same or neither exchange double-books anyone; otherwise 2 when the
// teacher of cell 1 is busy at column 2, plus 1 when the teacher of cell 2 is busy at column 1,
// both tested skipping row 1.
int swapConflict(const model::Grid& timetable, model::CellRef a, model::CellRef b);

// The class row whose class-name cell equals `className` exactly, the first from row 2 down.
std::optional<int> classRowOf(const model::Grid& timetable, QStringView className);

} // namespace orve::scheduler
