// The repair of double bookings by exchanging lessons within one class row, so every class
// keeps exactly its lessons: a clean exchange that double-books nobody, or a forced chain
// that moves the clash into another class and repairs that class in turn, to a bounded depth.
// It works on any timetable through its teacher index: inside a scheduling run (the third
// stage) and outside one (the forced swap, the optimiser). A lesson with the fixed mark is
// never moved: when the lesson to repair carries it, the clash is repaired on the other lesson.
#pragma once

#include "model/cellref.h"

#include <QtGlobal>
#include <optional>

namespace orve {
class UiPort;
}

namespace orve::scheduler {

class CombinedGroups;
class RandomSource;
class TeacherIndex;

// Levels of a forced chain: the first two levels may force exchanges and repair the class the
// clash moved to; the level below only looks for clean exchanges.
inline constexpr int RepairDepthLimit = 3;

// Random draws a repair may make. The forced chains fan out, and a repair must end in time
// whatever the school, so the draws are bounded per repair and for the engine's whole life.
struct RepairBudget
{
    qint64 drawsPerRepair = 0;
    qint64 drawsInAll = 0;

    // 20 and 2000 draws per squared column count: what a scheduling run allows.
    static RepairBudget forColumns(int columns);
};

class RepairEngine
{
public:
    RepairEngine(TeacherIndex& index, const CombinedGroups& groups, RandomSource& random,
                 UiPort& ui, RepairBudget budget);

    TeacherIndex& index() { return index_; }
    const TeacherIndex& index() const { return index_; }

    // A uniform slot column 1 .. columns - 1.
    int drawSlotColumn();

    // Whether the lesson at `at` is double-booked.
    bool hasClash(model::CellRef at) const;

    // The row whose lesson the repair of `at` may move: its own row unless its lesson carries
    // the fixed mark, else the first other row holding the same teacher in the column without
    // the mark; none when every lesson of that clash is fixed.
    std::optional<int> movableRow(model::CellRef at) const;

    // True when the lesson at `at` is no longer double-booked, or has been exchanged cleanly.
    bool exchangeCleanly(model::CellRef at);

    // A forced-chain repair of `at` with a fresh budget of draws; true when the clash is gone.
    bool repair(model::CellRef at);
    // The chain from level `depth` on, spending what is left of the current repair's budget.
    bool repairByChain(model::CellRef at, int depth = 0);

private:
    bool inTimetable(model::CellRef at) const;
    bool resolved(model::CellRef at, int mover) const;
    bool forceAndRepair(model::CellRef at, int partner, int depth);
    bool spendDraw();
    // Whether exchanging the two cells of one row breaks no rule it kept (always true without
    // rules attached to the index).
    bool exchangeKeepsRules(model::CellRef a, model::CellRef b) const;

    TeacherIndex& index_;
    const CombinedGroups& groups_;
    RandomSource& random_;
    UiPort& ui_;
    RepairBudget budget_;
    qint64 repairDrawsLeft_;
    qint64 drawsLeft_;
};

} // namespace orve::scheduler
