// What the stages of one scheduling run share: the tables, the window, the run's random
// generator, the teacher index of the master timetable, the repair engine over it, and what
// the run could not place, which is told to the user after the run.
#pragma once

#include "combinedgroups.h"
#include "randomsource.h"
#include "repairengine.h"
#include "teacherindex.h"
#include "timetablerules.h"

#include "school/planrowindex.h"

#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::scheduler {

class SchedulingStatus;

// A combined group's lessons left unplaced, as the list names them: "合班课3：2 节".
QString unplacedCombinedEntry(const QString& group, int lessons);

// What a run skipped or could not place; each text names one item for the user.
struct RunProblems
{
    QStringList skippedFixedEntries; // no class row, or a day or period outside the week
    QStringList skippedMembers;      // a combined-group member without a class row
    QStringList leftOutMembers;      // members that cannot take part in their group
    QStringList unplacedCombined;    // combined lessons without a common free slot
    QStringList unreadCombined;      // groups whose periods text is empty or not a number
    // The user stopped the run: the timetable is as it was before it started.
    bool stopped = false;

    bool empty() const
    {
        return skippedFixedEntries.isEmpty() && skippedMembers.isEmpty() &&
               leftOutMembers.isEmpty() && unplacedCombined.isEmpty() && unreadCombined.isEmpty();
    }
};

class RunContext
{
public:
    // Indexes the master timetable as it stands, its class names and the plan's rows; every
    // later change of a cell goes through the index. `status`, when given, may stop the run.
    RunContext(Workspace& ws, UiPort& ui, RandomSource& random, SchedulingStatus* status = nullptr);

    Workspace& ws;
    UiPort& ui;
    RandomSource& random;
    TeacherIndex index;
    TimetableRules rules; // counted through the index
    const CombinedGroups& groups; // the rules' own: read from the school once
    RepairEngine repair;
    RunProblems problems;
    // Lessons the first stage placed for each plan row (fixed and combined lessons), so that
    // the finishing pass places only the rest of a teacher-less row.
    std::vector<int> placedEarly;
    // Plan rows of the combined groups the first stage placed: their lessons stand together
    // in one slot or are reported as not placed, never placed class by class.
    std::vector<char> placedTogether;

    // Lets pending events run; false once the user has asked to stop the run (and from then
    // on): the stages then end at once.
    bool carryOn();
    bool stopped() const { return stopped_; }

    int columns() const { return index.columns(); }
    // The class row of the master timetable, as classRowOf finds it.
    std::optional<int> classRow(QStringView className) const;
    // The plan's rows by class and course, indexed when first asked for (only fixed lessons
    // and combined groups need them).
    const school::PlanRowIndex& planRows();
    // A uniform slot column 1 .. columns - 1.
    int drawSlotColumn() { return scheduler::drawSlotColumn(random, columns()); }
    // A uniform number in [0, 1).
    double draw();
    // Whether the lesson text would break a rule standing in the cell: each stage places
    // nothing that breaks a rule while a slot that breaks none is left.
    bool breaksRule(model::CellRef at, const QString& text);
    void countPlacedEarly(int planRow, int lessons = 1);
    void markPlacedTogether(int planRow);
    bool isPlacedTogether(int planRow) const;

private:
    // The facts of the last lesson weighed: a stage weighs one lesson against many slots.
    int weighedRow_ = -1;
    QString weighedText_;
    conditions::LessonFacts weighedFacts_;
    SchedulingStatus* status_;
    bool stopped_ = false;
    QHash<QString, int> classRows_;
    std::optional<school::PlanRowIndex> planRows_;
};

} // namespace orve::scheduler
