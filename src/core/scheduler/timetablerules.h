// The rule model over the master timetable: the school's rules for its layout, which lessons
// are taught together, and the tally of every class-row cell. A teacher index it is attached
// to keeps it in step with every change of a cell, so the scheduling run, the repairs and the
// swaps ask it whether a lesson may stand in a slot and what a change would do.
#pragma once

#include "combinedgroups.h"

#include "conditions/rulebook.h"
#include "conditions/ruletally.h"
#include "model/cellref.h"

#include <QString>
#include <memory>
#include <vector>

namespace orve::model {
class Grid;
struct School;
} // namespace orve::model

namespace orve::scheduler {

// Slots `columnA` and `columnB` change places in every one of `rows`.
struct SlotSwap
{
    std::vector<int> rows;
    int columnA = 0;
    int columnB = 0;
};

class TimetableRules
{
public:
    TimetableRules(const model::School& school, int periodsPerDay);
    TimetableRules(const TimetableRules&) = delete;
    TimetableRules& operator=(const TimetableRules&) = delete;

    const conditions::RuleBook& book() const { return *book_; }
    const CombinedGroups& groups() const { return groups_; }
    const conditions::RuleTally& tally() const { return *tally_; }
    conditions::RuleTally& tally() { return *tally_; }

    // What the rules know of a lesson text in a class row; a cell that books nobody has
    // teacher -1. Teachers are numbered here as they are met.
    conditions::LessonFacts factsOf(model::CellRef at, const QString& text);
    // The number of a teacher met so far; -1 for one never met.
    int teacherNumber(const QString& name) const { return teachers_.value(name, -1); }

    // Counts every class-row cell of the timetable as it stands.
    void countAll();
    // Counting a cell in as it now stands, and out again: the facts it was counted with are
    // kept per cell, so a cell changed behind the tally's back can still be taken out.
    void enter(model::CellRef at);
    void leave(model::CellRef at);

    // The facts the cell's lesson is counted with, as factsOf gave them when it was written;
    // read again for a cell not counted.
    conditions::LessonFacts countedFacts(model::CellRef at);
    // The rules the counted lesson of the cell breaks as the timetable stands.
    std::vector<conditions::RuleKind> rulesBrokenAt(model::CellRef at) const;
    // What exchanging slots `columnA` and `columnB` in every one of `rows` would change, from
    // the counted cells, without changing them.
    conditions::RuleCounts changeOfSwap(const std::vector<int>& rows, int columnA, int columnB)
    {
        return changeOfSwaps({{rows, columnA, columnB}});
    }
    // The same for swaps of distinct columns made together (a double period moving whole).
    conditions::RuleCounts changeOfSwaps(const std::vector<SlotSwap>& swaps);

private:
    conditions::LessonFacts readFacts(model::CellRef at, const QString& text);
    // The facts a class-row cell was counted with; null outside the class rows and slots.
    conditions::LessonFacts* countedAt(model::CellRef at);
    const conditions::LessonFacts* countedAt(model::CellRef at) const
    {
        return const_cast<TimetableRules*>(this)->countedAt(at);
    }

    const model::Grid& grid_;
    std::unique_ptr<conditions::RuleBook> book_;
    CombinedGroups groups_;
    std::unique_ptr<conditions::RuleTally> tally_;
    int columns_;
    std::vector<conditions::LessonFacts> counted_; // per cell; teacher -2 while not counted
    QHash<QString, int> teachers_;
    QHash<QPair<int, QString>, conditions::LessonFacts> knownFacts_; // by class row and text
};

// The double bookings and rule violations of the open school's master timetable.
conditions::RuleCounts countRules(const model::School& school, int periodsPerDay);

} // namespace orve::scheduler
