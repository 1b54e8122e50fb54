#include "fixedmarks.h"

#include "combinedgroups.h"
#include "combinedlessons.h"
#include "placementtests.h"

#include "model/cellmarks.h"
#include "model/fixedlessonentry.h"
#include "model/lessoncell.h"
#include "model/school.h"
#include "model/slots.h"

#include <vector>

namespace orve::scheduler {

FixedEntryCells::FixedEntryCells(const model::School& school, int periodsPerDay)
    : timetable_(school.masterTimetable)
{
    for (const QString& text : school.fixedLessons) {
        const std::optional<model::FixedLessonEntry> entry = model::parseFixedEntry(text);
        if (!entry || entry->period < 1 || entry->period > periodsPerDay || entry->day < 1)
            continue;
        const std::optional<int> row = classRowOf(timetable_, entry->className);
        const model::CellRef at{row.value_or(-1),
                                model::slotColumn({entry->day, entry->period}, periodsPerDay)};
        if (!row || at.column >= timetable_.columnCount())
            continue;
        const QString& cell = timetable_.text(at);
        const bool holdsIt = entry->course == model::FreePeriodText
                                 ? cell == model::FreePeriodText
                                 : !cell.isEmpty() && model::coursePart(cell) == entry->course;
        if (holdsIt)
            cells_.insert(timetable_.flatIndex(at));
    }
}

bool FixedEntryCells::contains(model::CellRef at) const
{
    return timetable_.contains(at) && cells_.contains(timetable_.flatIndex(at));
}

bool FixedEntryCells::holdsInPlace(model::CellRef at) const
{
    return contains(at) || (at.row >= model::FirstClassRow && at.column >= 1 &&
                            timetable_.text(at) == model::FreePeriodText);
}

namespace {

bool holdsLessons(const model::Grid& timetable)
{
    for (int r = model::FirstClassRow; r < timetable.rowCount(); ++r)
        for (int c = 1; c < timetable.columnCount(); ++c)
            if (!timetable.text({r, c}).isEmpty())
                return true;
    return false;
}

} // namespace

void restoreFixedMarks(model::School& school, int periodsPerDay)
{
    model::Grid& timetable = school.masterTimetable;
    // Most files come without a timetable: then the groups need not be read.
    if (!holdsLessons(timetable))
        return;
    std::vector<model::CellRef> fixed;
    {
        const FixedEntryCells entries(school, periodsPerDay);
        const CombinedGroups groups(school);
        const CombinedLessons combined(timetable, groups);
        for (int r = model::FirstClassRow; r < timetable.rowCount(); ++r)
            for (int c = 1; c < timetable.columnCount(); ++c)
                if (entries.holdsInPlace({r, c}) || combined.heldTogether({r, c}))
                    fixed.push_back({r, c});
    }
    model::RedrawSuspender suspended(timetable);
    for (const model::CellRef at : fixed)
        timetable.setTextStyle(at, model::FixedMark);
}

} // namespace orve::scheduler
