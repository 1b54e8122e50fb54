#include "combinedgroups.h"

#include "model/combinedlesson.h"
#include "model/combinedtree.h"

#include <algorithm>
#include <iterator>

namespace orve::scheduler {

CombinedGroups::CombinedGroups(const model::CombinedTree& tree)
{
    // Groups are the root's children, members the groups' children; one pass over the nodes.
    const int root = 0;
    const auto isGroup = [&](int node) { return node > root && tree.node(node).parent == root; };
    QHash<QString, int> memberOfText;
    for (int node = 0; node < tree.nodeCount(); ++node) {
        const int group = tree.node(node).parent;
        if (group < 0 || !isGroup(group))
            continue;
        const QString& text = tree.node(node).text;
        auto found = memberOfText.constFind(text);
        if (found == memberOfText.constEnd()) {
            found = memberOfText.insert(text, int(groupsOfMember_.size()));
            groupsOfMember_.emplace_back();
            // The entry joins class and course with a separator; a name holding the separator
            // itself would make several readings, and each stands for the same entry.
            for (qsizetype at = text.indexOf(QChar(model::CombinedSeparator)); at >= 0;
                 at = text.indexOf(QChar(model::CombinedSeparator), at + 1))
                membersOfClass_[text.left(at)].emplace_back(text.mid(at + 1), *found);
        }
        const int member = *found;
        std::vector<int>& groups = groupsOfMember_[std::size_t(member)];
        groups.insert(std::upper_bound(groups.begin(), groups.end(), group), group);
    }
}

int CombinedGroups::memberOf(const QString& className, QStringView course) const
{
    const auto found = membersOfClass_.constFind(className);
    if (found == membersOfClass_.constEnd())
        return NoMember;
    for (const auto& [memberCourse, member] : *found)
        if (memberCourse == course)
            return member;
    return NoMember;
}

bool CombinedGroups::together(int member1, int member2) const
{
    if (member1 == NoMember || member2 == NoMember)
        return false;
    const std::vector<int>& first = groupsOfMember_[std::size_t(member1)];
    const std::vector<int>& second = groupsOfMember_[std::size_t(member2)];
    // Ascending lists, nearly always of one group each.
    auto a = first.begin();
    auto b = second.begin();
    while (a != first.end() && b != second.end()) {
        if (*a == *b)
            return true;
        *a < *b ? ++a : ++b;
    }
    return false;
}

bool CombinedGroups::together(const QString& class1, QStringView course1, const QString& class2,
                              QStringView course2) const
{
    return together(memberOf(class1, course1), memberOf(class2, course2));
}

} // namespace orve::scheduler
