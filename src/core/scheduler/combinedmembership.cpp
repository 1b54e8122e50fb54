#include "combinedmembership.h"

#include "conditions/combinedtree.h"

#include <algorithm>

namespace orve::scheduler {

CombinedMembership::CombinedMembership(const conditions::CombinedTree& tree)
{
    if (tree.nodeCount() == 0)
        return;
    for (const int group : tree.children(0))
        for (const int member : tree.children(group))
            groups_[tree.node(member).text].append(group);
}

bool CombinedMembership::together(const QString& member1, const QString& member2) const
{
    const auto first = groups_.constFind(member1);
    const auto second = groups_.constFind(member2);
    if (first == groups_.constEnd() || second == groups_.constEnd())
        return false;
    const QList<int>& groups = second.value();
    return std::any_of(first->cbegin(), first->cend(),
                       [&groups](int g) { return groups.contains(g); });
}

QString CombinedMembership::memberKey(QStringView className, QStringView course)
{
    QString key;
    key.reserve(className.size() + 1 + course.size());
    key.append(className).append(QChar(0xF8F5)).append(course);
    return key;
}

} // namespace orve::scheduler
