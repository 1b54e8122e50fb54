#include "fetexport.h"

#include "fetactivities.h"

#include "model/combinedlesson.h"
#include "model/fixedlessonentry.h"
#include "model/layouts.h"
#include "model/lessoncell.h"
#include "model/school.h"
#include "school/planrows.h"
#include "school/teachingplan.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamWriter>

namespace orve::exchange {

namespace {

// The first format of FET 6, which every FET 6 opens without converting it.
const QString FetVersion = QStringLiteral("6.0.0");

struct Activity
{
    QString teacher;
    QString course;
    QStringList classes;
    int periods = 0;
    bool main = false;
    QList<int> ids; // one per period, from FET's first id
    int locked = 0; // how many of them have a fixed time
};

struct LockedStart
{
    int id = 0;
    int day = 0; // from 1
    int period = 0;
};

struct Week
{
    QStringList days;
    QStringList hours;
};

Week weekOf(const model::School& school)
{
    Week week;
    for (int d = 0; d < school.week.daysPerWeek(); ++d) {
        const QString name = model::masterDayName(d);
        week.days.append(name.isEmpty() ? QStringLiteral(u"第%1天").arg(d + 1) : name);
    }
    const int periods = school.week.periodsPerDay();
    const int morning = std::min(school.week.morningPeriods(), periods);
    const int afternoon = std::min(school.week.afternoonPeriods(), periods - morning);
    for (int p = 0; p < periods; ++p) {
        if (p < morning)
            week.hours.append(QStringLiteral(u"上午第%1节").arg(p + 1));
        else if (p < morning + afternoon)
            week.hours.append(QStringLiteral(u"下午第%1节").arg(p - morning + 1));
        else
            week.hours.append(QStringLiteral(u"晚上第%1节").arg(p - morning - afternoon + 1));
    }
    return week;
}

// The activities: each combined group as one of all its classes, then every other plan row
// with periods. `activityOf` finds the activity of a class's course.
std::vector<Activity> activitiesOf(const model::School& school, QHash<QString, int>& activityOf,
                                   QStringList& report)
{
    const model::Grid& plan = school.plan;
    QHash<QString, int> rowOf;
    for (int row = school::PlanHeaderRow + 1; row < plan.rowCount(); ++row)
        rowOf.insert(model::combinedLessonEntry(plan.text({row, school::ClassColumn}),
                                                plan.text({row, school::CourseColumn})),
                     row);
    const auto rowActivity = [&](int row) {
        return Activity{plan.text({row, school::TeacherColumn}),
                        plan.text({row, school::CourseColumn}),
                        {plan.text({row, school::ClassColumn})},
                        plan.text({row, school::PeriodsColumn}).toInt(),
                        plan.text({row, school::MainMarkColumn}) == school::MainCourseMark,
                        {},
                        0};
    };

    std::vector<Activity> activities;
    const model::CombinedTree& tree = school.combinedGroups;
    for (int root = 0; root < tree.nodeCount(); ++root) {
        if (tree.node(root).parent >= 0)
            continue;
        for (const int group : tree.children(root)) {
            Activity together;
            QStringList members;
            for (const int member : tree.children(group)) {
                const QString& entry = tree.node(member).text;
                const int row = rowOf.value(entry, -1);
                if (row < 0 || activityOf.contains(entry) || members.contains(entry))
                    continue;
                const Activity alone = rowActivity(row);
                if (members.isEmpty())
                    together = alone;
                else if (alone.course != together.course || alone.teacher != together.teacher ||
                         alone.periods != together.periods)
                    report.append(QStringLiteral(u"%1的%2与组里第一个班级的课程、教师或周课时"
                                                 u"不同，按第一个班级的导出。")
                                      .arg(tree.node(group).text, alone.classes.front()));
                if (!together.classes.contains(alone.classes.front()))
                    together.classes.append(alone.classes.front());
                members.append(entry);
            }
            if (together.periods <= 0)
                continue; // its classes' rows go out one by one, if they have periods
            for (const QString& entry : members)
                activityOf.insert(entry, int(activities.size()));
            activities.push_back(together);
        }
    }
    for (int row = school::PlanHeaderRow + 1; row < plan.rowCount(); ++row) {
        const QString entry = model::combinedLessonEntry(plan.text({row, school::ClassColumn}),
                                                         plan.text({row, school::CourseColumn}));
        Activity alone = rowActivity(row);
        if (activityOf.contains(entry) || alone.periods <= 0 ||
            alone.course == school::placeholderCourse())
            continue;
        activityOf.insert(entry, int(activities.size()));
        activities.push_back(alone);
    }
    return activities;
}

// Fixed lessons as locked starting times of their activity's periods; "空课" entries as the
// class's not-available times.
std::vector<LockedStart> lockedStarts(const model::School& school, const Week& week,
                                      std::vector<Activity>& activities,
                                      const QHash<QString, int>& activityOf,
                                      QHash<QString, QList<std::pair<int, int>>>& freeTimes,
                                      QStringList& report)
{
    std::vector<LockedStart> starts;
    QSet<QString> taken; // activity, day and period: the members of a group name one lesson
    int leftOut = 0;
    for (const QString& text : school.fixedLessons) {
        const std::optional<model::FixedLessonEntry> entry = model::parseFixedEntry(text);
        if (!entry || entry->day < 1 || entry->day > week.days.size() || entry->period < 1 ||
            entry->period > week.hours.size()) {
            ++leftOut;
            continue;
        }
        const QString className = entry->className.toString();
        if (entry->course == model::FreePeriodText) {
            freeTimes[className].append({entry->day, entry->period});
            continue;
        }
        const int index =
            activityOf.value(model::combinedLessonEntry(className, entry->course), -1);
        const QString slot =
            QStringLiteral("%1 %2 %3").arg(index).arg(entry->day).arg(entry->period);
        if (taken.contains(slot))
            continue;
        if (index < 0 ||
            activities[std::size_t(index)].locked >= activities[std::size_t(index)].periods) {
            ++leftOut;
            continue;
        }
        taken.insert(slot);
        Activity& activity = activities[std::size_t(index)];
        starts.push_back({activity.ids.at(activity.locked++), entry->day, entry->period});
    }
    if (leftOut > 0)
        report.append(QStringLiteral(u"%1 个固定课没有导出：它的课程没有周课时、固定的节数超过"
                                     u"周课时，或时间不在一周内。")
                          .arg(leftOut));
    return starts;
}

class FetWriter
{
public:
    explicit FetWriter(QByteArray* bytes) : xml_(bytes)
    {
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(-1); // tabs, as FET writes
    }

    QXmlStreamWriter& xml() { return xml_; }

    // A list of named items, each with the same further fields after its name.
    void nameList(const QString& list, const QString& item, const QStringList& names,
                  const std::vector<std::pair<QString, QString>>& fields, const QString& count = {})
    {
        xml_.writeStartElement(list);
        if (!count.isEmpty())
            xml_.writeTextElement(count, QString::number(names.size()));
        for (const QString& name : names) {
            xml_.writeStartElement(item);
            xml_.writeTextElement(QStringLiteral("Name"), name);
            for (const auto& [field, value] : fields)
                xml_.writeTextElement(field, value);
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    void activities(const std::vector<Activity>& activities)
    {
        xml_.writeStartElement(QStringLiteral("Activities_List"));
        for (const Activity& activity : activities)
            for (const int id : activity.ids) {
                xml_.writeStartElement(QStringLiteral("Activity"));
                if (!activity.teacher.isEmpty())
                    xml_.writeTextElement(QStringLiteral("Teacher"), activity.teacher);
                xml_.writeTextElement(QStringLiteral("Subject"), activity.course);
                if (activity.main)
                    xml_.writeTextElement(QStringLiteral("Activity_Tag"), mainCourseTag());
                for (const QString& className : activity.classes)
                    xml_.writeTextElement(QStringLiteral("Students"), className);
                xml_.writeTextElement(QStringLiteral("Duration"), QStringLiteral("1"));
                xml_.writeTextElement(QStringLiteral("Total_Duration"),
                                      QString::number(activity.ids.size()));
                xml_.writeTextElement(QStringLiteral("Id"), QString::number(id));
                xml_.writeTextElement(
                    QStringLiteral("Activity_Group_Id"),
                    QString::number(activity.ids.size() > 1 ? activity.ids.front() : 0));
                xml_.writeTextElement(QStringLiteral("Active"), QStringLiteral("true"));
                xml_.writeTextElement(QStringLiteral("Comments"), {});
                xml_.writeEndElement();
            }
        xml_.writeEndElement();
    }

    // A constraint FET must keep: weight 100, active.
    void startConstraint(const QString& kind)
    {
        xml_.writeStartElement(kind);
        xml_.writeTextElement(QStringLiteral("Weight_Percentage"), QStringLiteral("100"));
    }
    void endConstraint()
    {
        xml_.writeTextElement(QStringLiteral("Active"), QStringLiteral("true"));
        xml_.writeTextElement(QStringLiteral("Comments"), {});
        xml_.writeEndElement();
    }

private:
    QXmlStreamWriter xml_;
};

} // namespace

FetExport exportFet(const model::School& school)
{
    FetExport exported;
    const Week week = weekOf(school);
    QHash<QString, int> activityOf;
    std::vector<Activity> activities = activitiesOf(school, activityOf, exported.report);
    QStringList teachers = school.teachers;
    int nextId = 1;
    bool anyMain = false;
    for (Activity& activity : activities) {
        for (int p = 0; p < activity.periods; ++p)
            activity.ids.append(nextId++);
        anyMain = anyMain || activity.main;
        // FET refuses an activity whose teacher it does not know.
        if (!activity.teacher.isEmpty() && !teachers.contains(activity.teacher))
            teachers.append(activity.teacher);
    }
    QHash<QString, QList<std::pair<int, int>>> freeTimes;
    const std::vector<LockedStart> starts =
        lockedStarts(school, week, activities, activityOf, freeTimes, exported.report);
    if (!school.rules.courseUnavailable.empty() || !school.rules.venueCapacities.empty() ||
        !school.rules.courseDailyLimits.empty() || !school.rules.doublePeriods.empty())
        exported.report.append(QStringLiteral(u"课程不排时间、场地容量、课程每天节数和连堂的规则"
                                              u"没有导出；教师不排课时间和教师每天节数已导出。"));
    for (int row = school::PlanHeaderRow + 1; row < school.plan.rowCount(); ++row)
        if (!school.plan.text({row, school::VenueColumn}).isEmpty()) {
            exported.report.append(QStringLiteral(u"教学场地没有导出：FET 的一个教室同一时间只能"
                                                  u"上一个活动，本程序的场地没有这个限制。"));
            break;
        }

    FetWriter writer(&exported.bytes);
    QXmlStreamWriter& xml = writer.xml();
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("fet"));
    xml.writeAttribute(QStringLiteral("version"), FetVersion);
    xml.writeTextElement(QStringLiteral("Mode"), QStringLiteral("Official"));
    xml.writeTextElement(QStringLiteral("Institution_Name"), school.title);
    xml.writeTextElement(QStringLiteral("Comments"), {});
    const QString comments = QStringLiteral("Comments");
    writer.nameList(QStringLiteral("Days_List"), QStringLiteral("Day"), week.days, {},
                    QStringLiteral("Number_of_Days"));
    writer.nameList(QStringLiteral("Hours_List"), QStringLiteral("Hour"), week.hours, {},
                    QStringLiteral("Number_of_Hours"));
    writer.nameList(QStringLiteral("Subjects_List"), QStringLiteral("Subject"), school.courses,
                    {{comments, {}}});
    writer.nameList(QStringLiteral("Activity_Tags_List"), QStringLiteral("Activity_Tag"),
                    anyMain ? QStringList{mainCourseTag()} : QStringList{},
                    {{QStringLiteral("Printable"), QStringLiteral("true")}, {comments, {}}});
    writer.nameList(QStringLiteral("Teachers_List"), QStringLiteral("Teacher"), teachers,
                    {{QStringLiteral("Target_Number_of_Hours"), QStringLiteral("0")},
                     {QStringLiteral("Qualified_Subjects"), {}},
                     {comments, {}}});
    writer.nameList(QStringLiteral("Students_List"), QStringLiteral("Year"), school.classes,
                    {{QStringLiteral("Number_of_Students"), QStringLiteral("0")}, {comments, {}}});
    writer.activities(activities);
    xml.writeEmptyElement(QStringLiteral("Buildings_List"));
    xml.writeEmptyElement(QStringLiteral("Rooms_List"));

    xml.writeStartElement(QStringLiteral("Time_Constraints_List"));
    writer.startConstraint(QStringLiteral("ConstraintBasicCompulsoryTime"));
    writer.endConstraint();
    // Times a class or a teacher is not available, each within the week.
    const auto notAvailable = [&](const QString& kind, const QString& ownerTag,
                                  const QString& owner, QList<std::pair<int, int>> times) {
        times.removeIf([&](const std::pair<int, int>& time) {
            return time.first < 1 || time.first > week.days.size() || time.second < 1 ||
                   time.second > week.hours.size();
        });
        if (times.isEmpty())
            return;
        writer.startConstraint(kind);
        xml.writeTextElement(ownerTag, owner);
        xml.writeTextElement(QStringLiteral("Number_of_Not_Available_Times"),
                             QString::number(times.size()));
        for (const auto& [day, period] : times) {
            xml.writeStartElement(QStringLiteral("Not_Available_Time"));
            xml.writeTextElement(QStringLiteral("Day"), week.days.at(day - 1));
            xml.writeTextElement(QStringLiteral("Hour"), week.hours.at(period - 1));
            xml.writeEndElement();
        }
        writer.endConstraint();
    };
    for (const QString& className : school.classes)
        notAvailable(QStringLiteral("ConstraintStudentsSetNotAvailableTimes"),
                     QStringLiteral("Students"), className, freeTimes.value(className));
    const model::Rules& rules = school.rules;
    for (const QString& teacher : std::as_const(teachers)) {
        QList<std::pair<int, int>> times;
        for (const model::PeriodRule& rule : rules.teacherUnavailable)
            if (rule.name == teacher)
                times.append({rule.day, rule.period});
        notAvailable(QStringLiteral("ConstraintTeacherNotAvailableTimes"),
                     QStringLiteral("Teacher"), teacher, times);
    }
    for (const model::CountRule& limit : rules.teacherDailyLimits)
        if (teachers.contains(limit.name)) {
            writer.startConstraint(QStringLiteral("ConstraintTeacherMaxHoursDaily"));
            xml.writeTextElement(QStringLiteral("Teacher_Name"), limit.name);
            xml.writeTextElement(QStringLiteral("Maximum_Hours_Daily"),
                                 QString::number(limit.count));
            writer.endConstraint();
        }
    for (const LockedStart& start : starts) {
        writer.startConstraint(QStringLiteral("ConstraintActivityPreferredStartingTime"));
        xml.writeTextElement(QStringLiteral("Activity_Id"), QString::number(start.id));
        xml.writeTextElement(QStringLiteral("Preferred_Day"), week.days.at(start.day - 1));
        xml.writeTextElement(QStringLiteral("Preferred_Hour"), week.hours.at(start.period - 1));
        xml.writeTextElement(QStringLiteral("Permanently_Locked"), QStringLiteral("true"));
        writer.endConstraint();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("Space_Constraints_List"));
    writer.startConstraint(QStringLiteral("ConstraintBasicCompulsorySpace"));
    writer.endConstraint();
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    return exported;
}

} // namespace orve::exchange
