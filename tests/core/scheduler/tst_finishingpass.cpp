// The finishing pass: the plan's periods come back from the backup column, and rows without a
// teacher are placed once, into the class's first free slots, their fixed lessons counted; a
// combined group's lessons are not placed class by class.
#include "schedulerfixture.h"

#include "conditions/combinedclasses.h"
#include "fakeuiport.h"
#include "model/combinedlesson.h"
#include "scheduler/finishingpass.h"
#include "scheduler/firststage.h"
#include "scheduler/runcontext.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/secondstage.h"
#include "scheduler/timetablecount.h"

#include <QTest>

using namespace orve;
using namespace orve::scheduler;
using namespace Qt::StringLiterals;
using test::lesson;

class TestFinishingPass : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;

    QString periods(int classIndex, int courseIndex) const
    {
        return ws.school.plan.text(
            {school::planRow(classIndex, courseIndex, 3), school::PeriodsColumn});
    }

private slots:
    void init()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s, u"班会"_s, u"自习"_s}, 2, 1, 2);
    }

    void jshyRestoresThePeriodsLoweredByFixedLessons()
    {
        test::setPlan(ws, 0, 0, {u"张三"_s, 3, true});
        ws.school.plan.setText({school::planRow(1, 0, 3), school::PeriodsBackupColumn}, QString());
        ws.school.fixedLessons = {u"A 语文 1 1"_s, u"A 语文 2 1"_s};
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        QCOMPARE(periods(0, 0), u"1"_s);
        restorePlanPeriods(ws);
        QCOMPARE(periods(0, 0), u"3"_s);
        QCOMPARE(periods(1, 0), QString());
    }

    void teacherlessRowsFillTheFirstFreeSlotsAndDropWhatDoesNotFit()
    {
        // Class A has two free slots left: columns 2 and 5 (day 1 period 2, day 2 period 2).
        for (const int c : {1, 3, 4, 6})
            ws.school.masterTimetable.setText({2, c}, lesson(u"语文"_s, u"张三"_s));
        test::setPlan(ws, 0, 1, {QString(), 3, false});
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        restorePlanPeriods(ws);
        placeLessonsWithoutTeacher(ctx);
        QCOMPARE(ws.school.masterTimetable.text({2, 2}), u"班会"_s);
        QCOMPARE(ws.school.masterTimetable.text({2, 5}), u"班会"_s);
        QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, 2).count(u"班会"_s), 2);
    }

    void aTeacherlessRowIsPlacedOnceWithItsFixedLessonsCounted()
    {
        test::setPlan(ws, 0, 1, {QString(), 2, false});
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, true});
        ws.school.fixedLessons = {u"A 班会 2 3"_s};
        test::ScriptedRandom random({}, 9);
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        placeRemainingLessons(ctx);
        restorePlanPeriods(ws);
        placeLessonsWithoutTeacher(ctx);
        QCOMPARE(ws.school.masterTimetable.text({2, 6}), u"班会"_s);
        QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, 2).count(u"班会"_s), 2);
        QCOMPARE(
            test::lessonsOfRow(ws.school.masterTimetable, 2).count(lesson(u"语文"_s, u"张三"_s)),
            2);
        QCOMPARE(periods(0, 1), u"2"_s);
    }

    // A combined group without a teacher that finds no slot free in all its classes stays
    // unplaced and reported; it is not split into single lessons in each class's free slot.
    void aTeacherlessGroupWithoutACommonSlotIsNotSplit()
    {
        test::setPlan(ws, 0, 1, {QString(), 1, false});
        test::setPlan(ws, 1, 1, {QString(), 1, false});
        for (const QString& className : {u"A"_s, u"B"_s})
            conditions::addToGroup(ws.school.combinedGroups, u"1"_s,
                                   model::combinedLessonEntry(className, u"班会"));
        // A is free only on day 2 period 3, B only on day 1 period 1.
        ws.school.fixedLessons = {
            u"A 空课 1 1"_s, u"A 空课 1 2"_s, u"A 空课 1 3"_s, u"A 空课 2 1"_s, u"A 空课 2 2"_s,
            u"B 空课 1 2"_s, u"B 空课 1 3"_s, u"B 空课 2 1"_s, u"B 空课 2 2"_s, u"B 空课 2 3"_s};
        test::ScriptedRandom random;
        const RunProblems problems = scheduleTimetable(ws, ui, random);
        QCOMPARE(problems.unplacedCombined.size(), 1);
        for (const int row : {2, 3})
            QVERIFY(!test::lessonsOfRow(ws.school.masterTimetable, row).contains(u"班会"_s));
        QCOMPARE(countTimetable(ws).unplaced, 2);
    }

    // A course given more lessons than planned (a combined group takes its last member's
    // number) does not make up for another course the class lacks.
    void unplacedPeriodsAreCountedPerCourse()
    {
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, true});
        test::setPlan(ws, 0, 1, {u"李四"_s, 1, false});
        for (const int c : {1, 2, 3})
            ws.school.masterTimetable.setText({2, c}, lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(countTimetable(ws).unplaced, 1);
    }

    void teacherlessRowsWithoutPeriodsPlaceNothing()
    {
        test::setPlan(ws, 0, 1, {QString(), 0, false});
        test::setPlan(ws, 0, 2, {QString(), 0, false});
        ws.school.plan.setText({school::planRow(0, 2, 3), school::PeriodsBackupColumn}, QString());
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        restorePlanPeriods(ws);
        placeLessonsWithoutTeacher(ctx);
        QVERIFY(test::lessonsOfRow(ws.school.masterTimetable, 2).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFinishingPass)
#include "tst_finishingpass.moc"
