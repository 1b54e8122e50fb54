#include "doublebookings.h"

#include "combinedgroups.h"
#include "teacherindex.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"

#include <algorithm>
#include <utility>

namespace orve::scheduler {

bool booksTeacher(QStringView cell)
{
    return cell.contains(model::LessonSeparator) && !model::teacherPart(cell).isEmpty();
}

std::vector<std::vector<int>> lessonsOf(const model::Grid& timetable, const std::vector<int>& rows,
                                        int column, const CombinedGroups& groups)
{
    // Rows of one group are one lesson, named by its first row, so the lessons come in the
    // order of their first rows.
    std::vector<std::vector<int>> lessons;
    std::vector<std::pair<int, std::size_t>> lessonOfGroup;
    for (const int row : rows) {
        const int group = groups.empty()
                              ? CombinedGroups::NoGroup
                              : groups.groupOf(timetable.text({row, model::ClassNameColumn}),
                                               model::coursePart(timetable.text({row, column})));
        const auto found = std::find_if(lessonOfGroup.begin(), lessonOfGroup.end(),
                                        [group](const auto& entry) { return entry.first == group; });
        if (group != CombinedGroups::NoGroup && found != lessonOfGroup.end()) {
            lessons[found->second].push_back(row);
            continue;
        }
        if (group != CombinedGroups::NoGroup)
            lessonOfGroup.emplace_back(group, lessons.size());
        lessons.push_back({row});
    }
    return lessons;
}

int lessonsTaught(const model::Grid& timetable, const std::vector<int>& rows, int column,
                  const CombinedGroups& groups)
{
    if (groups.empty())
        return int(rows.size());
    return int(lessonsOf(timetable, rows, column, groups).size());
}

namespace {

// Whether the two or more class rows holding the teacher in the column make more than one
// lesson: a row outside every group is a lesson of its own, and rows of two groups are two.
bool heldMoreThanOnce(const TeacherIndex& index, const CombinedGroups& groups, int teacher,
                      int column)
{
    if (groups.empty())
        return true;
    const model::Grid& timetable = index.grid();
    int first = CombinedGroups::NoGroup;
    for (int r = model::FirstClassRow; r < index.rows(); ++r) {
        if (index.teacherAt({r, column}) != teacher)
            continue;
        const int group = groups.groupOf(timetable.text({r, model::ClassNameColumn}),
                                         model::coursePart(timetable.text({r, column})));
        if (group == CombinedGroups::NoGroup || (first != CombinedGroups::NoGroup && group != first))
            return true;
        first = group;
    }
    return false;
}

} // namespace

bool isDoubleBooked(const TeacherIndex& index, const CombinedGroups& groups, model::CellRef at)
{
    if (!booksTeacher(index.grid().text(at)))
        return false;
    const int teacher = index.teacherAt(at);
    return index.busy(teacher, at.column, at.row) &&
           heldMoreThanOnce(index, groups, teacher, at.column);
}

bool teacherDoubleBooked(const TeacherIndex& index, const CombinedGroups& groups, int teacher,
                         int column)
{
    return !index.isNobody(teacher) && index.holders(teacher, column) >= 2 &&
           heldMoreThanOnce(index, groups, teacher, column);
}

int countDoubleBookings(const model::Grid& timetable, const CombinedGroups& groups)
{
    // Per column, the rows with a teacher sorted by teacher; only a teacher met in two rows or
    // more needs the class and course of its rows, so single lessons cost no allocation.
    int count = 0;
    std::vector<std::pair<QStringView, int>> booked;
    std::vector<int> rows;
    for (int c = 1; c < timetable.columnCount(); ++c) {
        booked.clear();
        for (int r = model::FirstClassRow; r < timetable.rowCount(); ++r) {
            const QString& text = timetable.text({r, c});
            if (booksTeacher(text))
                booked.emplace_back(model::teacherPart(text), r);
        }
        std::sort(booked.begin(), booked.end());
        for (std::size_t i = 0; i < booked.size();) {
            std::size_t end = i + 1;
            while (end < booked.size() && booked[end].first == booked[i].first)
                ++end;
            if (end - i > 1) {
                rows.clear();
                for (std::size_t k = i; k < end; ++k)
                    rows.push_back(booked[k].second);
                if (lessonsTaught(timetable, rows, c, groups) > 1)
                    ++count;
            }
            i = end;
        }
    }
    return count;
}

} // namespace orve::scheduler
