#include "grouplessons.h"

#include "runcontext.h"

#include "model/cellmarks.h"

namespace orve::scheduler {

void putGroupLesson(RunContext& ctx, const std::vector<GroupMember>& members, int column)
{
    for (const GroupMember& member : members)
        if (member.row) {
            ctx.index.write({*member.row, column}, member.lesson, model::FixedMark);
            ctx.countPlacedEarly(member.planRow);
        }
}

void takeGroupLesson(RunContext& ctx, const std::vector<GroupMember>& members, int column)
{
    for (const GroupMember& member : members)
        if (member.row) {
            ctx.index.write({*member.row, column}, QString(), model::TextStyle::Flat);
            ctx.countPlacedEarly(member.planRow, -1);
        }
}

bool ruleAllowsAll(RunContext& ctx, const std::vector<GroupMember>& members, int column)
{
    for (const GroupMember& member : members)
        if (member.row && ctx.breaksRule({*member.row, column}, member.lesson))
            return false;
    return true;
}

bool positionAccepted(int column, int periodsPerDay, int limit, bool main)
{
    const int position = column % periodsPerDay;
    return main ? position <= limit : limit < position;
}

} // namespace orve::scheduler
