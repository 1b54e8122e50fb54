#include "placementtests.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"

namespace orve::scheduler {

QStringView storedTeacherPart(const model::Grid& timetable, model::CellRef at)
{
    const QStringView text = timetable.text(at);
    const qsizetype separator = text.indexOf(model::LessonSeparator);
    return separator < 0 ? text : text.mid(separator + 1);
}

std::optional<int> rowWithTeacher(const model::Grid& timetable, QStringView teacher, int column)
{
    return otherRowWithTeacher(timetable, teacher, column, -1);
}

std::optional<int> otherRowWithTeacher(const model::Grid& timetable, QStringView teacher, int column,
                                       int skipRow)
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

int swapConflict(const model::Grid& timetable, model::CellRef a, model::CellRef b)
{
    const QStringView teacher1 = model::teacherPart(timetable.text(a));
    const QStringView teacher2 = model::teacherPart(timetable.text(b));
    if (teacher1 == teacher2)
        return 0;
    const bool firstBusy = otherRowWithTeacher(timetable, teacher1, b.column, a.row).has_value();
    const bool secondBusy = otherRowWithTeacher(timetable, teacher2, a.column, a.row).has_value();
    return (firstBusy ? 2 : 0) + (secondBusy ? 1 : 0);
}

std::optional<int> classRowOf(const model::Grid& timetable, QStringView className)
{
    const int rows = timetable.rowCount();
    for (int r = model::FirstClassRow; r < rows; ++r)
        if (timetable.text({r, model::ClassNameColumn}) == className)
            return r;
    return std::nullopt;
}

} // namespace orve::scheduler
