#include "combinedgroups.h"

#include "conditions/groupmembers.h"
#include "model/numbers.h"
#include "model/school.h"
#include "school/planrowindex.h"
#include "school/teachingplan.h"

namespace orve::scheduler {

CombinedGroups::CombinedGroups(const model::School& school)
{
    const model::CombinedTree& tree = school.combinedGroups;
    if (tree.nodeCount() < 2)
        return;
    const model::Grid& plan = school.plan;
    const school::PlanRowIndex planRows(plan);
    for (const int node : tree.children(0)) {
        const QList<int>& nodes = tree.children(node);
        if (nodes.isEmpty())
            continue;
        // The group's periods are its last member's, as the scheduling run reads them.
        const auto [lastClass, lastCourse] =
            conditions::memberClassAndCourse(tree.node(nodes.last()).text);
        const std::optional<int> lastRow = planRows.first(lastClass, lastCourse);
        if (!lastRow || !model::isNumeric(plan.text({*lastRow, school::PeriodsColumn})))
            continue;
        const int number = int(groups_.size());
        std::vector<Member> members;
        for (conditions::GroupMember& member :
             conditions::groupMembers(tree, node, planRows).members) {
            // A class's course belongs to the first group that names it.
            if (groupOf(member.className, member.course) != NoGroup)
                continue;
            groupsOfClass_[member.className].emplace_back(member.course, number);
            members.push_back({std::move(member.className), std::move(member.course)});
        }
        groups_.push_back(
            {node, tree.node(node).text, {lastClass, lastCourse}, std::move(members)});
    }
}

int CombinedGroups::groupOf(const QString& className, QStringView course) const
{
    const auto found = groupsOfClass_.constFind(className);
    if (found == groupsOfClass_.constEnd())
        return NoGroup;
    for (const auto& [memberCourse, group] : *found)
        if (memberCourse == course)
            return group;
    return NoGroup;
}

} // namespace orve::scheduler
