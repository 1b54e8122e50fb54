#include "doublebookings.h"

#include "combinedgroups.h"
#include "teacherindex.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace orve::scheduler {

bool booksTeacher(QStringView cell)
{
    return cell.contains(model::LessonSeparator) && !model::teacherPart(cell).isEmpty();
}

std::vector<std::vector<int>> lessonsOf(const model::Grid& timetable, const std::vector<int>& rows,
                                        int column, const CombinedGroups& groups)
{
    // Rows taught together share a unit; the units are the lessons.
    std::vector<std::size_t> unit(rows.size());
    std::iota(unit.begin(), unit.end(), std::size_t(0));
    if (!groups.empty()) {
        std::vector<int> member(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            member[i] = groups.memberOf(timetable.text({rows[i], model::ClassNameColumn}),
                                        model::coursePart(timetable.text({rows[i], column})));
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (std::size_t j = i + 1; j < rows.size(); ++j)
                if (unit[i] != unit[j] && groups.together(member[i], member[j])) {
                    // By value: a reference into `unit` would change halfway through.
                    const std::size_t from = unit[j];
                    const std::size_t to = unit[i];
                    std::replace(unit.begin(), unit.end(), from, to);
                }
    }
    // A unit is named by its first row, so the lessons come in the order of their first rows.
    std::vector<std::vector<int>> lessons;
    std::vector<std::size_t> lessonOfUnit(rows.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::size_t& lesson = lessonOfUnit[unit[i]];
        if (lesson == rows.size()) {
            lesson = lessons.size();
            lessons.emplace_back();
        }
        lessons[lesson].push_back(rows[i]);
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
// lesson.
bool heldMoreThanOnce(const TeacherIndex& index, const CombinedGroups& groups, int teacher,
                      int column)
{
    if (groups.empty())
        return true;
    const model::Grid& timetable = index.grid();
    const auto memberAt = [&](int row) {
        return groups.memberOf(timetable.text({row, model::ClassNameColumn}),
                               model::coursePart(timetable.text({row, column})));
    };
    // Nearly always the rows are one group's classes, each taught together with the first:
    // one lesson, told without building the lessons. A row outside every group is a lesson
    // of its own beside the others.
    int first = CombinedGroups::NoMember;
    std::vector<int> rows;
    bool eachWithFirst = true;
    for (int r = model::FirstClassRow; r < index.rows(); ++r) {
        if (index.teacherAt({r, column}) != teacher)
            continue;
        rows.push_back(r);
        const int member = memberAt(r);
        if (member == CombinedGroups::NoMember)
            return true;
        if (first == CombinedGroups::NoMember)
            first = member;
        else
            eachWithFirst = eachWithFirst && groups.together(first, member);
    }
    return !eachWithFirst && lessonsTaught(timetable, rows, column, groups) > 1;
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
