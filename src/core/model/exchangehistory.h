// The changes made by hand on the master timetable, for undo and redo. Every such change is a
// list of cell exchanges (a swap, a forced swap with its repair, an optimiser's moves) and the
// cells written after them (a lesson brought into the timetable, the flat style a forced swap
// leaves on its two cells); taking the writes back and doing the exchanges again in reverse
// order undoes it, doing it all in order redoes it. A scheduling run, which lays the whole
// timetable out anew, is a step that keeps the timetable before and after it.
#pragma once

#include "cellref.h"
#include "conflict.h"
#include "grid.h"
#include "gridcell.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

namespace orve::model {

// Two cells that changed places.
struct CellExchange
{
    CellRef first;
    CellRef second;
};

// A cell whose text and style were replaced (after the step's exchanges).
struct CellWrite
{
    CellRef at;
    QString textBefore;
    TextStyle styleBefore = TextStyle::Flat;
    QString textAfter;
    TextStyle styleAfter = TextStyle::Flat;
};

// The whole timetable before and after a step that replaced it, with the conflict lists that
// named its double bookings.
struct TimetableReplacement
{
    Grid before;
    Grid after;
    Conflicts conflictsBefore;
    Conflicts conflictsAfter;
};

// One step of the history: what the user did, the exchanges it made in order, then the cells
// it wrote; or the timetable it replaced.
struct ExchangeStep
{
    ExchangeStep() = default;
    ExchangeStep(QString caption, std::vector<CellExchange> exchanges,
                 std::vector<CellWrite> writes = {})
        : caption(std::move(caption)), exchanges(std::move(exchanges)), writes(std::move(writes))
    {
    }
    ExchangeStep(QString caption, TimetableReplacement replaced)
        : caption(std::move(caption)),
          replacement(std::make_shared<const TimetableReplacement>(std::move(replaced)))
    {
    }

    QString caption;
    std::vector<CellExchange> exchanges;
    std::vector<CellWrite> writes;
    std::shared_ptr<const TimetableReplacement> replacement;

    bool empty() const { return exchanges.empty() && writes.empty() && !replacement; }
};

// Makes the step's changes on the timetable, or takes them back.
void doStep(const ExchangeStep& step, Grid& timetable);
void undoStep(const ExchangeStep& step, Grid& timetable);

class ExchangeHistory
{
public:
    // A new step; steps undone before are gone. A step that changes nothing is not kept.
    void record(ExchangeStep step);
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // Captions of the steps that undo and redo would take back or do again; empty when none.
    QString undoCaption() const;
    QString redoCaption() const;

    // The step undo would take back; null when none.
    const ExchangeStep* newest() const { return done_.empty() ? nullptr : &done_.back(); }

    // Takes back the last step on the timetable and returns it; null when there is none.
    const ExchangeStep* undo(Grid& timetable);
    // Does the last undone step again and returns it; null when there is none.
    const ExchangeStep* redo(Grid& timetable);
    void clear();

private:
    std::vector<ExchangeStep> done_;
    std::vector<ExchangeStep> undone_;
};

} // namespace orve::model
