#include "combinedclasses.h"

#include "groupmembers.h"

#include "model/combinedlesson.h"
#include "model/combinedtree.h"
#include "model/numbers.h"
#include "model/shownname.h"
#include "school/planrowindex.h"
#include "uiport.h"
#include "workspace.h"

#include <limits>

namespace orve::conditions {

using model::CombinedTree;

namespace {

int rootOf(const CombinedTree& tree)
{
    for (int i = 0; i < tree.nodeCount(); ++i)
        if (tree.node(i).parent < 0)
            return i;
    return -1;
}

// One more than the number the last added node's key starts with.
QString nextMemberKey(const CombinedTree& tree)
{
    const double last =
        tree.nodeCount() > 0 ? model::leadingNumber(tree.node(tree.nodeCount() - 1).key) : 0.0;
    const int number = model::roundHalfEven(last + 1, std::numeric_limits<int>::min(),
                                            std::numeric_limits<int>::max());
    return QString::number(number) + QStringLiteral("nkey");
}

bool groupHasMember(const CombinedTree& tree, int group, const QString& entry)
{
    const QList<int> members = tree.children(group);
    for (int member : members)
        if (tree.node(member).text == entry)
            return true;
    return false;
}

} // namespace

QString groupName(const QString& groupNumber)
{
    // The number field lets blanks around the number through, but the file splits a tree
    // record at its spaces: "合班课 1" would make the saved file unreadable.
    return QStringLiteral(u"合班课") + groupNumber.trimmed();
}

QString groupNumber(const QString& groupName)
{
    const QString prefix = conditions::groupName({});
    return groupName.startsWith(prefix) ? groupName.mid(prefix.size()) : groupName;
}

void addToGroup(CombinedTree& tree, const QString& groupNumber, const QString& entry)
{
    const QString key = nextMemberKey(tree);
    const QString group = groupName(groupNumber);
    const int found = tree.findText(group);
    if (found >= 0) {
        if (!groupHasMember(tree, found, entry))
            tree.addChild(found, key, entry);
        return;
    }
    const int root = rootOf(tree);
    if (root < 0 || !tree.setKey(root, tree.node(root).text))
        return;
    const int added = tree.addChild(root, group, group);
    if (added >= 0)
        tree.addChild(added, key, entry);
}

void removeTreeNode(CombinedTree& tree, int selected)
{
    if (selected < 0 || selected >= tree.nodeCount())
        return;
    const int parent = tree.node(selected).parent;
    if (parent < 0) {
        tree.remove(selected);
        tree.addRoot(CombinedTree::rootKey(), CombinedTree::rootText());
        return;
    }
    const bool isMember = tree.node(parent).text != CombinedTree::rootText();
    if (isMember && tree.children(parent).size() == 1)
        tree.remove(parent);
    else
        tree.remove(selected);
}

void addLessonToGroup(Workspace& ws, UiPort& ui, const QString& groupNumber, const QString& entry)
{
    if (entry.isEmpty()) {
        ui.message(QStringLiteral(u"没有选择课程：请先在教学计划的“合班课”一栏标出合班的课，"
                                  u"再从列表中选择。"),
                   MessageButtons::Ok, {}, MessageIcon::Information);
        return;
    }
    const CombinedTree& tree = ws.school.combinedGroups;
    const QString group = groupName(groupNumber);
    const int found = tree.findText(group);
    // Adding a member the group already has changes nothing; anything else is checked.
    if (found < 0 || !groupHasMember(tree, found, entry)) {
        const QString refusal =
            joinRefusal(tree, found, entry, school::PlanRowIndex(ws.school.plan));
        if (!refusal.isEmpty()) {
            ui.message(QStringLiteral(u"“%1”没有加入%2：%3。")
                           .arg(model::shownName(model::combinedLessonCaption(entry)),
                                model::shownName(group), refusal),
                       MessageButtons::Ok, {}, MessageIcon::Warning);
            return;
        }
    }
    addToGroup(ws.school.combinedGroups, groupNumber, entry);
    emit ws.notifier.conditionsChanged();
}

void removeGroupNode(Workspace& ws, int node)
{
    removeTreeNode(ws.school.combinedGroups, node);
    emit ws.notifier.conditionsChanged();
}

void showCombinedClasses(Workspace& ws, UiPort& ui)
{
    ui.showTab(MainTab::SpecialConditions);
    ws.editor.fixedLessons.listText =
        ws.school.fixedLessons.isEmpty() ? QString() : ws.school.fixedLessons.first();
    emit ws.notifier.fixedLessonEditorChanged();
}

} // namespace orve::conditions
