#include "placementtests.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"

namespace orve::scheduler {

namespace {

qint32 flatIndex(const model::Grid& grid, int row, int column)
{
    return qint32(qint64(row) * grid.columnCount() + column);
}

} // namespace

QStringView storedTeacherPart(const model::Grid& msgrid, int row, int column)
{
    const QStringView text = msgrid.text({row, column});
    const qsizetype at = text.indexOf(model::LessonSeparator);
    return at < 0 ? text : text.mid(at + 1);
}

std::optional<int> rowWithTeacher(const model::Grid& msgrid, QStringView fjsxm, int column)
{
    return otherRowWithTeacher(msgrid, fjsxm, column, -1);
}

std::optional<int> otherRowWithTeacher(const model::Grid& msgrid, QStringView fjsxm, int column,
                                       int skipRow)
{
    const int rows = msgrid.rowCount();
    for (int r = model::FirstClassRow; r < rows; ++r) {
        if (r == skipRow)
            continue;
        // The teacher part runs to the end of the cell, so only a cell ending in the name can
        // match; the cheap suffix test spares splitting most cells.
        const QStringView cell = msgrid.text({r, column});
        if ((fjsxm.isEmpty() || cell.endsWith(fjsxm)) && model::teacherPart(cell) == fjsxm)
            return r;
    }
    return std::nullopt;
}

int swapConflict(const model::Grid& msgrid, model::CellRef a, model::CellRef b)
{
    const QStringView teacher1 = model::teacherPart(msgrid.text(a));
    const QStringView teacher2 = model::teacherPart(msgrid.text(b));
    if (teacher1 == teacher2)
        return 0;
    const bool firstBusy = otherRowWithTeacher(msgrid, teacher1, b.column, a.row).has_value();
    const bool secondBusy = otherRowWithTeacher(msgrid, teacher2, a.column, a.row).has_value();
    return (firstBusy ? 2 : 0) + (secondBusy ? 1 : 0);
}

std::optional<int> classRowOf(const model::Grid& msgrid, QStringView className)
{
    const int rows = msgrid.rowCount();
    for (int r = model::FirstClassRow; r < rows; ++r)
        if (msgrid.text({r, model::ClassNameColumn}) == className)
            return r;
    return std::nullopt;
}

qint32 faIndex(const model::Grid& jhb, int row, int column)
{
    return flatIndex(jhb, row, column);
}

qint32 faIndex1(const model::Grid& msgrid, int row, int column)
{
    return flatIndex(msgrid, row, column);
}

} // namespace orve::scheduler
