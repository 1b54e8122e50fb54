#include "combinedgroups.h"

#include "model/combinedlesson.h"
#include "model/numbers.h"
#include "model/school.h"
#include "school/teachingplan.h"

#include <algorithm>

namespace orve::scheduler {

namespace {

// The first plan row of a class and course; -1 when the plan has none.
int planRowOf(const QHash<QString, int>& planRows, const QString& className, const QString& course)
{
    return planRows.value(model::combinedLessonEntry(className, course), -1);
}

} // namespace

CombinedGroups::CombinedGroups(const model::School& school)
{
    const model::CombinedTree& tree = school.combinedGroups;
    if (tree.nodeCount() < 2)
        return;
    const model::Grid& plan = school.plan;
    QHash<QString, int> planRows;
    // QHash::insert replaces: walk back so that the first row of a class and course wins.
    for (int r = plan.rowCount() - 1; r > school::PlanHeaderRow; --r)
        planRows.insert(model::combinedLessonEntry(plan.text({r, school::ClassColumn}),
                                                   plan.text({r, school::CourseColumn})),
                        r);
    // Groups are the root's children and members the groups' children, in the tree's order.
    const int root = 0;
    std::vector<int> groupOfNode(std::size_t(tree.nodeCount()), NoGroup);
    std::vector<Group> candidates;
    for (int node = 1; node < tree.nodeCount(); ++node) {
        const int parent = tree.node(node).parent;
        if (parent == root) {
            groupOfNode[std::size_t(node)] = int(candidates.size());
            candidates.push_back({node, tree.node(node).text, {}, {}});
        } else if (parent > root && groupOfNode[std::size_t(parent)] != NoGroup) {
            const QString& text = tree.node(node).text;
            const qsizetype cut = text.indexOf(QChar(model::CombinedSeparator));
            if (cut >= 0)
                candidates[std::size_t(groupOfNode[std::size_t(parent)])].members.push_back(
                    {text.left(cut), text.mid(cut + 1)});
        }
    }
    for (Group& group : candidates) {
        if (group.members.empty())
            continue;
        // The group's periods are its last member's, as the scheduling run reads them.
        const Member last = group.members.back();
        const int lastRow = planRowOf(planRows, last.className, last.course);
        if (lastRow < 0 || !model::isNumeric(plan.text({lastRow, school::PeriodsColumn})))
            continue;
        const int number = int(groups_.size());
        std::vector<Member> members;
        for (Member& member : group.members) {
            const bool again = std::any_of(members.begin(), members.end(), [&](const Member& m) {
                return m.className == member.className;
            });
            // A member without a plan row has no lessons to combine.
            if (again || groupOf(member.className, member.course) != NoGroup ||
                planRowOf(planRows, member.className, member.course) < 0)
                continue;
            groupsOfClass_[member.className].emplace_back(member.course, number);
            members.push_back(std::move(member));
        }
        groups_.push_back({group.node, group.name, last, std::move(members)});
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
