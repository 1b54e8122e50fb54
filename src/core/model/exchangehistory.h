// The changes made by hand on the master timetable, for undo and redo. Every such change is a
// list of cell exchanges (a swap, a forced swap with its repair, an optimiser's moves); doing
// the exchanges again in reverse order undoes it, doing them in order redoes it. A change may
// end by setting text styles (a forced swap leaves its two cells flat); those are set back
// first on undo and again last on redo.
#pragma once

#include "cellref.h"
#include "gridcell.h"

#include <QString>
#include <vector>

namespace orve::model {

class Grid;

// Two cells that changed places.
struct CellExchange
{
    CellRef first;
    CellRef second;
};

// A text style a step set on a cell after its exchanges.
struct StyleChange
{
    CellRef cell;
    TextStyle before = TextStyle::Flat;
    TextStyle after = TextStyle::Flat;
};

// One step of the history: what the user did, and the exchanges it made in order.
struct ExchangeStep
{
    QString caption;
    std::vector<CellExchange> exchanges;
    std::vector<StyleChange> restyles{};
};

class ExchangeHistory
{
public:
    // A new step; steps undone before are gone. A step without exchanges is not kept.
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
