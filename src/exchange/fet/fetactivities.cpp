#include "fetactivities.h"

#include "model/combinedlesson.h"

#include <map>

namespace orve::exchange {

namespace {

QString exampleOf(const FetActivity& activity)
{
    return QStringLiteral(u"%1 的 %2").arg(activity.students.join(u'+'), activity.subject);
}

void tally(ActivityTally& kind, const FetActivity& activity)
{
    if (kind.count++ == 0)
        kind.example = exampleOf(activity);
}

} // namespace

QString mainCourseTag()
{
    return QStringLiteral(u"主课");
}

FetPlan planOfActivities(const std::vector<FetActivity>& activities, const FetClasses& classes,
                         NameFitter& courses, NameFitter& teachers)
{
    FetPlan plan;
    QHash<QString, std::size_t> rowOf;  // "class U+F8F5 course" -> index into plan.rows
    std::map<QStringList, int> groupOf; // a combined group's classes (with the course) -> number
    for (const FetActivity& activity : activities) {
        if (!activity.active) {
            tally(plan.inactive, activity);
            continue;
        }
        const StudentsClasses students = classes.of(activity.students);
        if (students.partial) {
            tally(plan.partOfClass, activity);
            continue;
        }
        if (students.classes.isEmpty()) {
            tally(plan.withoutStudents, activity);
            continue;
        }
        const QString course = courses.fit(activity.subject);
        const QString teacher =
            activity.teachers.isEmpty() ? QString() : teachers.fit(activity.teachers.front());
        // A class's course has one teacher and is taken alone or with one set of classes.
        QStringList groupKey = students.classes;
        groupKey.sort();
        groupKey.append(course);
        const auto knownGroup = groupOf.find(groupKey);
        const int expectedGroup = students.classes.size() == 1  ? 0
                                  : knownGroup == groupOf.end() ? -1
                                                                : knownGroup->second;
        bool fits = true;
        for (const QString& className : students.classes) {
            const auto known = rowOf.constFind(model::combinedLessonEntry(className, course));
            if (known != rowOf.cend())
                fits = fits && plan.rows[*known].teacher == teacher &&
                       plan.rows[*known].group == expectedGroup;
        }
        if (!fits) {
            tally(plan.conflicting, activity);
            continue;
        }
        if (activity.teachers.size() > 1)
            tally(plan.moreTeachers, activity);
        if (activity.duration > 1)
            tally(plan.longer, activity);
        int group = expectedGroup;
        if (group < 0) {
            group = ++plan.groups;
            groupOf.emplace(groupKey, group);
        }
        for (const QString& className : students.classes) {
            const QString key = model::combinedLessonEntry(className, course);
            auto found = rowOf.find(key);
            if (found == rowOf.end()) {
                found = rowOf.insert(key, plan.rows.size());
                plan.rows.push_back({className, course, teacher, 0, false, group});
            }
            FetPlanRow& row = plan.rows[*found];
            row.periods += activity.duration;
            row.main = row.main || activity.tags.contains(mainCourseTag());
        }
        plan.carried.insert(activity.id, {students.classes, course, activity.duration});
    }
    return plan;
}

} // namespace orve::exchange
