// The teaching plan: the skeleton, cell presses with their toggles and choosers, the chooser
// picks, copying a class's plan, scrolling to a class and showTeachingPlan.
#include "model/grid.h"
#include "model/combinedlesson.h"
#include "school/plancellpress.h"
#include "school/plancommands.h"
#include "schoolfixture.h"

#include <QTest>

using namespace orve;
using namespace orve::school;
using test::enterNames;

namespace {
const QStringList classes = {QStringLiteral(u"初一(1)"), QStringLiteral(u"初一(2)"),
                             QStringLiteral(u"初一(3)")};
const QStringList courses = {QStringLiteral(u"语文"), QStringLiteral(u"数学")};

struct PlanSchool : test::School
{
    PlanSchool()
    {
        enterNames(ws, ui, NameList::Classes, classes);
        enterNames(ws, ui, NameList::Courses, courses);
        enterNames(ws, ui, NameList::Teachers, {QStringLiteral(u"张三"), QStringLiteral(u"李四")});
        enterNames(ws, ui, NameList::Venues, {QStringLiteral(u"操场")});
    }

    ChooserRequest press(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return pressPlanCell(ws, row, column, modifiers);
    }
};

// Columns 2 to 8 of a row.
QStringList planCells(const model::Grid& jhb, int row)
{
    QStringList cells;
    for (int column = TeacherColumn; column <= PeriodsBackupColumn; ++column)
        cells.append(jhb.text({row, column}));
    return cells;
}
} // namespace

class TestTeachingPlan : public QObject
{
    Q_OBJECT

private slots:
    void skeleton()
    {
        Workspace ws;
        ws.school.classes = classes;
        ws.school.courses = courses;
        rebuildPlanSkeleton(ws.school);
        QCOMPARE(ws.school.plan.rowCount(), 7);
        QCOMPARE(ws.school.plan.text({0, 0}), QStringLiteral(u"班级"));
        QCOMPARE(ws.school.plan.text({0, 8}), QStringLiteral(u"节数备"));
        QCOMPARE(test::planPairs(ws), test::blockLayout(classes, courses));
        QVERIFY(ws.school.plan.mergeColumn(ClassColumn));
        QCOMPARE(ws.school.plan.fontSize(), 12);

        ws.school.courses.clear();
        rebuildPlanSkeleton(ws.school);
        QCOMPARE(ws.school.plan.rowCount(), 1);
    }

    void togglesOfMainAndProgress()
    {
        PlanSchool school;
        model::Grid& jhb = school.ws.school.plan;
        for (int column : {int(MainMarkColumn), int(ProgressColumn)}) {
            const QString marker =
                column == MainMarkColumn ? QStringLiteral(u"主") : QStringLiteral(u"一致");
            QCOMPARE(school.press(2, column).chooser, PlanChooser::None);
            QCOMPARE(jhb.text({2, column}), marker);
            school.press(2, column);
            QVERIFY(jhb.text({2, column}).isEmpty());
            jhb.setText({3, column}, QStringLiteral(u"x"));
            school.press(3, column);
            QVERIFY(jhb.text({3, column}).isEmpty());
        }
        QCOMPARE(jhb.currentRow(), 3);
        QCOMPARE(jhb.currentColumn(), int(ProgressColumn));
    }

    void combinedToggleKeepsTheCombinedList()
    {
        PlanSchool school;
        Workspace& ws = school.ws;
        const QString entry = classes[0] + QChar(0xF8F5) + courses[0];
        QCOMPARE(model::combinedLessonEntry(classes[0], courses[0]), entry);
        ws.school.combinedLessons = {QStringLiteral(u"其他")};

        school.press(1, CombinedColumn);
        QCOMPARE(ws.school.plan.text({1, CombinedColumn}), QStringLiteral(u"合班"));
        QCOMPARE(ws.school.combinedLessons, (QStringList{QStringLiteral(u"其他"), entry}));
        school.press(1, CombinedColumn);
        QVERIFY(ws.school.plan.text({1, CombinedColumn}).isEmpty());
        QCOMPARE(ws.school.combinedLessons, QStringList{QStringLiteral(u"其他")});

        // Emptying with a modifier leaves the list as it is.
        school.press(1, CombinedColumn);
        school.press(1, CombinedColumn, Qt::ControlModifier);
        QVERIFY(ws.school.plan.text({1, CombinedColumn}).isEmpty());
        QCOMPARE(ws.school.combinedLessons, (QStringList{QStringLiteral(u"其他"), entry}));
    }

    void modifierPressEmptiesTheCell()
    {
        PlanSchool school;
        model::Grid& jhb = school.ws.school.plan;
        jhb.setText({2, PeriodsColumn}, QStringLiteral(u"4"));
        jhb.setText({2, PeriodsBackupColumn}, QStringLiteral(u"4"));
        jhb.setText({2, TeacherColumn}, QStringLiteral(u"张三"));
        QCOMPARE(school.press(2, PeriodsColumn, Qt::ShiftModifier).chooser, PlanChooser::None);
        QVERIFY(jhb.text({2, PeriodsColumn}).isEmpty());
        QVERIFY(jhb.text({2, PeriodsBackupColumn}).isEmpty());
        QCOMPARE(jhb.text({2, TeacherColumn}), QStringLiteral(u"张三"));

        jhb.setText({3, PeriodsColumn}, QStringLiteral(u"5"));
        jhb.setText({3, PeriodsBackupColumn}, QStringLiteral(u"5"));
        school.press(3, PeriodsBackupColumn, Qt::AltModifier);
        QCOMPARE(jhb.text({3, PeriodsColumn}), QStringLiteral(u"5"));
        QVERIFY(jhb.text({3, PeriodsBackupColumn}).isEmpty());
        // The class cell is cleared the same way.
        school.press(3, ClassColumn, Qt::ShiftModifier);
        QVERIFY(jhb.text({3, ClassColumn}).isEmpty());
    }

    void pressesAskForTheDesignedChooser()
    {
        PlanSchool school;
        model::Grid& jhb = school.ws.school.plan;
        jhb.setText({2, TeacherColumn}, QStringLiteral(u"李四"));

        const ChooserRequest teacher = school.press(2, TeacherColumn);
        QCOMPARE(teacher.chooser, PlanChooser::Teacher);
        QCOMPARE(teacher.text, QStringLiteral(u"李四"));
        QCOMPARE(teacher.extraWidth, std::optional<int>(300));
        QCOMPARE(teacher.leftOffset, 0);
        QCOMPARE(teacher.fontSize, 10);

        const ChooserRequest periods = school.press(4, PeriodsColumn);
        QCOMPARE(periods.chooser, PlanChooser::Periods);
        QCOMPARE(periods.extraWidth, std::optional<int>(300));
        QCOMPARE(school.press(4, VenueColumn).extraWidth, std::optional<int>(0));
        QCOMPARE(school.press(4, VenueColumn).chooser, PlanChooser::Venue);

        for (int column : {int(ClassColumn), int(CourseColumn)}) {
            const ChooserRequest copy = school.press(5, column);
            QCOMPARE(copy.chooser, PlanChooser::CopyPlan);
            QCOMPARE(copy.text, QStringLiteral(u"请选择与哪班教学计划相同"));
            QCOMPARE(copy.leftOffset, -300);
            QCOMPARE(copy.row, 5);
            QCOMPARE(copy.column, column);
        }
        // Column 8 has no chooser and leaves none showing.
        QCOMPARE(school.press(5, PeriodsBackupColumn).chooser, PlanChooser::None);
        QVERIFY(jhb.text({5, PeriodsBackupColumn}).isEmpty());

        // The header is no plan row: nothing changes, the current cell stays.
        QCOMPARE(school.press(0, MainMarkColumn).chooser, PlanChooser::None);
        QCOMPARE(jhb.text({0, MainMarkColumn}), QStringLiteral(u"主副课"));
        QCOMPARE(jhb.currentRow(), 5);
        QVERIFY(jhb.text({5, MainMarkColumn}).isEmpty());
    }

    void picksWriteTheCurrentCell()
    {
        PlanSchool school;
        Workspace& ws = school.ws;
        school.press(3, PeriodsColumn);
        pickChooser(ws, school.ui, PlanChooser::Periods, QStringLiteral(u"4"));
        QCOMPARE(ws.school.plan.text({3, PeriodsColumn}), QStringLiteral(u"4"));
        QCOMPARE(ws.school.plan.text({3, PeriodsBackupColumn}), QStringLiteral(u"4"));
        QCOMPARE(school.ui.focused.last(), FocusTarget::TeachingPlan);

        school.press(3, TeacherColumn);
        pickChooser(ws, school.ui, PlanChooser::Teacher, QStringLiteral(u"张三"));
        school.press(3, VenueColumn);
        pickChooser(ws, school.ui, PlanChooser::Venue, QStringLiteral(u"操场"));
        const QStringList expected = {QStringLiteral(u"张三"), {}, QStringLiteral(u"4"), {}, {},
                                      QStringLiteral(u"操场"), QStringLiteral(u"4")};
        QCOMPARE(planCells(ws.school.plan, 3), expected);
    }

    void copyPlanOntoAnotherClass()
    {
        PlanSchool school;
        Workspace& ws = school.ws;
        model::Grid& jhb = ws.school.plan;
        // Class 初一(1) in rows 1-2, 初一(2) in rows 3-4, 初一(3) in rows 5-6.
        for (int column = TeacherColumn; column <= PeriodsBackupColumn; ++column) {
            jhb.setText({1, column}, QStringLiteral(u"a%1").arg(column));
            jhb.setText({2, column}, QStringLiteral(u"b%1").arg(column));
            jhb.setText({3, column}, QStringLiteral(u"old"));
            jhb.setText({5, column}, QStringLiteral(u"keep"));
        }
        jhb.setText({1, CombinedColumn}, QStringLiteral(u"合班"));
        const QStringList first = planCells(jhb, 1);
        const QStringList second = planCells(jhb, 2);

        QCOMPARE(school.press(4, CourseColumn).chooser, PlanChooser::CopyPlan);
        pickChooser(ws, school.ui, PlanChooser::CopyPlan, classes[0]);
        QCOMPARE(planCells(jhb, 3), first);
        QCOMPARE(planCells(jhb, 4), second);
        QCOMPARE(planCells(jhb, 1), first);
        QCOMPARE(test::planPairs(ws), test::blockLayout(classes, courses));
        QCOMPARE(planCells(jhb, 5).first(), QStringLiteral(u"keep"));
        // The copied "合班" adds no combined-lesson entry.
        QVERIFY(ws.school.combinedLessons.isEmpty());

        // No source: nothing.
        school.press(5, ClassColumn);
        copyPlan(ws, school.ui, QString());
        copyPlan(ws, school.ui, QStringLiteral(u"没有的班"));
        QCOMPARE(planCells(jhb, 5).first(), QStringLiteral(u"keep"));
    }

    void scrollToClass()
    {
        PlanSchool school;
        Workspace& ws = school.ws;
        school::scrollToClass(ws, school.ui, classes[2]);
        QCOMPARE(ws.school.plan.topRow(), 5);
        QCOMPARE(ws.school.plan.currentRow(), 5);
        QCOMPARE(ws.school.plan.currentColumn(), int(ClassColumn));
        QVERIFY(ws.school.plan.redraw());

        // Not found: the scan ends on the last row.
        school::scrollToClass(ws, school.ui, QStringLiteral(u"没有的班"));
        QCOMPARE(ws.school.plan.currentRow(), 6);
        QCOMPARE(ws.school.plan.topRow(), 5);
    }

    void jxjhFillsTheChoosers()
    {
        PlanSchool school;
        Workspace& ws = school.ws;
        showTeachingPlan(ws, school.ui);
        QCOMPARE(school.ui.tabsShown.last(), MainTab::TeachingPlan);
        QCOMPARE(ws.editor.plan.teacherChoices, ws.school.teachers);
        QCOMPARE(ws.editor.plan.venueChoices, ws.school.venues);
        QCOMPARE(ws.editor.plan.classFinderChoices, classes);
        QCOMPARE(ws.editor.plan.copySourceChoices, classes);
        // Five days of five periods: 25 slots.
        QCOMPARE(ws.editor.plan.periodChoices.size(), 25);
        QCOMPARE(ws.editor.plan.periodChoices.first(), QStringLiteral(u"1"));
        QCOMPARE(ws.editor.plan.periodChoices.last(), QStringLiteral(u"25"));

        // A teacher added later is offered after the next showTeachingPlan only.
        enterNames(ws, school.ui, NameList::Teachers, {QStringLiteral(u"王五")});
        QCOMPARE(ws.editor.plan.teacherChoices.size(), 2);
        showTeachingPlan(ws, school.ui);
        QCOMPARE(ws.editor.plan.teacherChoices.last(), QStringLiteral(u"王五"));

        QCOMPARE(classStepPosition(ws, QStringLiteral(u"1")), 1);
        QCOMPARE(classStepPosition(ws, QStringLiteral(u"1.5")), 2);
        QCOMPARE(classStepPosition(ws, QStringLiteral(u"9")), 2);
        QCOMPARE(classStepPosition(ws, QString()), 0);
        ws.editor.plan.classFinderChoices.clear();
        QCOMPARE(classStepPosition(ws, QStringLiteral(u"1")), -1);

        showMainCourses(ws, school.ui);
        QCOMPARE(school.ui.tabsShown.last(), MainTab::TeachingPlan);
    }
};

QTEST_GUILESS_MAIN(TestTeachingPlan)
#include "tst_teachingplan.moc"
