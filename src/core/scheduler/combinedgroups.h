// Which lessons are taught together: the groups of the combined-class tree by member (class,
// course). The classes of one group holding its lesson in one slot are one lesson with one
// teacher, never a double booking. Members are numbered once, so that the searches compare
// numbers, never build or compare names per pair of lessons.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <utility>
#include <vector>

namespace orve::model {
class CombinedTree;
}

namespace orve::scheduler {

class CombinedGroups
{
public:
    static constexpr int NoMember = -1;

    explicit CombinedGroups(const model::CombinedTree& tree);

    bool empty() const { return groupsOfMember_.empty(); }
    // The number of a class's lesson of a course among the members of the groups; NoMember
    // when no group holds it.
    int memberOf(const QString& className, QStringView course) const;
    // True when the two members belong to one group.
    bool together(int member1, int member2) const;
    // True when the lessons of the two classes and courses belong to one group.
    bool together(const QString& class1, QStringView course1, const QString& class2,
                  QStringView course2) const;

private:
    // The members of each class: (course, member number).
    QHash<QString, std::vector<std::pair<QString, int>>> membersOfClass_;
    // The groups of each member, ascending.
    std::vector<std::vector<int>> groupsOfMember_;
};

} // namespace orve::scheduler
