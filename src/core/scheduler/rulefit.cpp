#include "rulefit.h"

#include "combinedgroups.h"
#include "schedulingrun.h"

#include "conditions/rulebook.h"
#include "model/fixedlessonentry.h"
#include "model/numbers.h"
#include "model/school.h"
#include "school/planlookups.h"
#include "school/teachingplan.h"

#include <QHash>
#include <QSet>

namespace orve::scheduler {

namespace {

int periodsOf(const model::Grid& plan, int row)
{
    return model::leadingInteger(plan.text({row, school::PeriodsColumn}), 0, 9999);
}

// Lessons a week of each teacher and each venue: a combined group's lesson counts once.
struct Loads
{
    QStringList teacherOrder; // as the plan first names them
    QHash<QString, int> teachers;
    QHash<QString, int> venues;
};

Loads loadsOf(const model::School& school)
{
    const model::Grid& plan = school.plan;
    const CombinedGroups groups(school);
    QSet<int> countedGroups;
    Loads loads;
    for (int r = school::PlanHeaderRow + 1; r < plan.rowCount(); ++r) {
        const int group = groups.groupOf(plan.text({r, school::ClassColumn}),
                                         plan.text({r, school::CourseColumn}));
        if (group != CombinedGroups::NoGroup) {
            if (countedGroups.contains(group))
                continue;
            countedGroups.insert(group);
        }
        const int periods = periodsOf(plan, r);
        if (const QString& teacher = plan.text({r, school::TeacherColumn}); !teacher.isEmpty()) {
            if (!loads.teachers.contains(teacher))
                loads.teacherOrder.append(teacher);
            loads.teachers[teacher] += periods;
        }
        if (const QString& venue = plan.text({r, school::VenueColumn}); !venue.isEmpty())
            loads.venues[venue] += periods;
    }
    return loads;
}

} // namespace

QStringList rulesThatCannotHold(const model::School& school, int periodsPerDay)
{
    const conditions::RuleBook book(school, periodsPerDay);
    QStringList cases;
    if (book.empty())
        return cases;
    const Loads loads = loadsOf(school);
    const int slotCount = book.slotCount();
    for (const QString& name : loads.teacherOrder) {
        const int teacher = book.teacher(name);
        const int lessons = loads.teachers.value(name);
        if (teacher < 0 || lessons == 0)
            continue;
        int open = 0;
        for (int s = 0; s < slotCount; ++s)
            open += book.teacherUnavailable(teacher, s) ? 0 : 1;
        if (lessons > open)
            cases.append(QStringLiteral(u"教师“%1”每周有 %2 节课，但只有 %3 个可以上课的节次")
                             .arg(name)
                             .arg(lessons)
                             .arg(open));
        else if (const int limit = book.teacherDailyLimit(teacher);
                 limit > 0 && lessons > limit * book.days())
            cases.append(QStringLiteral(u"教师“%1”每周有 %2 节课，超过每天最多 %3 节 × %4 天")
                             .arg(name)
                             .arg(lessons)
                             .arg(limit)
                             .arg(book.days()));
    }
    for (const model::CountRule& rule : school.rules.venueCapacities)
        if (const int lessons = loads.venues.value(rule.name); lessons > rule.count * slotCount)
            cases.append(QStringLiteral(u"场地“%1”每周有 %2 节课，超过容量 %3 × 每周 %4 节")
                             .arg(rule.name)
                             .arg(lessons)
                             .arg(rule.count)
                             .arg(slotCount));
    const model::Grid& plan = school.plan;
    for (int r = school::PlanHeaderRow + 1; r < plan.rowCount(); ++r) {
        const QString& course = plan.text({r, school::CourseColumn});
        const int limit = book.courseDailyLimit(book.course(course));
        if (limit > 0 && periodsOf(plan, r) > limit * book.days())
            cases.append(QStringLiteral(u"%1的%2每周有 %3 节，超过每天最多 %4 节 × %5 天")
                             .arg(plan.text({r, school::ClassColumn}), course)
                             .arg(periodsOf(plan, r))
                             .arg(limit)
                             .arg(book.days()));
    }
    for (int r = school::PlanHeaderRow + 1; r < plan.rowCount(); ++r) {
        const QString& className = plan.text({r, school::ClassColumn});
        const QString& course = plan.text({r, school::CourseColumn});
        const int wanted =
            book.doublePeriods(int(school.classes.indexOf(className)), book.course(course));
        if (wanted <= 0)
            continue;
        const int teacher = book.teacher(plan.text({r, school::TeacherColumn}));
        const int most = std::min(periodsOf(plan, r) / 2, book.mostPairs([&](int s) {
            return !book.teacherUnavailable(teacher, s) &&
                   !book.courseUnavailable(book.course(course), s);
        }));
        if (most < wanted)
            cases.append(QStringLiteral(u"%1的%2每周要排 %3 次连堂，但能上课的相邻两节只够 %4 次")
                             .arg(className, course)
                             .arg(wanted)
                             .arg(most));
    }
    for (const QString& text : school.fixedLessons) {
        const std::optional<model::FixedLessonEntry> entry = model::parseFixedEntry(text);
        if (!entry || entry->day < 1 || entry->day > book.days() || entry->period < 1 ||
            entry->period > book.periodsPerDay())
            continue;
        const int slot = (entry->day - 1) * book.periodsPerDay() + entry->period - 1;
        const QString teacher = school::planTeacher(plan, entry->className, entry->course);
        if (book.teacherUnavailable(book.teacher(teacher), slot))
            cases.append(
                QStringLiteral(u"固定课“%1”在教师“%2”不排课的时间").arg(text, teacher));
        else if (book.courseUnavailable(book.course(entry->course.toString()), slot))
            cases.append(QStringLiteral(u"固定课“%1”在该课程不排课的时间").arg(text));
    }
    return cases;
}

QString rulesThatCannotHoldMessage(const QStringList& cases)
{
    if (cases.isEmpty())
        return {};
    return listMessage(QStringLiteral(u"以下排课规则无法全部满足，排课时将尽量安排："), cases);
}

} // namespace orve::scheduler
