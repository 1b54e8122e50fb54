// The placement tests as plain column scans over the master timetable: what the teacher index
// (scheduler/teacherindex.h) must answer exactly, for its tests and benchmarks.
#pragma once

#include "model/cellref.h"

#include <QStringView>
#include <optional>

namespace orve::model {
class Grid;
}

namespace orve::test {

// The first class row (from row 2 down) whose lesson in `column` has the teacher `teacher`
// (leading blanks of the cell's teacher part removed, compared exactly); none when no row has.
// An empty name matches every empty cell.
std::optional<int> scannedRowWithTeacher(const model::Grid& timetable, QStringView teacher,
                                         int column);

// As scannedRowWithTeacher, but `skipRow` is neither read nor compared.
std::optional<int> scannedOtherRowWithTeacher(const model::Grid& timetable, QStringView teacher,
                                              int column, int skipRow);

// Swap-conflict code of exchanging cell 1 and cell 2 (normally of one class row): 0 when the
// two teachers are the same or neither exchange double-books anyone; otherwise 2 when the
// teacher of cell 1 is busy at column 2, plus 1 when the teacher of cell 2 is busy at column 1,
// both tested skipping row 1.
int scannedSwapConflict(const model::Grid& timetable, model::CellRef a, model::CellRef b);

} // namespace orve::test
