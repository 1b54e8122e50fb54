// The second stage on a week of 5 days with 4 morning and 3 afternoon periods (7 a day,
// 36 columns): the main and minor draws and their limits, the days in turn, the order of the
// plan rows, and the sequential phase with its conflict pairs.
#include "schedulerfixture.h"

#include "fakeuiport.h"
#include "model/fixedlessonentry.h"
#include "model/slots.h"
#include "scheduler/conflictlist.h"
#include "scheduler/runcontext.h"
#include "scheduler/secondstage.h"
#include "school/weekcommands.h"

#include <QTest>

using namespace orve;
using namespace orve::scheduler;
using namespace Qt::StringLiterals;
using test::lesson;

class TestSecondStage : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;

    void run(test::ScriptedRandom& random)
    {
        RunContext ctx(ws, ui, random);
        placeRemainingLessons(ctx);
    }

    QList<int> columnsOf(int row, const QString& text) const
    {
        QList<int> columns;
        for (int c = 1; c < ws.school.masterTimetable.columnCount(); ++c)
            if (ws.school.masterTimetable.text({row, c}) == text)
                columns.append(c);
        return columns;
    }

    // The (row, column) of every conflict entry, read back as the third stage reads it.
    QList<std::pair<int, int>> conflictPlaces() const
    {
        QList<std::pair<int, int>> places;
        for (const model::Conflict& entry : ws.session.conflicts)
            places.append({entry.at.row, entry.at.column});
        return places;
    }

    // Fills class B (row 3) with lessons of `teacher` in the given periods of every day.
    void busyInPeriods(const QString& teacher, const QList<int>& periods)
    {
        for (int day = 1; day <= 5; ++day)
            for (const int p : periods)
                ws.school.masterTimetable.setText({3, model::slotColumn({day, p}, 7)},
                                                  lesson(u"数学"_s, teacher));
    }

    // Class A has 班会 in every period but the `free` columns; 王芳 teaches it two lessons of
    // 语文, the earlier course, and 张三 `maths` lessons of 数学 with one double period.
    void wantPairInCrowdedClass(const QList<int>& free, int maths)
    {
        for (int c = 1; c < ws.school.masterTimetable.columnCount(); ++c)
            if (!free.contains(c))
                ws.school.masterTimetable.setText({2, c}, u"班会"_s);
        test::setPlan(ws, 0, 0, {u"王芳"_s, 2, false});
        test::setPlan(ws, 0, 1, {u"张三"_s, maths, false});
        ws.school.rules.doublePeriods = {{u"A"_s, u"数学"_s, 1}};
    }

private slots:
    void init()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s, u"数学"_s, u"班会"_s}, 4, 3, 5);
    }

    void mainCoursesTakeTheMorningAndPeriodFiveOnlyAfterRaisingTheLimit()
    {
        test::setPlan(ws, 0, 0, {u"张三"_s, 1, true});
        for (int day = 1; day <= 5; ++day)
            ws.school.masterTimetable.setText({2, model::slotColumn({day, 4}, 7)}, u"班会"_s);
        // x near 1: period 4 while the limit is the 4 morning periods, 5 once it is raised.
        test::ScriptedRandom random(QList<double>(200, 0.999));
        run(random);
        // Attempt 3 x 36 + 2 = 110 is the first with the raised limit; it falls on day 5.
        QCOMPARE(random.draws, 110);
        QCOMPARE(columnsOf(2, lesson(u"语文"_s, u"张三"_s)), QList<int>{33});
        QVERIFY(ws.session.conflicts.empty());
    }

    void minorCoursesTakePeriodsFiveAndSixOnly()
    {
        test::setPlan(ws, 0, 1, {u"王芳"_s, 2, false});
        test::ScriptedRandom random({0.999, 0.0});
        run(random);
        QCOMPARE(columnsOf(2, lesson(u"数学"_s, u"王芳"_s)), (QList<int>{6, 12}));

        // Whatever the draws, the random phase keeps off the morning and the last period.
        init();
        test::setPlan(ws, 0, 1, {u"王芳"_s, 8, false});
        test::ScriptedRandom seeded({}, 42);
        run(seeded);
        const QList<int> columns = columnsOf(2, lesson(u"数学"_s, u"王芳"_s));
        QCOMPARE(columns.size(), 8);
        for (const int c : columns) {
            const int period = model::slotOfColumn(c, 7).period;
            QVERIFY2(period == 5 || period == 6, qPrintable(QString::number(c)));
        }
    }

    void aMinorCourseWithoutAfternoonDrawsFromTheLastMorningPeriod()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s, u"数学"_s}, 4, 0, 5);
        test::setPlan(ws, 0, 1, {u"王芳"_s, 2, false});
        // No afternoon, two evening periods: the minor range runs from the last morning period
        // (4) to the second-to-last period of the day (5).
        ws.school.week.evening = u"2"_s;
        ws.session.periodsPerDay = 6;
        school::layOutEmptyMasterTimetable(ws);
        test::ScriptedRandom random({0.0, 0.999});
        run(random);
        // 4 + floor(2 x): periods 4 and 5 on days 1 and 2 (columns 4 and 11).
        QCOMPARE(columnsOf(2, lesson(u"数学"_s, u"王芳"_s)), (QList<int>{4, 11}));
    }

    void aRaisedLimitBeyondTheDayTakesTheNextDaysFirstPeriod()
    {
        // The morning is the whole day (4 periods, 21 columns): the raised limit draws period 5,
        // which is period 1 of the next day; on the last day it lies outside the week.
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s, u"数学"_s}, 4, 0, 5);
        for (int c = 1; c < ws.school.masterTimetable.columnCount(); ++c)
            if (c != 5 && c != 9)
                ws.school.masterTimetable.setText({2, c}, u"班会"_s);
        ws.school.masterTimetable.setText({3, 5}, lesson(u"数学"_s, u"张三"_s));
        test::setPlan(ws, 0, 0, {u"张三"_s, 1, true});
        test::ScriptedRandom random(QList<double>(200, 0.999));
        run(random);
        // Attempts 65 (day 5: column 21, outside), 66 (day 1: column 5, 张三 busy in B) and
        // 67 (day 2: column 9).
        QCOMPARE(random.draws, 67);
        QCOMPARE(columnsOf(2, lesson(u"语文"_s, u"张三"_s)), QList<int>{9});
        QVERIFY(ws.session.conflicts.empty());
    }

    void daysAreTakenInTurn()
    {
        test::setPlan(ws, 0, 0, {u"张三"_s, 5, true});
        test::ScriptedRandom random(QList<double>(5, 0.0));
        run(random);
        QCOMPARE(columnsOf(2, lesson(u"语文"_s, u"张三"_s)), (QList<int>{1, 8, 15, 22, 29}));
    }

    void rowsGoCourseByCourseThenClassByClass()
    {
        // The course of class B comes first in the course list, so it is placed first.
        test::setPlan(ws, 0, 1, {u"张三"_s, 1, true});
        test::setPlan(ws, 1, 0, {u"张三"_s, 1, true});
        test::ScriptedRandom random(QList<double>(10, 0.0));
        run(random);
        QCOMPARE(columnsOf(3, lesson(u"语文"_s, u"张三"_s)), QList<int>{1});
        QCOMPARE(columnsOf(2, lesson(u"数学"_s, u"张三"_s)), QList<int>{8});
        QVERIFY(ui.processedEvents >= 3 + 6);
    }

    void sequentialPhaseFillsPeriodOrderAndRecordsConflictPairs()
    {
        busyInPeriods(u"张三"_s, {1, 2, 3, 4, 5});
        test::setPlan(ws, 0, 0, {u"张三"_s, 3, true});
        test::ScriptedRandom random({}, 3);
        run(random);
        QCOMPARE(columnsOf(2, lesson(u"语文"_s, u"张三"_s)), (QList<int>{1, 8, 15}));
        // Pairs: the lesson that had the teacher first (class B), then the new one.
        QCOMPARE(conflictPlaces(),
                 (QList<std::pair<int, int>>{{3, 1}, {2, 1}, {3, 8}, {2, 8}, {3, 15}, {2, 15}}));
        QCOMPARE(ws.session.conflicts.at(1).lesson, lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(ws.session.conflicts.at(0).lesson, lesson(u"数学"_s, u"张三"_s));
    }

    void sequentialPhaseFillsTheLastPeriodsFirstForMinorCourses()
    {
        busyInPeriods(u"王芳"_s, {5, 6});
        test::setPlan(ws, 0, 1, {u"王芳"_s, 3, false});
        test::ScriptedRandom random({}, 3);
        run(random);
        QCOMPARE(columnsOf(2, lesson(u"数学"_s, u"王芳"_s)), (QList<int>{7, 14, 21}));
        QVERIFY(ws.session.conflicts.empty());
    }

    void rowsWithNothingToPlaceOrNoTeacherPlaceNothing()
    {
        test::setPlan(ws, 0, 0, {u"张三"_s, 0, true});
        test::setPlan(ws, 0, 1, {u"王芳"_s, 2, false});
        ws.school.plan.setText({school::planRow(0, 1, 3), school::PeriodsColumn}, u"-1"_s);
        test::setPlan(ws, 1, 2, {QString(), 3, false});
        ws.session.conflicts = {{{2, 1}, u"A"_s, u"stale"_s, {}}};
        test::ScriptedRandom random({}, 5);
        run(random);
        QVERIFY(test::lessonsOfRow(ws.school.masterTimetable, 2).isEmpty());
        QVERIFY(test::lessonsOfRow(ws.school.masterTimetable, 3).isEmpty());
        QVERIFY(ws.session.conflicts.empty());
    }

    void aDoublePeriodComesFirstEvenWhereItDoubleBooks()
    {
        // Class A has only Monday's periods 1 and 2 free; 张三 teaches class B in every odd
        // period, so no two adjacent periods are free for him. The pair still takes the two
        // periods (double-booking him once, listed as the fixed-order phase lists it) and
        // the earlier course's single lessons are left out.
        busyInPeriods(u"张三"_s, {1, 3, 5, 7});
        wantPairInCrowdedClass({1, 2}, 2);
        test::ScriptedRandom random({}, 5);
        run(random);
        QCOMPARE(columnsOf(2, lesson(u"数学"_s, u"张三"_s)), (QList<int>{1, 2}));
        QVERIFY(columnsOf(2, lesson(u"语文"_s, u"王芳"_s)).isEmpty());
        QCOMPARE(conflictPlaces(), (QList<std::pair<int, int>>{{3, 1}, {2, 1}}));
    }

    void aPairWithNoAdjacentPeriodsFreeStillComesBeforeEarlierSingles()
    {
        // Class A has only Monday's periods 1 and 3 free: the pair cannot stand whole, but
        // its two lessons take the free periods (for the optimiser to join) and the earlier
        // course's single lessons are left out.
        wantPairInCrowdedClass({1, 3}, 3);
        test::ScriptedRandom random({}, 5);
        run(random);
        QCOMPARE(columnsOf(2, lesson(u"数学"_s, u"张三"_s)), (QList<int>{1, 3}));
    }

    void aFullRowLeavesTheRestUnplaced()
    {
        for (int c = 1; c < ws.school.masterTimetable.columnCount(); ++c)
            ws.school.masterTimetable.setText({2, c}, u"班会"_s);
        test::setPlan(ws, 0, 0, {u"张三"_s, 4, true});
        test::ScriptedRandom random({}, 5);
        run(random);
        QVERIFY(!test::lessonsOfRow(ws.school.masterTimetable, 2).join(u'|').contains(u"张三"_s));
        QVERIFY(ws.session.conflicts.empty());
    }
};

QTEST_GUILESS_MAIN(TestSecondStage)
#include "tst_secondstage.moc"
