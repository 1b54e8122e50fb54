#include "conflictlist.h"

#include "doublebookings.h"
#include "teacherindex.h"
#include "timetablerules.h"

#include "model/grid.h"
#include "model/slots.h"

#include <optional>
#include <vector>

namespace orve::scheduler {

namespace {

// The first rule the cell's lesson breaks where it stands; none without rules attached. A
// missing double period is a need of the course, not a fault of one lesson.
std::optional<conditions::RuleKind> ruleBrokenAt(const TeacherIndex& index, model::CellRef at)
{
    const TimetableRules* rules = index.rules();
    if (!rules || rules->book().empty())
        return std::nullopt;
    for (const conditions::RuleKind kind : rules->rulesBrokenAt(at))
        if (kind != conditions::RuleKind::DoublePeriods)
            return kind;
    return std::nullopt;
}

bool inSlots(const TeacherIndex& index, model::CellRef at)
{
    return at.row >= model::FirstClassRow && at.row < index.rows() && at.column >= 1 &&
           at.column < index.columns();
}

} // namespace

model::Conflict conflictAt(const TeacherIndex& index, model::CellRef at)
{
    const model::Grid& timetable = index.grid();
    return {at, timetable.text({at.row, model::ClassNameColumn}), timetable.text(at), {}};
}

void updateConflictList(model::Conflicts& list, const TeacherIndex& index,
                                   const CombinedGroups& groups)
{
    const model::Grid& timetable = index.grid();
    std::vector<bool> listed(std::size_t(index.rows()) * std::size_t(index.columns()), false);
    // The entry of a lesson double-booked or breaking a rule; none for one doing neither.
    const auto entryFor = [&](model::CellRef at) -> std::optional<model::Conflict> {
        std::optional<model::Conflict> entry;
        if (isDoubleBooked(index, groups, at)) {
            entry = conflictAt(index, at);
        } else if (const auto broken = ruleBrokenAt(index, at)) {
            entry = conflictAt(index, at);
            entry->brokenRule = conditions::ruleKindCaption(*broken);
        }
        if (entry)
            listed[std::size_t(timetable.flatIndex(at))] = true;
        return entry;
    };
    model::Conflicts kept;
    for (const model::Conflict& entry : list)
        if (inSlots(index, entry.at) && !listed[std::size_t(timetable.flatIndex(entry.at))])
            if (std::optional<model::Conflict> now = entryFor(entry.at))
                kept.push_back(std::move(*now));
    model::Conflicts added;
    for (int c = 1; c < index.columns(); ++c)
        for (int r = model::FirstClassRow; r < index.rows(); ++r)
            if (!listed[std::size_t(timetable.flatIndex({r, c}))])
                if (std::optional<model::Conflict> now = entryFor({r, c}))
                    added.push_back(std::move(*now));
    list = std::move(kept);
    list.insert(list.end(), added.begin(), added.end());
}

} // namespace orve::scheduler
