// The first stage: fixed lessons and "空课" with the fixed mark and the plan's remaining
// periods, entries that do not fit the timetable, and combined groups placed together.
#include "schedulerfixture.h"

#include "fakeuiport.h"
#include "model/cellmarks.h"
#include "model/combinedlesson.h"
#include "model/slots.h"
#include "scheduler/firststage.h"
#include "scheduler/runcontext.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/secondstage.h"

#include <QTest>

using namespace orve;
using namespace orve::scheduler;
using namespace Qt::StringLiterals;
using test::lesson;

namespace {
const QChar Separator(0xF8F5);
QString member(const QString& className, const QString& course)
{
    return className + Separator + course;
}
} // namespace

class TestFirstStage : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;

    // A 4 + 3 week of 5 days: 7 periods a day, 36 columns.
    void school()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"语文"_s, u"数学"_s, u"班会"_s}, 4, 3, 5);
        test::setPlan(ws, 0, 0, {u"张三"_s, 3, true});
        test::setPlan(ws, 1, 0, {u"张三"_s, 2, true});
        test::setPlan(ws, 0, 1, {u"王芳"_s, 2, false});
        test::setPlan(ws, 1, 1, {u"李四"_s, 2, false});
        test::setPlan(ws, 2, 1, {u"赵六"_s, 2, false});
        test::setPlan(ws, 2, 0, {u"钱七"_s, 2, true});
    }

    int addGroup(const QString& name, const QStringList& members)
    {
        const int group = ws.school.combinedGroups.addChild(0, name, name);
        for (const QString& text : members)
            ws.school.combinedGroups.addChild(
                group, QString::number(ws.school.combinedGroups.nodeCount()) + u"nkey"_s, text);
        return group;
    }

    QString periods(int classIndex, int courseIndex) const
    {
        return ws.school.plan.text(
            {school::planRow(classIndex, courseIndex, 3), school::PeriodsColumn});
    }

private slots:
    void init() { school(); }

    void fixedLessonsAreMarkedAndLowerThePlan()
    {
        ws.school.fixedLessons = {u"A 语文 1 2"_s, u"A 语文 3 4"_s, u"A 空课 2 1"_s};
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        const model::Grid& grid = ws.school.masterTimetable;
        QCOMPARE(grid.text({2, 2}), lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(grid.text({2, 18}), lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(grid.text({2, 8}), model::FreePeriodText);
        for (const int column : {2, 18, 8})
            QCOMPARE(grid.cell({2, column}).style, model::FixedMark);
        QCOMPARE(periods(0, 0), u"1"_s);
        QCOMPARE(periods(1, 0), u"2"_s);
        QVERIFY(ctx.problems.empty());
        QVERIFY(ui.processedEvents >= 3);

        // The rest of the row goes around the fixed cells; "空课" stays free.
        placeRemainingLessons(ctx);
        QCOMPARE(grid.text({2, 8}), model::FreePeriodText);
        QCOMPARE(test::lessonsOfRow(grid, 2).count(lesson(u"语文"_s, u"张三"_s)), 3);
    }

    void entriesWithoutRowOrOutsideTheWeekAreSkippedAndReported()
    {
        ws.school.fixedLessons = {u"Z 语文 1 1"_s, u"B 语文 6 1"_s, u"B 语文 1 8"_s,
                                  u"B 语文 0 1"_s, u"broken"_s,     u"B 语文 5 7"_s};
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        QCOMPARE(ctx.problems.skippedFixedEntries,
                 (QStringList{u"Z 语文 1 1"_s, u"B 语文 6 1"_s, u"B 语文 1 8"_s, u"B 语文 0 1"_s,
                              u"broken"_s}));
        // Headers untouched; only the entry that fits was placed, in the week's last slot.
        QCOMPARE(ws.school.masterTimetable.text({0, 1}), u"星期一"_s);
        QCOMPARE(ws.school.masterTimetable.text({1, 1}), u" 1"_s);
        QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, 3),
                 QStringList{lesson(u"语文"_s, u"张三"_s)});
        QCOMPARE(ws.school.masterTimetable.text({3, 35}), lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(periods(1, 0), u"1"_s);
    }

    void aLaterEntryForTheSameCellWinsWithoutLosingTheEarlierLesson()
    {
        // As "全体班级" adds it: a class meeting over A's fixed 语文, and a lesson for a course
        // the plan does not have.
        test::setPlan(ws, 0, 2, {QString(), 1, false});
        ws.school.fixedLessons = {u"A 语文 1 1"_s, u"A 班会 1 1"_s, u"A 音乐 2 2"_s};
        test::ScriptedRandom random({}, 8);
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), u"班会"_s);
        QCOMPARE(periods(0, 0), u"3"_s);
        QCOMPARE(periods(0, 2), u"0"_s);
        QCOMPARE(ctx.placedEarly[std::size_t(school::planRow(0, 0, 3))], 0);
        QCOMPARE(ctx.placedEarly[std::size_t(school::planRow(0, 2, 3))], 1);
        QCOMPARE(ctx.problems.skippedFixedEntries, (QStringList{u"A 语文 1 1"_s, u"A 音乐 2 2"_s}));
        QVERIFY(ws.school.masterTimetable.text({2, 9}).isEmpty());
        QCOMPARE(ws.school.masterTimetable.cell({2, 9}).style, model::TextStyle::Flat);
        placeRemainingLessons(ctx);
        QCOMPARE(
            test::lessonsOfRow(ws.school.masterTimetable, 2).count(lesson(u"语文"_s, u"张三"_s)),
            3);
    }

    void twoGroupsEachTakeASlotFreeInAllMembers()
    {
        // B is busy in column 12; the first draw of the first group hits it and must draw again.
        ws.school.masterTimetable.setText({3, 12}, lesson(u"班会"_s, u"孙八"_s));
        addGroup(u"合班课1"_s, {member(u"A"_s, u"数学"_s), member(u"B"_s, u"数学"_s)});
        addGroup(u"合班课2"_s, {member(u"B"_s, u"语文"_s), member(u"C"_s, u"语文"_s)});
        test::ScriptedRandom random(
            {test::drawFor(12, 1, 35), test::drawFor(13, 1, 35), test::drawFor(19, 1, 35)});
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        const model::Grid& grid = ws.school.masterTimetable;
        // The minor group (数学 of B has 2 periods) is taken after the morning: column 13 is
        // period 6 of day 2, column 19 period 5 of day 3.
        QCOMPARE(grid.text({2, 13}), lesson(u"数学"_s, u"王芳"_s));
        QCOMPARE(grid.text({3, 13}), lesson(u"数学"_s, u"李四"_s));
        QCOMPARE(grid.text({2, 19}), lesson(u"数学"_s, u"王芳"_s));
        QCOMPARE(grid.text({3, 19}), lesson(u"数学"_s, u"李四"_s));
        QCOMPARE(grid.text({3, 12}), lesson(u"班会"_s, u"孙八"_s));
        QVERIFY(grid.text({2, 12}).isEmpty());
        // The main group (语文 of C has 2 periods) shares two slots of B and C.
        int shared = 0;
        for (int c = 1; c < grid.columnCount(); ++c) {
            const bool inB = grid.text({3, c}) == lesson(u"语文"_s, u"张三"_s);
            const bool inC = grid.text({4, c}) == lesson(u"语文"_s, u"钱七"_s);
            QCOMPARE(inB, inC);
            if (inB) {
                ++shared;
                QCOMPARE(grid.cell({3, c}).style, model::FixedMark);
                QCOMPARE(grid.cell({4, c}).style, model::FixedMark);
            }
        }
        QCOMPARE(shared, 2);
        for (const auto& [classIndex, courseIndex] : {std::pair{0, 1}, {1, 1}, {1, 0}, {2, 0}})
            QCOMPARE(periods(classIndex, courseIndex), u"0"_s);
        QCOMPARE(periods(0, 0), u"3"_s);
        QVERIFY(ctx.problems.empty());
    }

    void aMinorGroupNeverTakesTheLastPeriodOfADay()
    {
        addGroup(u"合班课1"_s, {member(u"A"_s, u"数学"_s), member(u"B"_s, u"数学"_s)});
        // Last periods of days 1 and 2, then a morning period, then period 5 of day 1.
        test::ScriptedRandom random({test::drawFor(7, 1, 35), test::drawFor(14, 1, 35),
                                     test::drawFor(2, 1, 35), test::drawFor(5, 1, 35),
                                     test::drawFor(5, 1, 35), test::drawFor(6, 1, 35)});
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, 2).size(), 2);
        QCOMPARE(ws.school.masterTimetable.text({2, 5}), lesson(u"数学"_s, u"王芳"_s));
        QCOMPARE(ws.school.masterTimetable.text({2, 6}), lesson(u"数学"_s, u"王芳"_s));
    }

    void aGroupWithoutACommonFreeSlotIsReportedNotSplit()
    {
        // A's week is full except the last period of every day, which a minor course never takes.
        for (int c = 1; c < ws.school.masterTimetable.columnCount(); ++c)
            if (c % 7 != 0)
                ws.school.masterTimetable.setText({2, c}, lesson(u"班会"_s, u"孙八"_s));
        addGroup(u"合班课1"_s, {member(u"A"_s, u"数学"_s), member(u"B"_s, u"数学"_s)});
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        QCOMPARE(ctx.problems.unplacedCombined.size(), 1);
        QVERIFY(ctx.problems.unplacedCombined.first().contains(u"合班课1"_s));
        QVERIFY(test::lessonsOfRow(ws.school.masterTimetable, 3).isEmpty());
        // The search is bounded: the random attempts and one sweep.
        QVERIFY(random.draws <=
                CombinedAttemptsPerColumn * ws.school.masterTimetable.columnCount() * 2);
        // Zeroed, so the second stage does not place the lessons one class at a time.
        QCOMPARE(periods(0, 1), u"0"_s);
        QCOMPARE(periods(1, 1), u"0"_s);
        placeRemainingLessons(ctx);
        QVERIFY(!test::lessonsOfRow(ws.school.masterTimetable, 3).join(u'|').contains(u"数学"_s));
    }

    void aGroupWithoutACommonFreeSlotTakesOneFromAnEarlierGroup()
    {
        // Two free columns in four classes: {A,B} and {C,D} in one, {A,C} and {B,D} in the
        // other. The draws put the first two groups apart, which leaves no common slot for the
        // others until one of the first two moves.
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s, u"D"_s}, {u"语文"_s, u"数学"_s}, 4, 3, 5);
        for (int classIndex = 0; classIndex < 4; ++classIndex) {
            for (int courseIndex = 0; courseIndex < 2; ++courseIndex)
                test::setPlan(ws, classIndex, courseIndex, {u"张三"_s, 1, true});
            for (int c = 3; c < ws.school.masterTimetable.columnCount(); ++c)
                ws.school.masterTimetable.setText({model::classRow(classIndex), c},
                                                  model::FreePeriodText);
        }
        addGroup(u"合班课1"_s, {member(u"A"_s, u"语文"_s), member(u"B"_s, u"语文"_s)});
        addGroup(u"合班课2"_s, {member(u"C"_s, u"语文"_s), member(u"D"_s, u"语文"_s)});
        addGroup(u"合班课3"_s, {member(u"A"_s, u"数学"_s), member(u"C"_s, u"数学"_s)});
        addGroup(u"合班课4"_s, {member(u"B"_s, u"数学"_s), member(u"D"_s, u"数学"_s)});
        test::ScriptedRandom random({test::drawFor(1, 1, 35), test::drawFor(2, 1, 35)});
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        QVERIFY(ctx.problems.unplacedCombined.isEmpty());
        const model::Grid& grid = ws.school.masterTimetable;
        for (const int column : {1, 2}) {
            QCOMPARE(model::coursePart(grid.text({model::classRow(0), column})),
                     model::coursePart(grid.text({model::classRow(1), column})));
            QCOMPARE(model::coursePart(grid.text({model::classRow(2), column})),
                     model::coursePart(grid.text({model::classRow(3), column})));
            QCOMPARE(grid.cell({model::classRow(0), column}).style, model::FixedMark);
        }
        QVERIFY(model::coursePart(grid.text({model::classRow(0), 1})) !=
                model::coursePart(grid.text({model::classRow(0), 2})));
    }

    void aGroupWithoutANumberOfPeriodsIsLeftToItsClassesAndTheNextGroupPlaced()
    {
        // The last member's periods: empty, then not a number.
        for (const QString& text : {QString(), u"两节"_s}) {
            init();
            addGroup(u"合班课1"_s, {member(u"A"_s, u"数学"_s), member(u"B"_s, u"数学"_s)});
            addGroup(u"合班课2"_s, {member(u"B"_s, u"语文"_s), member(u"C"_s, u"语文"_s)});
            ws.school.plan.setText({school::planRow(1, 1, 3), school::PeriodsColumn}, text);
            test::ScriptedRandom random({}, 4);
            RunContext ctx(ws, ui, random);
            placeFirstStage(ctx);
            QCOMPARE(ctx.problems.unreadCombined, QStringList{u"合班课1"_s});
            QCOMPARE(problemMessages(ctx.problems).size(), 1);
            QVERIFY(problemMessages(ctx.problems).first().contains(u"合班课1"_s));
            // Nothing combined, and A keeps its 数学 periods for the second stage.
            QVERIFY(test::lessonsOfRow(ws.school.masterTimetable, 2).isEmpty());
            QCOMPARE(periods(0, 1), u"2"_s);
            QCOMPARE(periods(1, 1), text);
            // The second group is placed all the same.
            QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, 4).size(), 2);
            QCOMPARE(periods(1, 0), u"0"_s);
            QCOMPARE(periods(2, 0), u"0"_s);
            placeRemainingLessons(ctx);
            QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, 2)
                         .count(lesson(u"数学"_s, u"王芳"_s)),
                     2);
        }
    }

    // {A·语文, A·数学}: A cannot take both at once; placing them together wrote 数学 over
    // every 语文 lesson. A's first member takes part, the second keeps its own lessons.
    void aClassNamedTwiceInAGroupKeepsTheLessonsOfBoth()
    {
        addGroup(u"合班课1"_s,
                 {member(u"A"_s, u"语文"_s), member(u"A"_s, u"数学"_s), member(u"B"_s, u"语文"_s)});
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        QCOMPARE(ctx.problems.leftOutMembers.size(), 1);
        QVERIFY(ctx.problems.leftOutMembers.first().contains(u"A · 数学"_s));
        // A and B share 语文 in the periods of the last member taking part (B's 2).
        const QStringList a = test::lessonsOfRow(ws.school.masterTimetable, 2);
        QCOMPARE(a.count(lesson(u"语文"_s, u"张三"_s)), 2);
        QCOMPARE(a.size(), 2);
        QCOMPARE(periods(0, 1), u"2"_s);
        placeRemainingLessons(ctx);
        QCOMPARE(
            test::lessonsOfRow(ws.school.masterTimetable, 2).count(lesson(u"数学"_s, u"王芳"_s)),
            2);
    }

    void aMemberOfAClassWithoutPlanIsReportedAndTheOthersPlaced()
    {
        addGroup(u"合班课1"_s, {member(u"Z"_s, u"数学"_s), member(u"B"_s, u"数学"_s)});
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        placeFirstStage(ctx);
        QCOMPARE(ctx.problems.leftOutMembers.size(), 1);
        QVERIFY(ctx.problems.leftOutMembers.first().contains(
            model::combinedLessonCaption(member(u"Z"_s, u"数学"_s))));
        QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, 3).size(), 2);
        QCOMPARE(ws.school.masterTimetable.text({0, 1}), u"星期一"_s);
        QCOMPARE(ws.school.masterTimetable.text({1, 1}), u" 1"_s);
    }
};

QTEST_GUILESS_MAIN(TestFirstStage)
#include "tst_firststage.moc"
