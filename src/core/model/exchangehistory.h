// The changes made by hand on the master timetable, for undo and redo. Every such change is a
// list of cell exchanges (a swap, a forced swap with its repair, an optimiser's moves) and the
// cells written after them (a lesson brought into the timetable, the flat style a forced swap
// leaves on its two cells); taking the writes back and doing the exchanges again in reverse
// order undoes it, doing it all in order redoes it.
#pragma once

#include "cellref.h"
#include "gridcell.h"

#include <QString>
#include <utility>
#include <vector>

namespace orve::model {

class Grid;

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

// One step of the history: what the user did, the exchanges it made in order, then the cells
// it wrote.
struct ExchangeStep
{
    ExchangeStep() = default;
    ExchangeStep(QString caption, std::vector<CellExchange> exchanges,
                 std::vector<CellWrite> writes = {})
        : caption(std::move(caption)), exchanges(std::move(exchanges)), writes(std::move(writes))
    {
    }

    QString caption;
    std::vector<CellExchange> exchanges;
    std::vector<CellWrite> writes;

    bool empty() const { return exchanges.empty() && writes.empty(); }
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

    // Takes back the last step on the timetable; false when there is none.
    bool undo(Grid& timetable);
    // Does the last undone step again; false when there is none.
    bool redo(Grid& timetable);
    void clear();

private:
    std::vector<ExchangeStep> done_;
    std::vector<ExchangeStep> undone_;
};

} // namespace orve::model
