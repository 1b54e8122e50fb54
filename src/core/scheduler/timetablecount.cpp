#include "timetablecount.h"

#include "combinedmembership.h"

#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <vector>

namespace orve::scheduler {

namespace {

// Rows holding one teacher in one slot, counted as lessons taught: rows whose class and course
// share a combined group are one lesson.
int lessonsTaught(const std::vector<QString>& members, const CombinedMembership& groups)
{
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
        const QString& className = ws.jhb.text(r, school::ClassColumn);
        if (!ws.List1.contains(className))
            continue;
        const int periods =
            model::leadingInteger(ws.jhb.text(r, school::PeriodsColumn), 0, 1 << 15);
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
            const QString& text = grid.text(r, c);
            placed += !text.isEmpty() && text != model::FreePeriodText ? 1 : 0;
        }
        count.lessons_placed += placed;
        const int wanted = planned.value(grid.text(r, model::ClassNameColumn));
        count.unplaced += std::max(wanted - placed, 0);
    }

    const CombinedMembership groups(ws.Tr3);
    QHash<QStringView, std::vector<QString>> teachers; // teacher -> class/course of each row
    for (int c = 1; c < grid.columnCount(); ++c) {
        teachers.clear();
        for (int r = model::FirstClassRow; r < grid.rowCount(); ++r) {
            const QString& text = grid.text(r, c);
            if (!booksTeacher(text))
                continue;
            const QStringView teacher = model::teacherPart(text);
            teachers[teacher].push_back(CombinedMembership::memberKey(
                grid.text(r, model::ClassNameColumn), model::coursePart(text)));
        }
        for (auto it = teachers.cbegin(); it != teachers.cend(); ++it)
            if (it->size() > 1 && lessonsTaught(*it, groups) > 1)
                ++count.double_bookings;
    }
    return count;
}

} // namespace orve::scheduler
