#include "namelistcommands.h"

#include "model/grid.h"
#include "model/rules.h"
#include "namecheck.h"
#include "planrows.h"
#include "schoollimits.h"
#include "teachingplan.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::school {

namespace {

// The refusal of a name the file cannot carry, then the duplicate test of the active list.
bool nameAccepted(const Workspace& ws, UiPort& ui, NameList list, const QString& name)
{
    const QString refusal = nameRefusal(list, name);
    if (!refusal.isEmpty()) {
        ui.message(refusal, MessageButtons::Ok, {}, MessageIcon::Warning);
        return false;
    }
    for (const QString& entry : names(ws, list)) {
        ui.processEvents();
        if (entry == name) {
            // Whichever button is pressed, nothing changes.
            ui.message(duplicateMessage(), MessageButtons::CancelTryAgainContinue,
                       duplicateTitle());
            return false;
        }
    }
    return true;
}

// A name is refused when the school would grow beyond what the file can hold.
bool roomFor(const Workspace& ws, UiPort& ui, NameList list)
{
    const qint64 classes = ws.school.classes.size() + (list == NameList::Classes ? 1 : 0);
    const qint64 courses = ws.school.courses.size() + (list == NameList::Courses ? 1 : 0);
    const QString refusal = growthRefusal(list, names(ws, list).size() + 1, classes, courses);
    if (refusal.isEmpty())
        return true;
    ui.message(refusal + QStringLiteral(u"，这个名称没有加入。"), MessageButtons::Ok, {},
               MessageIcon::Warning);
    return false;
}

bool listEmptyRefused(const Workspace& ws, UiPort& ui, NameList list)
{
    if (!names(ws, list).isEmpty())
        return false;
    ui.message(listEmptyMessage());
    return true;
}

void finishEntry(Workspace& ws, UiPort& ui, bool keepText)
{
    if (!keepText)
        ws.editor.names.entry.clear();
    emit ws.notifier.listsChanged();
    emit ws.notifier.namesEditorChanged();
    ui.giveFocus(FocusTarget::NameEntry);
}

model::RuleSubject ruleSubjectOf(NameList list)
{
    switch (list) {
    case NameList::Classes:
        return model::RuleSubject::Class;
    case NameList::Courses:
        return model::RuleSubject::Course;
    case NameList::Teachers:
        return model::RuleSubject::Teacher;
    case NameList::Venues:
        return model::RuleSubject::Venue;
    }
    return model::RuleSubject::Class;
}

} // namespace

QString duplicateMessage()
{
    return QStringLiteral(u"你可能将数据重复输入");
}

QString duplicateTitle()
{
    return QStringLiteral(u"输入不小心");
}

QString listEmptyMessage()
{
    return QStringLiteral(u"请您先将数据输入");
}

void makeListActive(Workspace& ws, UiPort& ui, NameList list)
{
    ui.showTab(MainTab::Basics);
    ws.editor.names.heading = activationCaption(list);
    ws.editor.names.listTitle = listTitle(list);
    ws.editor.names.entry.clear();
    emit ws.notifier.namesEditorChanged();
}

void showClassList(Workspace& ws, UiPort& ui)
{
    makeListActive(ws, ui, NameList::Classes);
}

void showCourseList(Workspace& ws, UiPort& ui)
{
    makeListActive(ws, ui, NameList::Courses);
}

void showTeacherList(Workspace& ws, UiPort& ui)
{
    makeListActive(ws, ui, NameList::Teachers);
}

void showVenueList(Workspace& ws, UiPort& ui)
{
    makeListActive(ws, ui, NameList::Venues);
}

void selectName(Workspace& ws, NameList list, int index)
{
    const QStringList& entries = names(ws, list);
    if (index < 0 || index >= entries.size())
        return;
    selectedEntry(ws, list) = index;
    ws.editor.names.entry = entries.at(index);
    emit ws.notifier.namesEditorChanged();
}

void addName(Workspace& ws, UiPort& ui)
{
    const std::optional<NameList> list = activeList(ws);
    const QString name = ws.editor.names.entry;
    if (!list || name.isEmpty() || !nameAccepted(ws, ui, *list, name) ||
        !roomFor(ws, ui, *list))
        return;
    names(ws, *list).append(name);
    {
        model::RedrawSuspender suspended(ws.school.plan);
        if (*list == NameList::Classes)
            appendClassBlock(ws.school, ui, name);
        else if (*list == NameList::Courses)
            appendCourseRows(ws.school, ui, name);
    }
    finishEntry(ws, ui, false);
}

void insertName(Workspace& ws, UiPort& ui)
{
    const std::optional<NameList> list = activeList(ws);
    if (!list || listEmptyRefused(ws, ui, *list))
        return;
    const QString name = ws.editor.names.entry;
    if (name.isEmpty() || !nameAccepted(ws, ui, *list, name) || !roomFor(ws, ui, *list))
        return;
    QStringList& entries = names(ws, *list);
    const int selected = selectedEntry(ws, *list);
    const int position = selected >= 0 && selected < entries.size() ? selected + 1 : 0;
    entries.insert(position, name);
    {
        model::RedrawSuspender suspended(ws.school.plan);
        if (*list == NameList::Classes)
            insertClassBlock(ws.school, ui, position, name);
        else if (*list == NameList::Courses)
            insertCourseRows(ws.school, ui, position, name);
    }
    // A teacher's name stays in the field, ready for the next list.
    finishEntry(ws, ui, *list == NameList::Teachers);
}

void renameName(Workspace& ws, UiPort& ui)
{
    const std::optional<NameList> list = activeList(ws);
    if (!list || listEmptyRefused(ws, ui, *list))
        return;
    const QString name = ws.editor.names.entry;
    QStringList& entries = names(ws, *list);
    const int selected = selectedEntry(ws, *list);
    // Without a selected entry there is nothing to rename.
    if (name.isEmpty() || selected < 0 || selected >= entries.size() ||
        !nameAccepted(ws, ui, *list, name))
        return;
    const QString old = entries.at(selected);
    entries[selected] = name;
    {
        model::RedrawSuspender suspended(ws.school.plan);
        replaceInColumn(ws.school.plan, ui, planColumnOf(*list), old, name);
    }
    if (model::rulesNaming(ws.school.rules, ruleSubjectOf(*list), old) > 0) {
        model::renameInRules(ws.school.rules, ruleSubjectOf(*list), old, name);
        emit ws.notifier.conditionsChanged();
    }
    finishEntry(ws, ui, false);
}

void deleteName(Workspace& ws, UiPort& ui)
{
    const std::optional<NameList> list = activeList(ws);
    if (!list)
        return;
    QStringList& entries = names(ws, *list);
    int& selected = selectedEntry(ws, *list);
    if (selected < 0 || selected >= entries.size())
        return;
    // Its rules go with a deleted name: asked first, since they cannot be had back.
    const model::RuleSubject subject = ruleSubjectOf(*list);
    const int rules = model::rulesNaming(ws.school.rules, subject, entries.at(selected));
    if (rules > 0 &&
        ui.message(QStringLiteral(u"删除“%1”将同时删除它的 %2 条排课规则，是否继续？")
                       .arg(entries.at(selected))
                       .arg(rules),
                   MessageButtons::YesNo, {}, MessageIcon::Warning) != MessageAnswer::Yes)
        return;
    const QString name = entries.takeAt(selected);
    selected = -1;
    if (rules > 0) {
        model::removeFromRules(ws.school.rules, subject, name);
        emit ws.notifier.conditionsChanged();
    }

    emit ws.notifier.listsChanged();
    emit ws.notifier.namesEditorChanged();
    model::Grid& plan = ws.school.plan;
    model::RedrawSuspender suspended(plan);
    switch (*list) {
    case NameList::Classes:
        removeRowsWith(plan, ui, ClassColumn, name);
        break;
    case NameList::Courses:
        // Without courses every class keeps one placeholder row.
        if (entries.isEmpty())
            replaceInColumn(plan, ui, CourseColumn, name, placeholderCourse());
        else
            removeRowsWith(plan, ui, CourseColumn, name);
        plan.setMergeColumn(ClassColumn, true);
        break;
    case NameList::Teachers:
    case NameList::Venues:
        replaceInColumn(plan, ui, planColumnOf(*list), name, QString());
        break;
    }
}

} // namespace orve::school
