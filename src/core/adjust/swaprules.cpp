#include "swaprules.h"

#include "handchanges.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"
#include "scheduler/teacherindex.h"
#include "scheduler/timetablerules.h"
#include "workspace.h"

#include <algorithm>
#include <utility>

namespace orve::adjust {

SwapRules::SwapRules(const Workspace& ws)
    : ws_(ws), groups_(ws.school),
      combined_(ws.school.masterTimetable, groups_),
      fixed_(ws.school, ws.session.periodsPerDay)
{
    if (!ws.school.rules.empty()) {
        rules_ = std::make_unique<scheduler::TimetableRules>(ws.school, ws.periodsPerDay());
        rules_->countAll();
    }
}

SwapRules::~SwapRules() = default;

QString SwapRules::heldInPlace(model::CellRef at) const
{
    if (!fixed_.holdsInPlace(at))
        return {};
    if (ws_.school.masterTimetable.text(at) == model::FreePeriodText)
        return QStringLiteral(u"%1：这是固定课预排留出的空课，不能调动。").arg(describeCell(ws_, at));
    return QStringLiteral(u"%1：这是固定课，不能调动（可在“特殊条件考虑”页的固定课程列表中改动）。")
        .arg(describeCell(ws_, at));
}

std::vector<int> SwapRules::rowsMoving(int row, int columnA, int columnB) const
{
    std::vector<int> rows{row};
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (const int column : {columnA, columnB})
            for (const int other : combined_.rowsTaughtWith({rows[i], column}))
                if (std::find(rows.begin(), rows.end(), other) == rows.end())
                    rows.push_back(other);
    return rows;
}

std::optional<model::CellRef> SwapRules::heldCell(const std::vector<int>& rows, int columnA,
                                                  int columnB) const
{
    for (const int row : rows)
        for (const int column : {columnA, columnB})
            if (fixed_.holdsInPlace({row, column}))
                return model::CellRef{row, column};
    return std::nullopt;
}

std::optional<conditions::RuleKind>
SwapRules::ruleBroken(const std::vector<SlotSwap>& swaps) const
{
    if (!rules_ || rules_->book().empty())
        return std::nullopt;
    return rules_->changeOfSwaps(swaps).firstRaised();
}

std::optional<int> SwapRules::pairedColumn(model::CellRef at) const
{
    return rules_ ? rules_->book().pairedColumn(ws_.school.masterTimetable, at) : std::nullopt;
}

std::vector<SlotSwap> SwapRules::swapsOf(model::CellRef picked, int column) const
{
    if (const std::optional<int> partner = pairedColumn(picked))
        return pairSwaps(picked, *partner, column);
    const model::CellRef target{picked.row, column};
    if (const std::optional<int> partner = pairedColumn(target)) {
        // The target's double period comes to the picked period; the picked lesson's side
        // stays columnA.
        std::vector<SlotSwap> swaps = pairSwaps(target, *partner, picked.column);
        for (SlotSwap& swap : swaps)
            std::swap(swap.columnA, swap.columnB);
        return swaps;
    }
    return {{rowsMoving(picked.row, picked.column, column), picked.column, column}};
}

std::vector<SlotSwap> SwapRules::pairSwaps(model::CellRef lesson, int partner, int column) const
{
    const int other = column + partner - lesson.column;
    const int first = std::min(column, other);
    if (first < 1 || first + 1 >= ws_.school.masterTimetable.columnCount() ||
        !rules_->book().joinsNext(first - 1) || column == partner || other == lesson.column)
        return {};
    return {{rowsMoving(lesson.row, lesson.column, column), lesson.column, column},
            {rowsMoving(lesson.row, partner, other), partner, other}};
}

std::optional<model::CellRef> SwapRules::heldCell(const std::vector<SlotSwap>& swaps) const
{
    for (const SlotSwap& swap : swaps)
        if (const auto held = heldCell(swap.rows, swap.columnA, swap.columnB))
            return held;
    return std::nullopt;
}

QString SwapRules::ruleMessage(conditions::RuleKind kind)
{
    return QStringLiteral(u"这样调课会违反排课规则“%1”，不能调动。")
        .arg(conditions::ruleKindCaption(kind));
}

int swapConflict(const scheduler::TeacherIndex& index, const std::vector<int>& rows, int columnA,
                 int columnB)
{
    const auto heldWithin = [&](int teacher, int column) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](int row) { return index.teacherAt({row, column}) == teacher; });
    };
    // A teacher coming in clashes when a class outside the rows already has them there.
    const auto clashes = [&](int from, int into) {
        return std::any_of(rows.begin(), rows.end(), [&](int row) {
            const int teacher = index.teacherAt({row, from});
            return !index.isNobody(teacher) && !heldWithin(teacher, into) &&
                   index.holders(teacher, into) > 0;
        });
    };
    return (clashes(columnA, columnB) ? 2 : 0) + (clashes(columnB, columnA) ? 1 : 0);
}

int swapConflict(const scheduler::TeacherIndex& index, const std::vector<SlotSwap>& swaps)
{
    int code = 0;
    for (const SlotSwap& swap : swaps)
        code |= swapConflict(index, swap.rows, swap.columnA, swap.columnB);
    return code;
}

} // namespace orve::adjust
