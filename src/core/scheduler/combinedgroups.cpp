#include "combinedgroups.h"

#include "model/combinedlesson.h"
#include "model/combinedtree.h"

#include <algorithm>

namespace orve::scheduler {

CombinedGroups::CombinedGroups(const model::CombinedTree& tree)
{
    if (tree.nodeCount() == 0)
        return;
    for (const int group : tree.children(0))
        for (const int member : tree.children(group))
            groups_[tree.node(member).text].append(group);
}

bool CombinedGroups::together(QStringView class1, QStringView course1, QStringView class2,
                              QStringView course2) const
{
    if (groups_.isEmpty())
        return false;
    const auto first = groups_.constFind(model::combinedLessonEntry(class1, course1));
    const auto second = groups_.constFind(model::combinedLessonEntry(class2, course2));
    if (first == groups_.constEnd() || second == groups_.constEnd())
        return false;
    const QList<int>& groups = second.value();
    return std::any_of(first->cbegin(), first->cend(),
                       [&groups](int g) { return groups.contains(g); });
}

} // namespace orve::scheduler
