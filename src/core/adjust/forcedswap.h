// The forced swap: two lessons of one class change places even when that double-books a
// teacher, and the repair engine then removes the clash in the other class by exchanges there.
// A combined group's lessons move together (SwapRules), and the repair never moves them nor
// the lessons the user placed. The whole of it (the exchanges, every exchange of the repair) is
// one step of the history. A repair that fails is told, and its clash goes into the conflict
// list.
#pragma once

#include "model/cellref.h"

#include <QStringList>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::scheduler {
class RandomSource;
}

namespace orve::adjust {

inline const QString BothClashMessage =
    QStringLiteral(u"您需要互调的课，相互都存在着冲突,可能会破坏已调课程，请多试几次");

struct ForcedSwapOutcome
{
    // The swap-conflict code (adjust::swapConflict): 0 clean, 1 the picked lesson's column (or
    // its double period's) double-books a teacher coming in, 2 the other side does, 3 both
    // (refused).
    int code = 0;
    // Double bookings the repair could not remove (already told to the user).
    QStringList clashesLeft;
};

// The picked lesson and the other lesson of its class row change places as described above.
// Cells that book no teacher double-book nobody. A lesson held in place is not moved, nor a
// double period with no two adjacent periods to go to: the status bar says why.
ForcedSwapOutcome forceSwap(Workspace& ws, UiPort& ui, scheduler::RandomSource& random,
                            model::CellRef picked, model::CellRef other);

} // namespace orve::adjust
