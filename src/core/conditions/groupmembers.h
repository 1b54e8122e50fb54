// Who takes part in a combined group. One class is taught one course at a time, so a class
// takes part once, with its first member; and a member takes part only with a course its
// class's teaching plan has, since its lessons, teacher and periods come from that plan row.
// The other members are left out: the group builder refuses them, Open reports them, and the
// scheduling run and the optimiser leave them to be placed as the class's own lessons.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace orve::model {
class CombinedTree;
}

namespace orve::school {
class PlanRowIndex;
}

namespace orve::conditions {

enum class LeftOutReason {
    ClassAgain, // the group has a member of the same class before it
    NotInPlan,  // the class's plan has no row for the course
};

struct GroupMember
{
    int node = -1; // in the tree
    QString className;
    QString course;
    int planRow = -1; // the first plan row of the class and course
};

struct LeftOutMember
{
    int node = -1;
    LeftOutReason reason = LeftOutReason::NotInPlan;
};

struct GroupMembers
{
    std::vector<GroupMember> members; // taking part, in tree order
    std::vector<LeftOutMember> leftOut;
};

// The class and course of a member's text (class, U+F8F5, course; no separator: the whole
// text is the class and the course is empty).
std::pair<QString, QString> memberClassAndCourse(QStringView text);

// The members of group node `group` as taking part or left out.
GroupMembers groupMembers(const model::CombinedTree& tree, int group,
                          const school::PlanRowIndex& plan);

// Why `entry` may not join group node `group` (-1: a group yet to be made), as a sentence
// for the user; empty when it may.
QString joinRefusal(const model::CombinedTree& tree, int group, QStringView entry,
                    const school::PlanRowIndex& plan);

// One line per member left out of any group of the tree: "合班课1：一班 · 体育（reason）".
QStringList leftOutMembers(const model::CombinedTree& tree, const school::PlanRowIndex& plan);

} // namespace orve::conditions
