#include "combinedlessons.h"

#include "combinedgroups.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"

namespace orve::scheduler {

CombinedLessons::CombinedLessons(const model::Grid& timetable, const CombinedGroups& groups)
    : timetable_(timetable), groups_(groups),
      members_(std::size_t(timetable.rowCount()) * std::size_t(timetable.columnCount()),
               CombinedGroups::NoMember)
{
    if (groups.empty())
        return;
    for (int r = timetable.rowCount() - 1; r >= model::FirstClassRow; --r) {
        const QString& name = timetable.text({r, model::ClassNameColumn});
        rowOfClass_.insert(name, r);
        for (int c = 1; c < timetable.columnCount(); ++c)
            members_[std::size_t(timetable.flatIndex({r, c}))] =
                groups.memberOf(name, model::coursePart(timetable.text({r, c})));
    }
}

int CombinedLessons::memberAt(model::CellRef at) const
{
    if (at.row < model::FirstClassRow || at.column < 1 || !timetable_.contains(at))
        return CombinedGroups::NoMember;
    return members_[std::size_t(timetable_.flatIndex(at))];
}

int CombinedLessons::rowOfClass(const QString& name) const
{
    return rowOfClass_.value(name, -1);
}

bool CombinedLessons::heldTogether(model::CellRef at) const
{
    const int member = memberAt(at);
    if (member == CombinedGroups::NoMember)
        return false;
    for (const int group : groups_.groupsOf(member)) {
        bool everyClass = true;
        for (const auto& [className, course] : groups_.membersOfGroup(group)) {
            // A member whose class has no row in the timetable cannot be there.
            const int row = rowOfClass(className);
            if (row >= 0 && memberAt({row, at.column}) != groups_.memberOf(className, course)) {
                everyClass = false;
                break;
            }
        }
        if (everyClass)
            return true;
    }
    return false;
}

bool CombinedLessons::isSplit(model::CellRef at) const
{
    return memberAt(at) != CombinedGroups::NoMember && !heldTogether(at);
}

std::vector<int> CombinedLessons::rowsTaughtWith(model::CellRef at) const
{
    std::vector<int> rows{at.row};
    const int member = memberAt(at);
    if (member == CombinedGroups::NoMember)
        return rows;
    for (int r = model::FirstClassRow; r < timetable_.rowCount(); ++r)
        if (r != at.row && groups_.together(member, memberAt({r, at.column})))
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
            const int member = memberAt({r, c});
            auto lesson = lessons.begin() + std::ptrdiff_t(firstOfColumn);
            while (lesson != lessons.end() &&
                   !groups_.together(member, memberAt({lesson->rows.front(), c})))
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
