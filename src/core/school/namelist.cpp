#include "namelist.h"

#include "teachingplan.h"
#include "workspace.h"

namespace orve::school {

namespace {
// The menu captions begin with these five characters; the rest names the list.
constexpr int CaptionPrefixLength = 5;

// One switch for the const and the mutable workspace.
template <typename S> auto& namesOf(S& school, NameList list)
{
    switch (list) {
    case NameList::Courses:
        return school.courses;
    case NameList::Teachers:
        return school.teachers;
    case NameList::Venues:
        return school.venues;
    case NameList::Classes: break;
    }
    return school.classes;
}

template <typename W>
auto& selectionOf(W& ws, NameList list)
{
    switch (list) {
    case NameList::Courses:
        return ws.editor.names.selectedCourse;
    case NameList::Teachers:
        return ws.editor.names.selectedTeacher;
    case NameList::Venues:
        return ws.editor.names.selectedVenue;
    case NameList::Classes: break;
    }
    return ws.editor.names.selectedClass;
}

} // namespace

QString activationCaption(NameList list)
{
    switch (list) {
    case NameList::Classes: return QStringLiteral(u"输入或察看班级名单");
    case NameList::Courses: return QStringLiteral(u"输入或察看开课课程");
    case NameList::Teachers: return QStringLiteral(u"输入或察看教师姓名");
    case NameList::Venues: return QStringLiteral(u"输入或察看公用场地");
    }
    return {};
}

QString listTitle(NameList list)
{
    return activationCaption(list).mid(CaptionPrefixLength);
}

int planColumnOf(NameList list)
{
    switch (list) {
    case NameList::Classes: return ClassColumn;
    case NameList::Courses: return CourseColumn;
    case NameList::Teachers: return TeacherColumn;
    case NameList::Venues: return VenueColumn;
    }
    return ClassColumn;
}

QStringList& names(model::School& school, NameList list)
{
    return namesOf(school, list);
}

const QStringList& names(const model::School& school, NameList list)
{
    return namesOf(school, list);
}

QStringList& names(Workspace& ws, NameList list)
{
    return namesOf(ws.school, list);
}

const QStringList& names(const Workspace& ws, NameList list)
{
    return namesOf(ws.school, list);
}

int& selectedEntry(Workspace& ws, NameList list)
{
    return selectionOf(ws, list);
}

int selectedEntry(const Workspace& ws, NameList list)
{
    return selectionOf(ws, list);
}

std::optional<NameList> activeList(const Workspace& ws)
{
    for (NameList list : AllNameLists)
        if (ws.editor.names.listTitle == listTitle(list))
            return list;
    return std::nullopt;
}

} // namespace orve::school
