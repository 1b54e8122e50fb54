// What the stages of one scheduling run share: the tables, the window, the run's random
// generator, the teacher index of the master timetable, and what the run could not place,
// which is told to the user after the run.
#pragma once

#include "combinedmembership.h"
#include "slotbook.h"

#include <QStringList>
#include <vector>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::scheduler {

class RandomSource;

// What a run skipped or could not place; each text names one item for the user.
struct RunProblems
{
    QStringList skippedFixedEntries; // no class row, or a day or period outside the week
    QStringList skippedMembers;      // a combined-group member without a class row
    QStringList unplacedCombined;    // combined lessons without a common free slot
    QStringList unreadCombined;      // groups whose periods text is empty or not a number

    bool empty() const
    {
        return skippedFixedEntries.isEmpty() && skippedMembers.isEmpty() &&
               unplacedCombined.isEmpty() && unreadCombined.isEmpty();
    }
};

class RunContext
{
public:
    // Indexes the master timetable as it stands; every later change goes through book.
    RunContext(Workspace& ws, UiPort& ui, RandomSource& random);

    Workspace& ws;
    UiPort& ui;
    RandomSource& random;
    SlotBook book;
    CombinedMembership combined;
    RunProblems problems;
    // Lessons the first stage placed for each plan row (fixed and combined lessons), so that
    // the finishing pass places only the rest of a teacher-less row.
    std::vector<int> placedEarly;

    int columns() const { return book.columns(); }
    // A uniform slot column 1 .. columns - 1: floor((columns - 1) x + 1).
    int drawSlotColumn();
    // A uniform number in [0, 1).
    double draw();
    void countPlacedEarly(int planRow, int lessons = 1);

    // Whether the lesson at (row, column) shares its teacher with another class row there;
    // two fixed lessons of one combined group are taught together, not double-booked.
    bool hasClash(int row, int column) const;

    // Budgets of intelligent-repair draws: one repair call, and the whole run. A draw is
    // allowed while both last.
    void startRepairCall(qint64 draws) { callDrawsLeft_ = draws; }
    bool spendRepairDraw();

private:
    qint64 callDrawsLeft_ = 0;
    qint64 runDrawsLeft_ = 0;
};

} // namespace orve::scheduler
