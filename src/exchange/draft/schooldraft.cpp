#include "schooldraft.h"

#include "conditions/combinedclasses.h"
#include "model/combinedlesson.h"
#include "school/namecheck.h"
#include "school/planrows.h"
#include "school/schoollimits.h"
#include "school/teachingplan.h"
#include "silentuiport.h"

namespace orve::exchange {

using school::NameList;

namespace {

std::size_t indexOf(NameList list)
{
    return std::size_t(list);
}

} // namespace

SchoolDraft::SchoolDraft(model::School school) : school_(std::move(school))
{
    for (const NameList list : school::AllNameLists) {
        const QStringList& entries = school::names(school_, list);
        names_[indexOf(list)] = QSet<QString>(entries.cbegin(), entries.cend());
    }
    combinedLessons_ =
        QSet<QString>(school_.combinedLessons.cbegin(), school_.combinedLessons.cend());
}

bool SchoolDraft::contains(NameList list, const QString& name) const
{
    return names_[indexOf(list)].contains(name);
}

QString SchoolDraft::refusal(NameList list, const QString& name) const
{
    if (contains(list, name))
        return {};
    if (const QString refused = school::nameRefusal(list, name); !refused.isEmpty())
        return refused;
    const qint64 classes = school_.classes.size() + (list == NameList::Classes ? 1 : 0);
    const qint64 courses = school_.courses.size() + (list == NameList::Courses ? 1 : 0);
    return school::growthRefusal(list, school::names(school_, list).size() + 1, classes, courses);
}

void SchoolDraft::addName(NameList list, const QString& name)
{
    if (contains(list, name))
        return;
    names_[indexOf(list)].insert(name);
    school::names(school_, list).append(name);
    SilentUiPort quiet;
    if (list == NameList::Classes)
        school::appendClassBlock(school_, quiet, name);
    else if (list == NameList::Courses)
        school::appendCourseRows(school_, quiet, name);
    else
        return;
    planIndexed_ = false;
}

void SchoolDraft::indexPlan() const
{
    planRows_.clear();
    const model::Grid& plan = school_.plan;
    for (int row = school::PlanHeaderRow + 1; row < plan.rowCount(); ++row)
        planRows_.insert(model::combinedLessonEntry(plan.text({row, school::ClassColumn}),
                                                    plan.text({row, school::CourseColumn})),
                         row);
    planIndexed_ = true;
}

int SchoolDraft::planRow(const QString& className, const QString& course) const
{
    if (!planIndexed_)
        indexPlan();
    return planRows_.value(model::combinedLessonEntry(className, course), -1);
}

const QString& SchoolDraft::planText(int row, int column) const
{
    return school_.plan.text({row, column});
}

void SchoolDraft::setPlanText(int row, int column, const QString& text)
{
    school_.plan.setText({row, column}, text);
    if (column == school::PeriodsColumn)
        school_.plan.setText({row, school::PeriodsBackupColumn}, text);
}

std::vector<std::pair<QString, QString>> SchoolDraft::groupMembers(const QString& group) const
{
    std::vector<std::pair<QString, QString>> members;
    const model::CombinedTree& tree = school_.combinedGroups;
    const int node = tree.findText(conditions::groupName(group));
    if (node < 0)
        return members;
    for (const int member : tree.children(node)) {
        const QString& entry = tree.node(member).text;
        const qsizetype separator = entry.indexOf(QChar(model::CombinedSeparator));
        if (separator >= 0)
            members.emplace_back(entry.left(separator), entry.mid(separator + 1));
    }
    return members;
}

bool SchoolDraft::combine(const QString& group, int row)
{
    const QString entry = model::combinedLessonEntry(planText(row, school::ClassColumn),
                                                     planText(row, school::CourseColumn));
    const int membersBefore = school_.combinedGroups.nodeCount();
    const bool marked = planText(row, school::CombinedColumn) == school::CombinedMark;
    setPlanText(row, school::CombinedColumn, school::CombinedMark);
    if (!combinedLessons_.contains(entry)) {
        combinedLessons_.insert(entry);
        school_.combinedLessons.append(entry);
    }
    conditions::addToGroup(school_.combinedGroups, group, entry);
    return !marked || school_.combinedGroups.nodeCount() != membersBefore;
}

} // namespace orve::exchange
