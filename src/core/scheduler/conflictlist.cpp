#include "conflictlist.h"

#include "doublebookings.h"
#include "teacherindex.h"

#include "model/fixedlessonentry.h"
#include "model/grid.h"
#include "model/slots.h"
#include "model/numbers.h"

#include <limits>
#include <optional>
#include <vector>

namespace orve::scheduler {

namespace {

int entryNumber(const std::optional<QStringView>& field)
{
    return field ? model::leadingInteger(*field, std::numeric_limits<qint16>::min(),
                                         std::numeric_limits<qint16>::max())
                 : 0;
}

} // namespace

QString conflictEntry(model::CellRef at, QStringView className, QStringView lesson)
{
    return QStringLiteral(u"%1 %2  %3：%4")
        .arg(at.row)
        .arg(at.column)
        .arg(className.toString(), lesson.toString());
}

model::CellRef conflictCell(QStringView entry)
{
    return {entryNumber(model::entryField(entry, 1)), entryNumber(model::entryField(entry, 2))};
}

QStringList updateConflictList(QStringList& list, const TeacherIndex& index,
                               const CombinedGroups& groups)
{
    const model::Grid& timetable = index.grid();
    std::vector<bool> listed(std::size_t(index.rows()) * std::size_t(index.columns()), false);
    const auto inSlots = [&](model::CellRef at) {
        return at.row >= model::FirstClassRow && at.row < index.rows() && at.column >= 1 &&
               at.column < index.columns();
    };
    const auto entryFor = [&](model::CellRef at) {
        listed[std::size_t(timetable.flatIndex(at))] = true;
        return conflictEntry(at, timetable.text({at.row, model::ClassNameColumn}),
                             timetable.text(at));
    };
    QStringList kept;
    for (const QString& entry : std::as_const(list)) {
        const model::CellRef at = conflictCell(entry);
        if (inSlots(at) && !listed[std::size_t(timetable.flatIndex(at))] &&
            isDoubleBooked(index, groups, at))
            kept.append(entryFor(at));
    }
    QStringList added;
    for (int c = 1; c < index.columns(); ++c)
        for (int r = model::FirstClassRow; r < index.rows(); ++r)
            if (!listed[std::size_t(timetable.flatIndex({r, c}))] &&
                isDoubleBooked(index, groups, {r, c}))
                added.append(entryFor({r, c}));
    list = kept + added;
    return added;
}

} // namespace orve::scheduler
