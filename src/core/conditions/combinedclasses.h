// The commands of the combined-class groups on the special-conditions tab: adding the shown
// combined-lesson entry to a group (the button "确定"), removing the selected node of
// the tree ("删除") and the menu command showCombinedClasses.
#pragma once

#include <QString>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::model {
class CombinedTree;
}

namespace orve::conditions {

// The group that the group-number field names: "合班课" + the field's text without the
// blanks around it.
QString groupName(const QString& groupNumber);
// The number a group's name holds: the name without its leading "合班课" (a text without it is
// taken as the number itself).
QString groupNumber(const QString& groupName);

// Adds `entry` (the combined lesson shown in the list) as a member of the group "合班课" + `groupNumber`: creates
// the group under the root when no node has that text yet, adds nothing when the group already
// has a member with that text. Member keys are the number of the last node's key plus one,
// followed by "nkey". A failing step (a key already taken, no root) ends the command quietly,
// keeping what it did.
void addToGroup(model::CombinedTree& tree, const QString& groupNumber, const QString& entry);

// Removes the selected node (-1: none, nothing happens): the root takes the whole tree and
// leaves a fresh root; a group goes with its members; a member goes alone, or with its group
// when it is the group's only member.
void removeTreeNode(model::CombinedTree& tree, int selected);

// The same on the open school, told to its views. A member that could not take part in the
// group (its class is in the group already, or its class's plan has no such course) is
// refused with a message saying why, and so is an empty entry (none chosen).
void addLessonToGroup(Workspace& ws, UiPort& ui, const QString& groupNumber, const QString& entry);
void removeGroupNode(Workspace& ws, int node);

// Menu "合班课设置": shows the special-conditions tab and the first fixed-lesson entry in the
// list's text box.
void showCombinedClasses(Workspace& ws, UiPort& ui);

} // namespace orve::conditions
