#include "groupmembers.h"

#include "model/combinedlesson.h"
#include "model/combinedtree.h"
#include "model/shownname.h"
#include "school/planrowindex.h"

#include <algorithm>

namespace orve::conditions {

namespace {

QString reasonText(LeftOutReason reason, const QString& className, const QString& course)
{
    if (reason == LeftOutReason::ClassAgain)
        return QStringLiteral(u"班级“%1”在这个合班课中已有一门课，同一节次一个班级只能上一门课")
            .arg(model::shownName(className));
    return QStringLiteral(u"班级“%1”的教学计划中没有“%2”这门课")
        .arg(model::shownName(className), model::shownName(course));
}

std::optional<LeftOutReason> problemOf(const std::vector<GroupMember>& before,
                                       const QString& className, const QString& course,
                                       const school::PlanRowIndex& plan)
{
    if (std::any_of(before.begin(), before.end(),
                    [&](const GroupMember& m) { return m.className == className; }))
        return LeftOutReason::ClassAgain;
    if (!plan.first(className, course))
        return LeftOutReason::NotInPlan;
    return std::nullopt;
}

} // namespace

std::pair<QString, QString> memberClassAndCourse(QStringView text)
{
    const qsizetype at = text.indexOf(QChar(model::CombinedSeparator));
    if (at < 0)
        return {text.toString(), QString()};
    return {text.left(at).toString(), text.mid(at + 1).toString()};
}

GroupMembers groupMembers(const model::CombinedTree& tree, int group,
                          const school::PlanRowIndex& plan)
{
    GroupMembers result;
    for (const int node : tree.children(group)) {
        auto [className, course] = memberClassAndCourse(tree.node(node).text);
        if (const auto problem = problemOf(result.members, className, course, plan)) {
            result.leftOut.push_back({node, *problem});
            continue;
        }
        const int row = *plan.first(className, course);
        result.members.push_back({node, std::move(className), std::move(course), row});
    }
    return result;
}

QString joinRefusal(const model::CombinedTree& tree, int group, QStringView entry,
                    const school::PlanRowIndex& plan)
{
    const auto [className, course] = memberClassAndCourse(entry);
    const std::vector<GroupMember> members =
        group < 0 ? std::vector<GroupMember>() : groupMembers(tree, group, plan).members;
    const auto problem = problemOf(members, className, course, plan);
    return problem ? reasonText(*problem, className, course) : QString();
}

QStringList leftOutMembers(const model::CombinedTree& tree, const school::PlanRowIndex& plan)
{
    QStringList lines;
    if (tree.nodeCount() == 0)
        return lines;
    for (const int group : tree.children(0))
        for (const LeftOutMember& left : groupMembers(tree, group, plan).leftOut) {
            const QString& text = tree.node(left.node).text;
            const auto [className, course] = memberClassAndCourse(text);
            lines.append(QStringLiteral(u"%1：%2（%3）")
                             .arg(model::shownName(tree.node(group).text),
                                  model::shownName(model::combinedLessonCaption(text)),
                                  reasonText(left.reason, className, course)));
        }
    return lines;
}

} // namespace orve::conditions
