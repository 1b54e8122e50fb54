#include "combinedlessons.h"

#include "combinedgroups.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"

namespace orve::scheduler {

CombinedLessons::CombinedLessons(const model::Grid& timetable, const CombinedGroups& groups)
    : timetable_(timetable), combined_(groups),
      groups_(std::size_t(timetable.rowCount()) * std::size_t(timetable.columnCount()),
              CombinedGroups::NoGroup)
{
    if (groups.empty())
        return;
    for (int r = timetable.rowCount() - 1; r >= model::FirstClassRow; --r) {
        const QString& name = timetable.text({r, model::ClassNameColumn});
        rowOfClass_.insert(name, r);
        for (int c = 1; c < timetable.columnCount(); ++c)
            groups_[std::size_t(timetable.flatIndex({r, c}))] =
                groups.groupOf(name, model::coursePart(timetable.text({r, c})));
    }
}

int CombinedLessons::groupAt(model::CellRef at) const
{
    if (at.row < model::FirstClassRow || at.column < 1 || !timetable_.contains(at))
        return CombinedGroups::NoGroup;
    return groups_[std::size_t(timetable_.flatIndex(at))];
}

int CombinedLessons::rowOfClass(const QString& name) const
{
    return rowOfClass_.value(name, -1);
}

bool CombinedLessons::heldTogether(model::CellRef at) const
{
    const int group = groupAt(at);
    if (group == CombinedGroups::NoGroup)
        return false;
    for (const CombinedGroups::Member& member : combined_.groups()[std::size_t(group)].members) {
        // A member whose class has no row in the timetable cannot be there.
        const int row = rowOfClass(member.className);
        if (row >= 0 && groupAt({row, at.column}) != group)
            return false;
    }
    return true;
}

bool CombinedLessons::isSplit(model::CellRef at) const
{
    return groupAt(at) != CombinedGroups::NoGroup && !heldTogether(at);
}

std::vector<int> CombinedLessons::rowsTaughtWith(model::CellRef at) const
{
    std::vector<int> rows{at.row};
    const int group = groupAt(at);
    if (group == CombinedGroups::NoGroup)
        return rows;
    for (int r = model::FirstClassRow; r < timetable_.rowCount(); ++r)
        if (r != at.row && groupAt({r, at.column}) == group)
            rows.push_back(r);
    return rows;
}

std::vector<SplitLesson> CombinedLessons::splitLessons() const
{
    std::vector<SplitLesson> lessons;
    for (int c = 1; c < timetable_.columnCount(); ++c) {
        const std::size_t firstOfColumn = lessons.size();
        for (int r = model::FirstClassRow; r < timetable_.rowCount(); ++r) {
            if (!isSplit({r, c}))
                continue;
            const int group = groupAt({r, c});
            auto lesson = lessons.begin() + std::ptrdiff_t(firstOfColumn);
            while (lesson != lessons.end() && groupAt({lesson->rows.front(), c}) != group)
                ++lesson;
            if (lesson == lessons.end())
                lessons.push_back({c, {r}});
            else
                lesson->rows.push_back(r);
        }
    }
    return lessons;
}

} // namespace orve::scheduler
