#include "schoolgenerator.h"

#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/school.h"
#include "school/teachingplan.h"
#include "school/weekcommands.h"
#include "workspace.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace orve::bench {

namespace {

constexpr int MainCourses = 3;

QString className(int index)
{
    static const char16_t* grades[] = {u"初一", u"初二", u"初三", u"高一", u"高二", u"高三"};
    const int perGrade = 25;
    // Beyond 150 classes the grades take further numbers, so every name stays unique.
    const int round = index / (perGrade * 6);
    return QStringLiteral(u"%1(%2)")
        .arg(QString::fromUtf16(grades[(index / perGrade) % 6]))
        .arg(round * perGrade + index % perGrade + 1);
}

QString courseName(int index)
{
    static const char16_t* names[] = {u"语文", u"数学", u"英语", u"物理", u"化学", u"生物",
                                      u"政治", u"历史", u"地理", u"体育", u"音乐", u"美术",
                                      u"信息", u"劳动", u"心理"};
    const int count = int(std::size(names));
    return index < count ? QString::fromUtf16(names[index])
                         : QStringLiteral(u"课程%1").arg(index + 1);
}

// Periods per week of each course: main courses weigh three, the others one.
std::vector<int> periodsPerCourse(const SchoolShape& shape)
{
    const int slotCount = shape.days * (shape.morningPeriods + shape.afternoonPeriods + shape.eveningPeriods);
    const int planned = int(std::floor(slotCount * shape.load));
    const int mains = std::min(MainCourses, shape.courses);
    const int weights = mains * 3 + (shape.courses - mains);
    std::vector<int> periods(std::size_t(shape.courses), 0);
    int given = 0;
    for (int k = 0; k < shape.courses; ++k) {
        periods[std::size_t(k)] = planned * (k < mains ? 3 : 1) / std::max(weights, 1);
        given += periods[std::size_t(k)];
    }
    for (int k = 0; given < planned && shape.courses > 0; k = (k + 1) % shape.courses, ++given)
        ++periods[std::size_t(k)];
    return periods;
}

} // namespace

void generateSchool(Workspace& ws, const SchoolShape& shape)
{
    ws.school.week.morning = QString::number(shape.morningPeriods);
    ws.school.week.afternoon = QString::number(shape.afternoonPeriods);
    ws.school.week.evening = QString::number(shape.eveningPeriods);
    ws.school.week.days = QString::number(shape.days);
    ws.session.periodsPerDay = ws.school.week.periodsPerDay();

    ws.school.classes.clear();
    ws.school.courses.clear();
    ws.school.teachers.clear();
    for (int i = 0; i < shape.classes; ++i)
        ws.school.classes.append(className(i));
    for (int k = 0; k < shape.courses; ++k)
        ws.school.courses.append(courseName(k));
    const int teachersPerCourse =
        (shape.classes + shape.classesPerTeacher - 1) / std::max(shape.classesPerTeacher, 1);
    for (int k = 0; k < shape.courses; ++k)
        for (int t = 0; t < teachersPerCourse; ++t)
            ws.school.teachers.append(QStringLiteral(u"%1老师%2").arg(courseName(k)).arg(t + 1));

    ws.school.plan.clearCells();
    school::rebuildPlanSkeleton(ws.school);
    const std::vector<int> periods = periodsPerCourse(shape);
    model::RedrawSuspender suspended(ws.school.plan);
    for (int i = 0; i < shape.classes; ++i)
        for (int k = 0; k < shape.courses; ++k) {
            const int row = school::planRow(i, k, shape.courses);
            const int teacher = k * teachersPerCourse + i / shape.classesPerTeacher;
            const QString count = QString::number(periods[std::size_t(k)]);
            ws.school.plan.setText({row, school::TeacherColumn}, ws.school.teachers.at(teacher));
            ws.school.plan.setText({row, school::MainMarkColumn},
                                   k < MainCourses ? QStringLiteral(u"主") : QString());
            ws.school.plan.setText({row, school::PeriodsColumn}, count);
            ws.school.plan.setText({row, school::PeriodsBackupColumn}, count);
        }
}

void fillTimetable(Workspace& ws)
{
    school::layOutEmptyMasterTimetable(ws);
    const int courses = int(ws.school.courses.size());
    const int teachers = int(ws.school.teachers.size());
    for (int r = 2; r < ws.school.masterTimetable.rowCount(); ++r)
        for (int c = 1; c < ws.school.masterTimetable.columnCount(); ++c)
            ws.school.masterTimetable.setText(
                {r, c}, model::lessonText(ws.school.courses.at((r + c) % courses),
                                          ws.school.teachers.at((r * 7 + c) % teachers)));
}

void keepTeachersOut(Workspace& ws, double share, quint64 seed)
{
    const int days = ws.school.week.daysPerWeek();
    const int periods = ws.school.week.periodsPerDay();
    std::mt19937_64 draw(seed);
    std::vector<model::PeriodRule>& rules = ws.school.rules.teacherUnavailable;
    rules.clear();
    for (const QString& teacher : std::as_const(ws.school.teachers)) {
        std::vector<int> periodsOfWeek(std::size_t(days * periods));
        std::iota(periodsOfWeek.begin(), periodsOfWeek.end(), 0);
        std::shuffle(periodsOfWeek.begin(), periodsOfWeek.end(), draw);
        periodsOfWeek.resize(std::size_t(share * double(periodsOfWeek.size())));
        for (const int slot : periodsOfWeek)
            rules.push_back({teacher, slot / periods + 1, slot % periods + 1});
    }
    emit ws.notifier.conditionsChanged();
}

void addDailyRules(model::School& school)
{
    constexpr int DoublePeriodFrom = 4;
    const int days = std::max(school.week.daysPerWeek(), 1);
    const model::Grid& plan = school.plan;
    QHash<QString, int> mostADay;
    school.rules.doublePeriods.clear();
    for (int r = school::PlanHeaderRow + 1; r < plan.rowCount(); ++r) {
        const QString& course = plan.text({r, school::CourseColumn});
        const int periods = model::leadingInteger(plan.text({r, school::PeriodsColumn}), 0, 9999);
        int& most = mostADay[course];
        most = std::max(most, (periods + days - 1) / days);
        if (periods >= DoublePeriodFrom) {
            school.rules.doublePeriods.push_back({plan.text({r, school::ClassColumn}), course, 1});
            most = std::max(most, 2);
        }
    }
    school.rules.courseDailyLimits.clear();
    for (const QString& course : std::as_const(school.courses))
        if (const int most = mostADay.value(course); most > 0)
            school.rules.courseDailyLimits.push_back({course, std::min(most, model::MaxRuleCount)});
}

} // namespace orve::bench
