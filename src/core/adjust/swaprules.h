// What a swap of two slots of one class may move, and what it moves. A lesson taught together
// with other classes (a combined group) takes their lessons along: the two slots change places
// in every class such a lesson reaches, and in the classes reached through those. A fixed
// lesson or "空课" is held in place, so no swap moves it, nor the classes around it. A swap that
// would break one of the school's rules is refused like one that would double-book. A double
// period (连堂) moves whole: its two lessons go to two adjacent periods of one part of a day.
#pragma once

#include "conditions/rulebook.h"
#include "model/cellref.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/combinedlessons.h"
#include "scheduler/fixedmarks.h"
#include "scheduler/timetablerules.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace orve {
struct Workspace;
}

namespace orve::scheduler {
class TeacherIndex;
}

namespace orve::adjust {

using scheduler::SlotSwap;

inline const QString DoublePeriodMisfitMessage = QStringLiteral(
    u"连堂的两节要一起调到同一上午（或下午、晚上）相邻的两节，这里放不下，不能调动。");

class SwapRules
{
public:
    // Reads the timetable as it stands; build another once it changes.
    explicit SwapRules(const Workspace& ws);
    ~SwapRules();

    // Why the cell's lesson may not move, for the status bar; empty when it may.
    QString heldInPlace(model::CellRef at) const;

    // The class rows whose slots `columnA` and `columnB` change places when `row`'s do: `row`
    // first, then the rows its lessons and theirs are taught together with.
    std::vector<int> rowsMoving(int row, int columnA, int columnB) const;
    // The first cell of those rows in either slot that is held in place; none when none is.
    std::optional<model::CellRef> heldCell(const std::vector<int>& rows, int columnA,
                                           int columnB) const;

    // The first rule the exchange of the two slots in every one of `rows` would break that
    // the timetable did not break before; none when it breaks none.
    std::optional<conditions::RuleKind> ruleBroken(const std::vector<int>& rows, int columnA,
                                                   int columnB) const
    {
        return ruleBroken({{rows, columnA, columnB}});
    }
    std::optional<conditions::RuleKind> ruleBroken(const std::vector<SlotSwap>& swaps) const;

    // The column of the other lesson of the cell's double period (RuleBook::pairedColumn).
    std::optional<int> pairedColumn(model::CellRef at) const;
    // What exchanging the picked lesson with the lesson of `column` exchanges: the two slots in
    // the rows that move with them, and for a double period its other lesson's slot with the
    // period as far from `column`; empty when the double period does not fit there. When only
    // the lesson of `column` is half of a double period, that pair comes to the picked period
    // and the one as far from it. The picked lesson's slots are the swaps' columnA.
    std::vector<SlotSwap> swapsOf(model::CellRef picked, int column) const;
    // The first cell held in place among those the swaps move.
    std::optional<model::CellRef> heldCell(const std::vector<SlotSwap>& swaps) const;
    // What the status bar says of a swap refused for breaking the rule.
    static QString ruleMessage(conditions::RuleKind kind);

private:
    // The double period of `lesson` and `partner` moved to `column` and the period beside it.
    std::vector<SlotSwap> pairSwaps(model::CellRef lesson, int partner, int column) const;

    const Workspace& ws_;
    scheduler::CombinedGroups groups_;
    scheduler::CombinedLessons combined_;
    scheduler::FixedEntryCells fixed_;
    std::unique_ptr<scheduler::TimetableRules> rules_; // null for a school without rules
};

// The swap-conflict code of exchanging slots `columnA` and `columnB` in every one of `rows`:
// bit value 2 when a teacher moving into columnB already teaches there in a class outside the
// rows, bit value 1 likewise for columnA. A teacher already in the slot within the rows adds no
// double booking, so two lessons of one teacher may always change places.
int swapConflict(const scheduler::TeacherIndex& index, const std::vector<int>& rows, int columnA,
                 int columnB);
// The same for swaps of distinct columns made together: a clash in any of them.
int swapConflict(const scheduler::TeacherIndex& index, const std::vector<SlotSwap>& swaps);

} // namespace orve::adjust
