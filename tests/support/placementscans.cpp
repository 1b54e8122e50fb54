#include "placementscans.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"

namespace orve::test {

std::optional<int> scannedRowWithTeacher(const model::Grid& timetable, QStringView teacher,
                                         int column)
{
    return scannedOtherRowWithTeacher(timetable, teacher, column, -1);
}

std::optional<int> scannedOtherRowWithTeacher(const model::Grid& timetable, QStringView teacher,
                                              int column, int skipRow)
{
    const int rows = timetable.rowCount();
    for (int r = model::FirstClassRow; r < rows; ++r) {
        if (r == skipRow)
            continue;
        // The teacher part runs to the end of the cell, so only a cell ending in the name can
        // match; the cheap suffix test spares splitting most cells.
        const QStringView cell = timetable.text({r, column});
        if ((teacher.isEmpty() || cell.endsWith(teacher)) && model::teacherPart(cell) == teacher)
            return r;
    }
    return std::nullopt;
}

int scannedSwapConflict(const model::Grid& timetable, model::CellRef a, model::CellRef b)
{
    const QStringView teacher1 = model::teacherPart(timetable.text(a));
    const QStringView teacher2 = model::teacherPart(timetable.text(b));
    if (teacher1 == teacher2)
        return 0;
    const bool firstBusy =
        scannedOtherRowWithTeacher(timetable, teacher1, b.column, a.row).has_value();
    const bool secondBusy =
        scannedOtherRowWithTeacher(timetable, teacher2, a.column, a.row).has_value();
    return (firstBusy ? 2 : 0) + (secondBusy ? 1 : 0);
}

} // namespace orve::test
