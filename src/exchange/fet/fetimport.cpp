#include "fetimport.h"

#include "daysplit.h"
#include "fetactivities.h"
#include "fetclasses.h"
#include "fetfile.h"
#include "namefitting.h"

#include "draft/schooldraft.h"
#include "table/sheetfile.h"

#include "fileio/openlayout.h"
#include "model/fixedlessonentry.h"
#include "model/lessoncell.h"
#include "model/weekstructure.h"
#include "school/schoollimits.h"
#include "school/teachingplan.h"

#include <QSet>
#include <algorithm>
#include <map>

namespace orve::exchange {

namespace {

using school::NameList;

constexpr int FewestDays = 5;
constexpr int MostDays = 7;

QString weekRefusal(const FetFile& file)
{
    const int days = int(file.days.size());
    if (days < FewestDays || days > MostDays)
        return QStringLiteral(u"FET 文件的一周有 %1 天，本程序每周 %2 到 %3 天，无法导入。")
            .arg(days)
            .arg(FewestDays)
            .arg(MostDays);
    const int hours = int(file.hours.size());
    if (hours < 1 || hours > model::MaxPeriodsPerDay)
        return QStringLiteral(u"FET 文件每天有 %1 节，本程序每天 1 到 %2 节，无法导入。")
            .arg(hours)
            .arg(model::MaxPeriodsPerDay);
    return {};
}

// Everything of the school goes; the grids keep their measures.
void emptySchool(model::School& school)
{
    for (QStringList* list : {&school.classes, &school.venues, &school.courses, &school.teachers,
                              &school.fixedLessons, &school.combinedLessons})
        list->clear();
    school.combinedGroups.reset();
    school.plan.clearCells();
    school.plan.setRowCount(1);
    school.masterTimetable.clearCells();
}

// A day's or an hour's position from 1 by its FET name; 0 when FET's lists have no such name.
int positionOf(const QStringList& names, const QString& name)
{
    return int(names.indexOf(name)) + 1;
}

QStringList coursesInUse(const QStringList& courses, const FetPlan& plan)
{
    QSet<QString> used;
    for (const FetPlanRow& row : plan.rows)
        used.insert(row.course);
    QStringList inUse;
    for (const QString& course : courses)
        if (used.contains(course))
            inUse.append(course);
    return inUse;
}

struct Tallies
{
    int lockedLeftOut = 0;
    int partTimesLeftOut = 0;
    int capped = 0;
    int unusedCourses = 0;
    QStringList roomsLeftOut;
};

// The fixed lessons: locked starting times of the activities carried over, each period of
// them; the students' not-available times and the breaks as "空课".
QStringList fixedLessonsOf(const FetFile& file, const FetPlan& plan, const FetClasses& classes,
                           Tallies& tallies)
{
    QStringList entries;
    QSet<QString> known;
    const auto add = [&](const QString& className, const QString& course, int day, int period) {
        const QString entry = model::fixedEntryText(className, course, day, period);
        if (!known.contains(entry)) {
            known.insert(entry);
            entries.append(entry);
        }
    };
    for (const FetLockedStart& locked : file.lockedStarts) {
        const auto carried = plan.carried.constFind(locked.activityId);
        const int day = positionOf(file.days, locked.time.day);
        const int hour = positionOf(file.hours, locked.time.hour);
        if (carried == plan.carried.cend() || day == 0 || hour == 0) {
            ++tallies.lockedLeftOut;
            continue;
        }
        for (const QString& className : carried->classes)
            for (int period = hour;
                 period < hour + carried->duration && period <= file.hours.size(); ++period)
                add(className, carried->course, day, period);
    }
    const auto addFree = [&](const QStringList& classNames, const std::vector<FetTime>& times) {
        for (const FetTime& time : times) {
            const int day = positionOf(file.days, time.day);
            const int hour = positionOf(file.hours, time.hour);
            for (const QString& className : classNames)
                if (day > 0 && hour > 0)
                    add(className, model::FreePeriodText, day, hour);
        }
    };
    for (const FetTimes& notAvailable : file.studentsNotAvailable) {
        const StudentsClasses students = classes.of({notAvailable.owner});
        if (students.partial)
            tallies.partTimesLeftOut += int(notAvailable.times.size());
        else
            addFree(students.classes, notAvailable.times);
    }
    addFree(classes.classes(), file.breaks);
    return entries;
}

// Plan rows from the activities, in the school laid out for its week.
void fillPlan(SchoolDraft& draft, const FetFile& file, const FetPlan& plan, NameFitter& courses,
              NameFitter& venues, Tallies& tallies)
{
    QHash<QString, QString> venueOf; // course -> venue
    for (const FetSubjectRoom& preferred : file.subjectRooms) {
        const QString course = courses.fit(preferred.subject);
        if (!venueOf.contains(course))
            venueOf.insert(course, venues.fit(preferred.room));
    }
    const int most = school::maxPeriodsPerWeek(draft.school());
    for (const FetPlanRow& row : plan.rows) {
        const int planRow = draft.planRow(row.className, row.course);
        if (planRow < 0)
            continue;
        if (row.periods > most)
            ++tallies.capped;
        draft.setPlanText(planRow, school::TeacherColumn, row.teacher);
        draft.setPlanText(planRow, school::PeriodsColumn,
                          QString::number(std::min(row.periods, most)));
        if (row.main)
            draft.setPlanText(planRow, school::MainMarkColumn, school::MainCourseMark);
        if (const QString venue = venueOf.value(row.course); !venue.isEmpty()) {
            draft.addName(NameList::Venues, venue);
            draft.setPlanText(planRow, school::VenueColumn, venue);
        }
        if (row.group > 0)
            draft.combine(QString::number(row.group), planRow);
    }
    for (const QString& room : file.rooms)
        if (!draft.contains(NameList::Venues, venues.fit(room)))
            tallies.roomsLeftOut.append(room);
}

// The teachers' not-available times and most hours a day, for the teachers the school has.
void addTeacherRules(const FetFile& file, NameFitter& teachers, model::School& school)
{
    model::Rules& rules = school.rules;
    for (const FetTimes& notAvailable : file.teacherNotAvailable) {
        const QString teacher = teachers.fit(notAvailable.owner);
        if (!school.teachers.contains(teacher))
            continue;
        for (const FetTime& time : notAvailable.times) {
            const model::PeriodRule rule{teacher, positionOf(file.days, time.day),
                                         positionOf(file.hours, time.hour)};
            if (rule.day > 0 && rule.period > 0 &&
                std::find(rules.teacherUnavailable.begin(), rules.teacherUnavailable.end(),
                          rule) == rules.teacherUnavailable.end())
                rules.teacherUnavailable.push_back(rule);
        }
    }
    // A limit for every teacher first, then each teacher's own, which is kept where tighter.
    std::map<QString, int> most;
    for (const FetTeacherLimit& limit : file.teacherMaxDaily) {
        if (limit.hours <= 0)
            continue;
        const QStringList named = limit.teacher.isEmpty() ? school.teachers
                                                          : QStringList{teachers.fit(limit.teacher)};
        for (const QString& teacher : named)
            if (school.teachers.contains(teacher)) {
                const auto [at, added] = most.emplace(teacher, limit.hours);
                if (!added)
                    at->second = std::min(at->second, limit.hours);
            }
    }
    for (const QString& teacher : school.teachers)
        if (const auto found = most.find(teacher); found != most.end())
            rules.teacherDailyLimits.push_back(
                {teacher, std::min(found->second, model::MaxRuleCount)});
}

QString otherConstraints(const FetFile& file)
{
    QStringList kinds;
    for (const auto& [kind, count] : file.otherConstraints)
        kinds.append(QStringLiteral(u"%1 %2 条").arg(kind).arg(count));
    return kinds.join(u'、');
}

void tell(QStringList& report, const ActivityTally& tally, const QString& text)
{
    if (tally.count > 0)
        report.append(text.arg(tally.count).arg(tally.example));
}

QStringList reportOf(const FetFile& file, const FetPlan& plan,
                     const Tallies& tallies, const DaySplit& split,
                     const std::array<const NameFitter*, 4>& names)
{
    QStringList report;
    report.append(
        QStringLiteral(u"每天 %1 节%2分为上午 %3 节、下午 %4 节、晚上 %5 节。")
            .arg(file.hours.size())
            .arg(split.fromNames ? QStringLiteral(u"按节次的名称") : QStringLiteral(u"按节数"))
            .arg(split.morning)
            .arg(split.afternoon)
            .arg(split.evening));
    tell(report, plan.partOfClass,
         QStringLiteral(u"%1 个活动只有班级的一部分学生上（如 %2），没有导入。"));
    tell(report, plan.conflicting,
         QStringLiteral(u"%1 个活动与同一班级同一课程的前面的活动教师不同或合班的班级不同"
                        u"（如 %2），没有导入。"));
    tell(report, plan.withoutStudents, QStringLiteral(u"%1 个活动没有学生（如 %2），没有导入。"));
    tell(report, plan.inactive, QStringLiteral(u"%1 个活动没有启用（如 %2），没有导入。"));
    tell(report, plan.moreTeachers,
         QStringLiteral(u"%1 个活动有几位教师，只记了第一位（如 %2）。"));
    tell(report, plan.longer,
         QStringLiteral(u"%1 个活动一次上几节（如 %2）：按节数计入周课时，连堂没有保留。"));
    if (tallies.capped > 0)
        report.append(
            QStringLiteral(u"%1 处周课时超过一周的节数，按一周的节数记。").arg(tallies.capped));
    if (tallies.lockedLeftOut > 0)
        report.append(
            QStringLiteral(u"%1 个活动的固定时间没有导入（活动没有导入或时间不在一周内）。")
                .arg(tallies.lockedLeftOut));
    if (tallies.partTimesLeftOut > 0)
        report.append(QStringLiteral(u"班级一部分学生的不排课时间 %1 处没有导入。")
                          .arg(tallies.partTimesLeftOut));
    if (tallies.unusedCourses > 0)
        report.append(
            QStringLiteral(u"%1 门课程没有任何班级上，没有导入。").arg(tallies.unusedCourses));
    if (!tallies.roomsLeftOut.isEmpty())
        report.append(QStringLiteral(u"%1 个教室不是任何课程的首选教室，没有导入（如 %2）。")
                          .arg(tallies.roomsLeftOut.size())
                          .arg(tallies.roomsLeftOut.front()));
    if (!file.otherConstraints.empty())
        report.append(QStringLiteral(u"其他条件没有导入：%1。").arg(otherConstraints(file)));
    for (const NameFitter* fitter : names)
        report += fitter->changes();
    return report;
}

} // namespace

FetImport importFet(const QByteArray& bytes, fileio::OpenedSchool into)
{
    FetImport imported;
    imported.opened = std::move(into);
    FetFile file;
    imported.error = readFetFile(bytes, file);
    if (imported.error.isEmpty())
        imported.error = weekRefusal(file);
    if (!imported.ok())
        return imported;

    model::School& school = imported.opened.school;
    emptySchool(school);
    school.title = withinGbk(file.institution);
    const DaySplit split = splitDay(file.hours);
    school.week = {QString::number(split.morning), QString::number(split.afternoon),
                   QString::number(split.evening), QString::number(file.days.size())};

    NameFitter classNames(NameList::Classes), courseNames(NameList::Courses),
        teacherNames(NameList::Teachers), venueNames(NameList::Venues);
    const FetClasses classes(file.years, classNames);
    for (const QString& subject : file.subjects)
        courseNames.fit(subject);
    for (const QString& teacher : file.teachers)
        teacherNames.fit(teacher);
    const FetPlan plan = planOfActivities(file.activities, classes, courseNames, teacherNames);

    // A subject no activity brings into the plan would only add empty rows to every class.
    const QStringList courses = coursesInUse(courseNames.names(), plan);
    const std::array<std::pair<NameList, QStringList>, 3> lists = {{
        {NameList::Courses, courses},
        {NameList::Classes, classNames.names()},
        {NameList::Teachers, teacherNames.names()},
    }};
    for (const auto& [list, entries] : lists)
        if (const QString refusal = school::growthRefusal(
                list, entries.size(), classNames.names().size(), courses.size());
            !refusal.isEmpty()) {
            imported.error = refusal + QStringLiteral(u"，无法导入。");
            return imported;
        }

    // The names first, so that the grids are laid out for the classes and the week.
    SchoolDraft names(std::move(school));
    for (const auto& [list, entries] : lists)
        for (const QString& name : entries)
            names.addName(list, name);
    school = names.take();
    fileio::layOutOpenedGrids(imported.opened);

    Tallies tallies;
    tallies.unusedCourses = int(courseNames.names().size() - courses.size());
    SchoolDraft draft(std::move(school));
    fillPlan(draft, file, plan, courseNames, venueNames, tallies);
    school = draft.take();
    school.fixedLessons = fixedLessonsOf(file, plan, classes, tallies);
    if (const QString refusal = school::fixedLessonsRefusal(school.fixedLessons.size());
        !refusal.isEmpty()) {
        imported.error = refusal + QStringLiteral(u"，无法导入。");
        return imported;
    }
    school::rebuildPlanSkeleton(school);
    addTeacherRules(file, teacherNames, school);
    imported.report = reportOf(file, plan, tallies, split,
                               {&classNames, &courseNames, &teacherNames, &venueNames});
    return imported;
}

FetImport importFetFile(const QString& path, fileio::OpenedSchool into)
{
    QByteArray bytes;
    const QString reason = fileio::readRegularFile(path, MaxSheetFileSize, bytes);
    if (!reason.isEmpty() || bytes.size() > MaxSheetFileSize) {
        FetImport failed;
        failed.opened = std::move(into);
        failed.error = reason.isEmpty() ? QStringLiteral(u"文件太大，不是 FET 文件。") : reason;
        return failed;
    }
    return importFet(bytes, std::move(into));
}

} // namespace orve::exchange
