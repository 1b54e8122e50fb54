// The four name lists of the school (classes, courses, teachers, shared venues): which control
// holds each, the captions that make it active, the plan column it feeds, and which list the
// name-list commands act on.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace orve {
struct Workspace;
}

namespace orve::model {
struct School;
}

namespace orve::school {

enum class NameList { Classes, Courses, Teachers, Venues };

inline constexpr std::array<NameList, 4> AllNameLists = {NameList::Classes, NameList::Courses,
                                                          NameList::Teachers, NameList::Venues};

// The caption of the menu command that makes the list active ("输入或察看班级名单", …).
QString activationCaption(NameList list);
// The list's name shown above it: the caption without its leading "输入或察看".
QString listTitle(NameList list);
// The plan column the list feeds: 0 classes, 1 courses, 2 teachers, 7 venues.
int planColumnOf(NameList list);

QStringList& names(model::School& school, NameList list);
const QStringList& names(const model::School& school, NameList list);
QStringList& names(Workspace& ws, NameList list);
const QStringList& names(const Workspace& ws, NameList list);
// The selected entry of a list (-1: none).
int& selectedEntry(Workspace& ws, NameList list);
int selectedEntry(const Workspace& ws, NameList list);

// The list the commands act on, identified by the list name shown, as the handlers always did;
// none before a list has been made active.
std::optional<NameList> activeList(const Workspace& ws);

} // namespace orve::school
