// Which lessons are taught together, in one place: the combined groups of the combined-class
// tree whose periods the plan gives as a number (a group without one is not combined: its
// classes' lessons are their own), with the members that take part (conditions/groupmembers:
// each class once, only with a plan row), each member (class, course) belonging to the first
// such group that names it. The lessons of one group's classes that stand in one slot with
// one teacher are one lesson, never a double booking. Groups are numbered once, so the
// searches compare numbers, never names.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <utility>
#include <vector>

namespace orve::model {
struct School;
}

namespace orve::scheduler {

class CombinedGroups
{
public:
    static constexpr int NoGroup = -1;

    struct Member
    {
        QString className;
        QString course;
    };
    struct Group
    {
        int node = 0;  // the group's node in the tree
        QString name;  // the group's text, as messages name it
        Member last;   // the tree's last member: its plan row gives the periods and main mark
        std::vector<Member> members;
    };

    explicit CombinedGroups(const model::School& school);

    bool empty() const { return groups_.empty(); }
    // The groups in the tree's order.
    const std::vector<Group>& groups() const { return groups_; }
    // The number of the group a class's lesson of a course belongs to; NoGroup when none.
    int groupOf(const QString& className, QStringView course) const;
    // True when the lessons of the two classes and courses belong to one group.
    bool together(const QString& class1, QStringView course1, const QString& class2,
                  QStringView course2) const
    {
        const int group = groupOf(class1, course1);
        return group != NoGroup && group == groupOf(class2, course2);
    }

private:
    std::vector<Group> groups_;
    // The members of each class: (course, group number).
    QHash<QString, std::vector<std::pair<QString, int>>> groupsOfClass_;
};

} // namespace orve::scheduler
