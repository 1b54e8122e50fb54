#include "timetablecount.h"

#include "combinedmembership.h"

#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QHash>
#include <algorithm>
#include <utility>
#include <vector>

namespace orve::scheduler {

namespace {

// Rows holding one teacher in one slot, counted as lessons taught: rows whose class and course
// share a combined group are one lesson.
int lessonsTaught(const model::Grid& grid, const std::vector<int>& rows, int column,
                  const CombinedMembership& groups)
{
    std::vector<QString> members;
    members.reserve(rows.size());
    for (const int r : rows)
        members.push_back(CombinedMembership::memberKey(grid.text({r, model::ClassNameColumn}),
                                                        model::coursePart(grid.text({r, column}))));
    const std::size_t count = members.size();
    std::vector<std::size_t> unit(count);
    for (std::size_t i = 0; i < count; ++i)
        unit[i] = i;
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = i + 1; j < count; ++j) {
            if (groups.together(members[i], members[j]))
                std::replace(unit.begin(), unit.end(), unit[j], unit[i]);
        }
    std::sort(unit.begin(), unit.end());
    return int(std::unique(unit.begin(), unit.end()) - unit.begin());
}

int plannedPeriods(const Workspace& ws, QHash<QString, int>& perClass)
{
    int total = 0;
    for (int r = school::PlanHeaderRow + 1; r < ws.jhb.rowCount(); ++r) {
        const QString& className = ws.jhb.text({r, school::ClassColumn});
        if (!ws.List1.contains(className))
            continue;
        const int periods =
            model::leadingInteger(ws.jhb.text({r, school::PeriodsColumn}), 0, 1 << 15);
        perClass[className] += periods;
        total += periods;
    }
    return total;
}

} // namespace

bool booksTeacher(QStringView cell)
{
    return cell.contains(model::LessonSeparator) && !model::teacherPart(cell).isEmpty();
}

TimetableCount countTimetable(const Workspace& ws)
{
    const model::Grid& grid = ws.MSGrid;
    TimetableCount count;
    count.classes = int(ws.List1.size());
    count.slots_per_week = std::max(grid.columnCount() - 1, 0);
    count.conflict_entries_left = int(ws.Combo2.size());
    QHash<QString, int> planned;
    count.periods_planned = plannedPeriods(ws, planned);

    for (int r = model::FirstClassRow; r < grid.rowCount(); ++r) {
        int placed = 0;
        for (int c = 1; c < grid.columnCount(); ++c) {
            const QString& text = grid.text({r, c});
            placed += !text.isEmpty() && text != model::FreePeriodText ? 1 : 0;
        }
        count.lessons_placed += placed;
        const int wanted = planned.value(grid.text({r, model::ClassNameColumn}));
        count.unplaced += std::max(wanted - placed, 0);
    }

    // Per column, the rows with a teacher sorted by teacher; only a teacher met in two rows or
    // more needs the class and course of its rows, so single lessons cost no allocation.
    const CombinedMembership groups(ws.Tr3);
    std::vector<std::pair<QStringView, int>> booked;
    std::vector<int> rows;
    for (int c = 1; c < grid.columnCount(); ++c) {
        booked.clear();
        for (int r = model::FirstClassRow; r < grid.rowCount(); ++r) {
            const QString& text = grid.text({r, c});
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
                if (lessonsTaught(grid, rows, c, groups) > 1)
                    ++count.double_bookings;
            }
            i = end;
        }
    }
    return count;
}

} // namespace orve::scheduler
