// A combined group as the first stage places it, and the writing of its lessons: one lesson of
// the group stands in one slot column of every member's class row, with the fixed mark.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace orve::scheduler {

class RunContext;

struct GroupMember
{
    QString className;
    QString course;
    int planRow = -1;
    std::optional<int> row; // class row of the master timetable; none: the member is skipped
    QString lesson;         // the cell text of the member's lesson
};

struct GroupLessons
{
    int node = -1; // the group's node of the combined-class tree
    std::vector<GroupMember> members;
    bool main = false;
    int missing = 0; // lessons without a slot
    // Columns of the lessons placed one at a time, which a later search may move; a double
    // period stays where it was put.
    std::vector<int> movable;
};

void putGroupLesson(RunContext& ctx, const std::vector<GroupMember>& members, int column);
void takeGroupLesson(RunContext& ctx, const std::vector<GroupMember>& members, int column);
// Whether every member's lesson may stand in the column without breaking a rule.
bool ruleAllowsAll(RunContext& ctx, const std::vector<GroupMember>& members, int column);
// A main course is taken up to the limit position in the day (the last period has position
// 0, so it always qualifies); any other course only after it, never in a day's last period.
bool positionAccepted(int column, int periodsPerDay, int limit, bool main);
// The limit once the morning one has been given up: a main course anywhere, any other course
// anywhere but in a day's last period.
inline int relaxedLimit(bool main, int periodsPerDay)
{
    return main ? periodsPerDay : 0;
}

} // namespace orve::scheduler
