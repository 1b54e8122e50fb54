// The commands of the name lists on the first tab: making a list active (showClassList,
// showCourseList, showTeacherList, showVenueList), picking an entry, and add, insert, rename and
// delete with the plan rows they keep.
#pragma once

#include "namelist.h"

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::school {

// Brings the list to the front of the first tab as the list the commands act on.
void makeListActive(Workspace& ws, UiPort& ui, NameList list);
void showClassList(Workspace& ws, UiPort& ui);
void showCourseList(Workspace& ws, UiPort& ui);
void showTeacherList(Workspace& ws, UiPort& ui);
void showVenueList(Workspace& ws, UiPort& ui);

// A click on an entry of a list: it becomes the selected entry and its name fills the entry field.
void selectName(Workspace& ws, NameList list, int index);

void addName(Workspace& ws, UiPort& ui);    // "确定", and Enter in the entry field
void insertName(Workspace& ws, UiPort& ui); // "插入"
void renameName(Workspace& ws, UiPort& ui); // "重命名"
void deleteName(Workspace& ws, UiPort& ui); // "删除"

QString duplicateMessage();   // "你可能将数据重复输入"
QString duplicateTitle();     // "输入不小心"
QString listEmptyMessage();   // "请您先将数据输入"

} // namespace orve::school
