// One class's and one teacher's week taken from the master timetable: every lesson under its
// own day and period for weeks of five to seven days, the full lesson texts of a class, a
// teacher's course names, and a teacher booked twice in one slot.
#include "timetablegrid.h"

#include "model/combinedlesson.h"
#include "model/combinedtree.h"
#include "model/school.h"
#include "school/teachingplan.h"
#include "scheduler/combinedgroups.h"
#include "views/weektimetable.h"

#include <QtTest>

using namespace orve;
using views::TeacherCellText;
using views::WeekTimetable;

namespace {

// Three classes; every cell of a class row names its day and period so misplacements show.
model::Grid timetable(int days, int periods)
{
    model::Grid grid;
    test::layOutTimetable(grid, test::classNames(3), days, periods);
    for (int r = model::FirstClassRow; r < grid.rowCount(); ++r)
        for (int c = 1; c < grid.columnCount(); ++c) {
            const model::Slot slot = model::slotOfColumn(c, periods);
            grid.setText({r, c},
                         model::lessonText(QStringLiteral("D%1P%2").arg(slot.day).arg(slot.period),
                                           QStringLiteral(u"教师%1").arg(r)));
        }
    return grid;
}

} // namespace

class WeekTimetableTest : public QObject
{
    Q_OBJECT

private slots:
    void classWeekKeepsEveryLessonInItsDay_data();
    void classWeekKeepsEveryLessonInItsDay();
    void classesAreFoundByName();
    void teacherWeekShowsCourses();
    void doubleBookingShowsBothLessons();
};

void WeekTimetableTest::classWeekKeepsEveryLessonInItsDay_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("lastDay");
    QTest::newRow("five days") << 5 << QStringLiteral(u"星期五");
    QTest::newRow("six days") << 6 << QStringLiteral(u"星期六");
    QTest::newRow("seven days") << 7 << QStringLiteral(u"星期日");
}

void WeekTimetableTest::classWeekKeepsEveryLessonInItsDay()
{
    QFETCH(int, days);
    QFETCH(QString, lastDay);
    const int periods = 4;
    const model::Grid grid = timetable(days, periods);
    const WeekTimetable week = views::classWeek(grid, model::classRow(1), periods);
    QCOMPARE(week.days(), days);
    QCOMPARE(week.periodsPerDay(), periods);
    QCOMPARE(views::dayHeaders(week.days()).constLast(), lastDay);
    QCOMPARE(views::periodHeaders(periods),
             QStringList({QStringLiteral(u"一"), QStringLiteral(u"二"), QStringLiteral(u"三"),
                          QStringLiteral(u"四")}));
    for (int d = 1; d <= days; ++d)
        for (int p = 1; p <= periods; ++p)
            QCOMPARE(week.text({d, p}), QStringLiteral(u"D%1P%2  教师3").arg(d).arg(p));
    QCOMPARE(week.text({days + 1, 1}), QString());
}

void WeekTimetableTest::classesAreFoundByName()
{
    model::Grid grid = timetable(5, 2);
    // A day the slot columns fill only in part is still shown.
    grid.setColumnCount(grid.columnCount() + 1);
    grid.setText({model::classRow(0), 11}, QStringLiteral(u"补课  教师2"));
    QCOMPARE(views::daysOf(grid, 2), 6);
    QCOMPARE(views::findClassRow(grid, QStringLiteral(u"1班")), model::classRow(0));
    QCOMPARE(views::findClassRow(grid, QStringLiteral(u"3班")), model::classRow(2));
    QCOMPARE(views::findClassRow(grid, QStringLiteral(u"9班")), -1);
    QCOMPARE(views::classWeek(grid, model::classRow(0), 2).text({6, 1}),
             QStringLiteral(u"补课  教师2"));
    // No class row: an empty week of the timetable's shape.
    const WeekTimetable none = views::classWeek(grid, -1, 2);
    QCOMPARE(none.days(), 6);
    QCOMPARE(none.text({1, 1}), QString());
    QCOMPARE(views::classTimetableCaption(QStringLiteral(u"1班")),
             QStringLiteral(u"班级课程表(1班)"));
    QCOMPARE(views::teacherTimetableCaption(QStringLiteral(u"王芳")),
             QStringLiteral(u"教师任课表(王芳)"));
}

void WeekTimetableTest::teacherWeekShowsCourses()
{
    model::Grid grid;
    test::layOutTimetable(grid, test::classNames(3), 6, 2);
    grid.setText({2, 1}, QStringLiteral(u"语文  王芳"));
    grid.setText({3, 4}, QStringLiteral(u"数学  王芳"));
    grid.setText({4, 12}, QStringLiteral(u"语文  王芳"));
    grid.setText({4, 2}, QStringLiteral(u"语文  李强"));
    grid.setText({3, 1}, QStringLiteral(u"空课"));
    const scheduler::CombinedGroups groups{model::School()};

    const WeekTimetable courses =
        views::teacherWeek(grid, QStringLiteral(u"王芳"), 2, groups, TeacherCellText::Course);
    QCOMPARE(courses.text({1, 1}), QStringLiteral(u"语文"));
    QCOMPARE(courses.text({2, 2}), QStringLiteral(u"数学"));
    QCOMPARE(courses.text({6, 2}), QStringLiteral(u"语文")); // Saturday, not folded into a weekday
    QCOMPARE(courses.text({1, 2}), QString());               // 李强's lesson
    QVERIFY(!courses.cell({1, 1}).doubleBooked);

    const std::vector<WeekTimetable> both =
        views::teacherWeeks(grid, {QStringLiteral(u"李强"), QStringLiteral(u"王芳")}, 2, groups,
                            TeacherCellText::CourseAndClasses);
    QCOMPARE(both.size(), std::size_t(2));
    QCOMPARE(both[0].text({1, 2}), QStringLiteral(u"语文  3班"));
    QCOMPARE(both[1].text({2, 2}), QStringLiteral(u"数学  2班"));
    QCOMPARE(both[1].text({1, 2}), QString());
}

void WeekTimetableTest::doubleBookingShowsBothLessons()
{
    model::Grid grid;
    test::layOutTimetable(grid, test::classNames(4), 5, 2);
    // Slot 1: 王芳 in classes 1, 2 (a combined group taught together) and 4 (a second lesson).
    for (int r : {2, 3})
        grid.setText({r, 1}, QStringLiteral(u"语文  王芳"));
    grid.setText({5, 1}, QStringLiteral(u"数学  王芳"));
    // Slot 3: classes 1 and 2 of the group, nothing else: one lesson.
    for (int r : {2, 3})
        grid.setText({r, 3}, QStringLiteral(u"语文  王芳"));
    // The group's classes and course in the plan, with their periods.
    model::School school;
    school.classes = test::classNames(4);
    school.courses = {QStringLiteral(u"语文")};
    school::rebuildPlanSkeleton(school);
    for (int r = 1; r < school.plan.rowCount(); ++r)
        school.plan.setText({r, school::PeriodsColumn}, QStringLiteral("2"));
    model::CombinedTree& tree = school.combinedGroups;
    tree.reset();
    const int group = tree.addChild(0, QStringLiteral("g1"), QStringLiteral("1"));
    for (const char16_t* name : {u"1班", u"2班"})
        tree.addChild(group, QString::fromUtf16(name) + QStringLiteral("k"),
                      model::combinedLessonEntry(QString::fromUtf16(name), u"语文"));
    const scheduler::CombinedGroups groups(school);

    const WeekTimetable week = views::teacherWeek(grid, QStringLiteral(u"王芳"), 2, groups,
                                                  TeacherCellText::CourseAndClasses);
    QCOMPARE(week.text({1, 1}), QStringLiteral(u"语文  1班、2班\n数学  4班"));
    QVERIFY(week.cell({1, 1}).doubleBooked);
    QCOMPARE(week.text({2, 1}), QStringLiteral(u"语文  1班、2班"));
    QVERIFY(!week.cell({2, 1}).doubleBooked);

    // The course-only view shows both lessons of the double booking too, not the later one.
    const WeekTimetable courses =
        views::teacherWeek(grid, QStringLiteral(u"王芳"), 2, groups, TeacherCellText::Course);
    QCOMPARE(courses.text({1, 1}), QStringLiteral(u"语文\n数学"));
    // Without the group, the combined classes are two lessons as well.
    QVERIFY(views::teacherWeek(grid, QStringLiteral(u"王芳"), 2,
                               scheduler::CombinedGroups(model::School()), TeacherCellText::Course)
                .cell({2, 1})
                .doubleBooked);
}

QTEST_MAIN(WeekTimetableTest)
#include "tst_weektimetable.moc"
