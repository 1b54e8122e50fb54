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

std::optional<int> classRowOf(const model::Grid& timetable, QStringView className)
{
    const int rows = timetable.rowCount();
    for (int r = model::FirstClassRow; r < rows; ++r)
        if (timetable.text({r, model::ClassNameColumn}) == className)
            return r;
    return std::nullopt;
}

} // namespace orve::scheduler
