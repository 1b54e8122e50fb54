// The optimiser on small hand-made timetables: each kind of move, the main-course rule in both
// modes, cancel, determinism by seed, one undoable step, and a property test over random
// seeds that checks every invariant after every move the search makes.
#include "../scheduler/schedulerfixture.h"

#include "conditions/combinedclasses.h"
#include "fakeuiport.h"
#include "model/combinedlesson.h"
#include "model/fixedlessonentry.h"
#include "optimiser/lowerbounds.h"
#include "optimiser/optimisecommand.h"
#include "optimiser/timetablechange.h"
#include "optimiser/timetableloader.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/doublebookings.h"
#include "scheduler/runcontext.h"
#include "scheduler/schedulingrun.h"

#include <QTest>
#include <QThread>
#include <array>

using namespace orve;
using namespace orve::optimiser;
using namespace Qt::StringLiterals;
using test::lesson;

namespace {

// Checks the lessons after every move; cancels at its first report when asked to.
class Observer : public Progress
{
public:
    bool cancel = false;
    int reports = 0;
    int moves = 0;
    QStringList problems;

    bool carryOn(int, int, int) override
    {
        ++reports;
        return !cancel;
    }
    // The lessons breaking each kind of rule before the first move, or as the run went back
    // to a timetable it had.
    void startFrom(const LessonTable& table) { violations_ = table.tally().counts().violations; }
    void restored(const LessonTable& table) override
    {
        startFrom(table);
        if (const QString problem = table.verify(false); !problem.isEmpty() && problems.size() < 5)
            problems.append(problem);
    }
    void moved(const LessonTable& table) override
    {
        ++moves;
        const auto& violations = table.tally().counts().violations;
        for (std::size_t k = 0; k < violations.size(); ++k)
            if (violations[k] > violations_[k] && problems.size() < 5)
                problems.append(u"a move broke a rule anew"_s);
        violations_ = violations;
        if (fixedSlots_.empty())
            for (int id = 0; id < table.lessonCount(); ++id)
                fixedSlots_.push_back(table.lesson(id).fixed ? table.lesson(id).slot : -1);
        QString problem = table.verify(false);
        for (int id = 0; id < table.lessonCount() && problem.isEmpty(); ++id)
            if (table.lesson(id).fixed && table.lesson(id).slot != fixedSlots_[std::size_t(id)])
                problem = u"a fixed lesson moved"_s;
        if (!problem.isEmpty() && problems.size() < 5)
            problems.append(problem);
    }

private:
    std::vector<int> fixedSlots_;
    std::array<int, conditions::RuleKindCount> violations_{};
};

// A busy machine: the first moves take a second and a half.
class SlowObserver : public Progress
{
public:
    int slowMoves = 0;
    bool carryOn(int, int, int) override { return true; }
    void moved(const LessonTable&) override
    {
        if (slowMoves < 30) {
            ++slowMoves;
            QThread::msleep(50);
        }
    }
};

int courseCount(const model::Grid& grid, int row, QStringView course)
{
    int count = 0;
    for (int c = 1; c < grid.columnCount(); ++c)
        count += model::coursePart(grid.text({row, c})) == course ? 1 : 0;
    return count;
}

QList<int> columnsOf(const model::Grid& grid, int row, QStringView course)
{
    QList<int> columns;
    for (int c = 1; c < grid.columnCount(); ++c)
        if (model::coursePart(grid.text({row, c})) == course)
            columns.append(c);
    return columns;
}

OptimiserOptions quickOptions(bool allowMainAfternoon = false, quint64 seed = 1)
{
    OptimiserOptions options;
    options.seed = seed;
    options.stepBudget = 20000;
    options.timeLimitMs = 60000; // the step budget stops these runs, never the clock
    options.allowMainAfternoon = allowMainAfternoon;
    return options;
}

} // namespace

class TestOptimiser : public QObject
{
    Q_OBJECT

    Workspace ws;

    void put(int row, int column, const QString& course, const QString& teacher)
    {
        ws.school.masterTimetable.setText({row, column}, lesson(course, teacher));
    }
    void group(const QString& number, const QString& className, const QString& course)
    {
        conditions::addToGroup(ws.school.combinedGroups, number,
                               model::combinedLessonEntry(className, course));
    }
    // A and B take 体育 together with 赵六 (group 1), in `period` when it is given.
    void physicalEducationOfAAndB(int period = 0)
    {
        group(u"1"_s, u"A"_s, u"体育"_s);
        group(u"1"_s, u"B"_s, u"体育"_s);
        test::setPlan(ws, 0, 3, {u"赵六"_s, 1, false});
        test::setPlan(ws, 1, 3, {u"赵六"_s, 1, false});
        if (period > 0) {
            put(2, period, u"体育"_s, u"赵六"_s);
            put(3, period, u"体育"_s, u"赵六"_s);
        }
    }
    // Undo gives back `before` exactly, redo the optimised timetable.
    void checkUndoRedo(const model::Grid& before)
    {
        const model::Grid after = ws.school.masterTimetable;
        QCOMPARE(ws.session.history.undoCaption(), RemoveDoubleBookingsCaption);
        QVERIFY(ws.session.history.undo(ws.school.masterTimetable));
        for (int r = 0; r < before.rowCount(); ++r)
            for (int c = 0; c < before.columnCount(); ++c) {
                QCOMPARE(ws.school.masterTimetable.text({r, c}), before.text({r, c}));
                QCOMPARE(ws.school.masterTimetable.cell({r, c}).style, before.cell({r, c}).style);
            }
        QVERIFY(ws.session.history.redo(ws.school.masterTimetable));
        for (int r = 0; r < before.rowCount(); ++r)
            for (int c = 0; c < before.columnCount(); ++c)
                QCOMPARE(ws.school.masterTimetable.text({r, c}), after.text({r, c}));
    }

    // Six classes, three days of two morning and two afternoon periods, every slot planned:
    // teachers shared so widely that a scheduling run leaves double bookings, two combined
    // groups that cannot both find their periods, a teacher-less lesson fixed in advance and a
    // kept-free period that leaves one lesson without a cell.
    void makeCrowdedSchool()
    {
        const QStringList classes = {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s};
        test::makeSchool(
            ws, classes,
            {u"语文"_s, u"数学"_s, u"英语"_s, u"物理"_s, u"体育"_s, u"音乐"_s, u"班会"_s}, 2, 2, 3);
        for (int i = 0; i < 6; ++i) {
            test::setPlan(ws, i, 0, {u"语%1"_s.arg(i / 2), 3, true});
            test::setPlan(ws, i, 1, {u"钱七"_s, 2, true});
            test::setPlan(ws, i, 2, {u"英%1"_s.arg(i % 2), 1, false});
            test::setPlan(ws, i, 3, {u"物%1"_s.arg(i / 3), 1, false});
            test::setPlan(ws, i, 4, {u"赵六"_s, 2, false});
            test::setPlan(ws, i, 5, {u"孙八"_s, 2, false});
            test::setPlan(ws, i, 6, {QString(), 1, false});
        }
        for (const QString& className : {u"A"_s, u"B"_s, u"C"_s})
            group(u"1"_s, className, u"体育"_s);
        for (const QString& className : {u"C"_s, u"D"_s, u"E"_s})
            group(u"2"_s, className, u"音乐"_s);
        ws.school.fixedLessons = {u"A 班会 3 4"_s, u"F 空课 1 1"_s};
    }

    // What changes by hand might leave behind: lessons exchanged within their rows (never a
    // group's lesson, a fixed lesson or a kept-free period) and one lesson of the first group
    // taken out of the timetable.
    void scramble(quint64 seed)
    {
        model::Grid& grid = ws.school.masterTimetable;
        const int firstGroupColumn = columnsOf(grid, 2, u"体育").value(0, 1);
        for (int r = 2; r <= 4; ++r)
            grid.setText({r, firstGroupColumn}, QString());
        const auto movable = [&grid](int r, int c) {
            const QStringView course = model::coursePart(grid.text({r, c}));
            return !(r <= 4 && course == u"体育") && !(r >= 4 && r <= 6 && course == u"音乐") &&
                   course != model::FreePeriodText && !(r == 2 && c == 12);
        };
        scheduler::SeededRandom random(seed);
        for (int r = 2; r < grid.rowCount(); ++r)
            for (int k = 0; k < 4; ++k) {
                const int a = 1 + int(random.next() * 12);
                const int b = 1 + int(random.next() * 12);
                if (movable(r, a) && movable(r, b))
                    grid.swapCells({r, a}, {r, b});
            }
    }

private slots:
    void init()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"语文"_s, u"数学"_s, u"英语"_s, u"体育"_s},
                         2, 1, 1);
        ws.session.history.clear();
    }

    void aMoveWithinARowRemovesADoubleBookingAsOneUndoableStep()
    {
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"英语"_s, u"李四"_s);
        put(3, 1, u"数学"_s, u"张三"_s);
        test::setPlan(ws, 0, 0, {u"张三"_s, 1, false});
        test::setPlan(ws, 0, 2, {u"李四"_s, 1, false});
        test::setPlan(ws, 1, 1, {u"张三"_s, 1, false});
        const model::Grid before = ws.school.masterTimetable;
        const OptimiseOutcome outcome = removeDoubleBookings(ws, quickOptions());
        QVERIFY(outcome.ran);
        QCOMPARE(outcome.before.double_bookings, 1);
        QCOMPARE(outcome.after.double_bookings, 0);
        QVERIFY(ws.session.conflicts.empty());
        for (int r = 2; r <= 4; ++r)
            QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, r),
                     test::lessonsOfRow(before, r));
        QVERIFY(outcomeMessage(outcome, quickOptions()).contains(u"重课：1 处 → 0 处"_s));
        checkUndoRedo(before);
    }

    void aCombinedGroupMovesAsAWholeAndAFixedMemberFixesIt()
    {
        physicalEducationOfAAndB(1);
        test::setPlan(ws, 2, 0, {u"赵六"_s, 1, false});
        test::setPlan(ws, 0, 2, {u"李四"_s, 1, false});
        test::setPlan(ws, 1, 2, {u"王五"_s, 1, false});
        put(4, 1, u"语文"_s, u"赵六"_s);
        put(2, 2, u"英语"_s, u"李四"_s);
        put(3, 3, u"英语"_s, u"王五"_s);
        const model::Grid before = ws.school.masterTimetable;
        ws.school.fixedLessons = {u"C 语文 1 1"_s};
        const OptimiseOutcome outcome = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(outcome.after.double_bookings, 0);
        QCOMPARE(ws.school.masterTimetable.text({4, 1}), lesson(u"语文"_s, u"赵六"_s));
        const QList<int> together = columnsOf(ws.school.masterTimetable, 2, u"体育");
        QCOMPARE(together.size(), 1);
        QVERIFY(together.first() != 1);
        QCOMPARE(columnsOf(ws.school.masterTimetable, 3, u"体育"), together);

        // An entry naming one member fixes the whole group's lesson: with C's row full of
        // fixed lessons the double booking stays.
        ws.school.masterTimetable = before;
        put(4, 2, u"数学"_s, u"孙八"_s);
        put(4, 3, u"英语"_s, u"周九"_s);
        ws.school.fixedLessons = {u"B 体育 1 1"_s, u"C 数学 1 2"_s, u"C 英语 1 3"_s};
        QCOMPARE(removeDoubleBookings(ws, quickOptions()).after.double_bookings, 1);
        QCOMPARE(columnsOf(ws.school.masterTimetable, 2, u"体育"), QList<int>{1});
        QCOMPARE(columnsOf(ws.school.masterTimetable, 3, u"体育"), QList<int>{1});
    }

    void anUnplacedGroupIsPlacedByEjectionAndUndoneWithItsWrites()
    {
        physicalEducationOfAAndB();
        test::setPlan(ws, 0, 0, {u"张三"_s, 1, false});
        test::setPlan(ws, 0, 1, {u"王五"_s, 1, false});
        test::setPlan(ws, 1, 2, {u"李四"_s, 1, false});
        test::setPlan(ws, 1, 1, {u"钱七"_s, 1, false});
        // No slot is free in both classes: A is free in period 3, B in period 1.
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"数学"_s, u"王五"_s);
        put(3, 2, u"英语"_s, u"李四"_s);
        put(3, 3, u"数学"_s, u"钱七"_s);
        const model::Grid before = ws.school.masterTimetable;
        QCOMPARE(
            loadTimetable(ws.school, ws.session.periodsPerDay).unplacedCombined(),
            QStringList{scheduler::unplacedCombinedEntry(
                ws.school.combinedGroups.node(ws.school.combinedGroups.children(0).first()).text,
                1)});
        const OptimiseOutcome outcome = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(outcome.before.unplaced, 2);
        QCOMPARE(outcome.after.unplaced, 0);
        QVERIFY(outcome.unplacedCombined.isEmpty());
        QCOMPARE(outcome.after.double_bookings, 0);
        const QList<int> together = columnsOf(ws.school.masterTimetable, 2, u"体育");
        QCOMPARE(together.size(), 1);
        QCOMPARE(columnsOf(ws.school.masterTimetable, 3, u"体育"), together);
        QCOMPARE(ws.school.masterTimetable.cell({2, together.first()}).style, model::FixedMark);
        for (const auto& [row, course] : {std::pair(2, u"语文"), std::pair(2, u"数学"),
                                          std::pair(3, u"英语"), std::pair(3, u"数学")})
            QCOMPARE(courseCount(ws.school.masterTimetable, row, course), 1);
        checkUndoRedo(before);
    }

    void aGroupWhoseClassesAreFreeInDifferentPeriodsIsPlacedByExchanges()
    {
        // A, B and C take 体育 together; each is free in a different period, and every other
        // lesson of theirs is a group's with a full class (X, Y or Z): none can move alone or
        // be left out without leaving out as much.
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s, u"X"_s, u"Y"_s, u"Z"_s, u"V"_s, u"W"_s},
                         {u"体育"_s, u"音乐"_s, u"英语"_s, u"语文"_s}, 2, 1, 1);
        const QStringList teachers = {u"张三"_s, u"李四"_s, u"王五"_s, u"钱七"_s, u"孙八"_s,
                                      u"周九"_s, u"吴十"_s, u"郑一"_s, u"冯二"_s};
        for (int i = 0; i < 3; ++i) {
            const QString member = ws.school.classes[i];
            const QString partner = ws.school.classes[i + 3];
            group(u"1"_s, member, u"体育"_s);
            test::setPlan(ws, i, 0, {u"赵六"_s, 1, false});
            for (int course = 1; course <= 2; ++course) {
                const QString number = QString::number(1 + 2 * i + course);
                const QString name = ws.school.courses[course];
                const QString teacher = teachers[2 * i + course - 1];
                group(number, member, name);
                group(number, partner, name);
                test::setPlan(ws, i, course, {teacher, 1, false});
                test::setPlan(ws, i + 3, course, {teacher, 1, false});
            }
            test::setPlan(ws, i + 3, 3, {teachers[6 + i], 1, false});
            // Member i is free in period i + 1; its partner's own lesson stands there.
            const int free = i + 1;
            const int first = free % 3 + 1;
            const int second = (free + 1) % 3 + 1;
            for (const int row : {2 + i, 5 + i}) {
                put(row, first, u"音乐"_s, teachers[2 * i]);
                put(row, second, u"英语"_s, teachers[2 * i + 1]);
            }
            put(5 + i, free, u"语文"_s, teachers[6 + i]);
        }
        // V and W, planned beyond their week, leave a group of theirs out whatever happens;
        // putting it in, which takes out one lesson of each, is always a cheaper step than the
        // two lessons taken out that a chain of steps freeing A, B and C starts with.
        for (const int i : {6, 7}) {
            group(u"8"_s, ws.school.classes[i], u"体育"_s);
            test::setPlan(ws, i, 0, {u"陈一"_s, 1, false});
            for (int course = 1; course <= 3; ++course) {
                const QString teacher = u"%1%2"_s.arg(ws.school.classes[i]).arg(course);
                test::setPlan(ws, i, course, {teacher, 1, false});
                put(i + 2, course, ws.school.courses[course], teacher);
            }
        }
        const OptimiseOutcome outcome = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(outcome.before.unplaced, 5);
        QCOMPARE(outcome.after.unplaced, 2);
        QCOMPARE(outcome.after.double_bookings, 0);
        const QList<int> together = columnsOf(ws.school.masterTimetable, 2, u"体育");
        QCOMPARE(together.size(), 1);
        QCOMPARE(columnsOf(ws.school.masterTimetable, 3, u"体育"), together);
        QCOMPARE(columnsOf(ws.school.masterTimetable, 4, u"体育"), together);
    }

    void theStrictRuleKeepsMainLessonsInTheMorningAndTellsWhatRelaxingWouldRemove()
    {
        // One morning period on each of two days, and three main lessons of one teacher there.
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"语文"_s}, 1, 2, 2);
        for (int i = 0; i < 3; ++i)
            test::setPlan(ws, i, 0, {u"王芳"_s, 1, true});
        put(2, 1, u"语文"_s, u"王芳"_s);
        put(3, 1, u"语文"_s, u"王芳"_s);
        put(4, 4, u"语文"_s, u"王芳"_s);
        const model::Grid before = ws.school.masterTimetable;
        const OptimiseOutcome strict = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(strict.after.double_bookings, 1);
        QVERIFY(strict.report.triedRelaxed);
        QCOMPARE(strict.report.onlyWithMainAfternoon, 1);
        QCOMPARE(strict.report.doubleBookingLowerBound, 1);
        QCOMPARE(strict.report.mainOutsideAfter, 0);
        QVERIFY(outcomeMessage(strict, quickOptions()).contains(AllowMainAfternoonCaption));

        ws.school.masterTimetable = before;
        const OptimiseOutcome relaxed = removeDoubleBookings(ws, quickOptions(true));
        QCOMPARE(relaxed.after.double_bookings, 0);
        QCOMPARE(relaxed.report.doubleBookingLowerBound, 0);
        QCOMPARE(relaxed.report.mainOutsideAfter, 1);
        QVERIFY(!outcomeMessage(relaxed, quickOptions(true)).contains(AllowMainAfternoonCaption));
    }

    // What no timetable can avoid: lessons of a teacher beyond the slots stack, and combined
    // groups that pairwise share a class need a slot each; the optimiser ends there.
    void theLowerBoundsCountWhatNoTimetableAvoids()
    {
        // 王芳 has five lessons in three slots; at most two (one a class) share a slot.
        test::setPlan(ws, 0, 0, {u"王芳"_s, 3, false});
        test::setPlan(ws, 1, 1, {u"王芳"_s, 2, false});
        for (int c = 1; c <= 3; ++c)
            put(2, c, u"语文"_s, u"王芳"_s);
        put(3, 1, u"数学"_s, u"王芳"_s);
        put(3, 2, u"数学"_s, u"王芳"_s);
        LoadedTimetable loaded = loadTimetable(ws.school, ws.session.periodsPerDay);
        QCOMPARE(doubleBookingLowerBound(loaded.table, MainRule::Strict), 2);
        QCOMPARE(optimise(loaded.table, quickOptions()).doubleBookingsAfter, 2);
        const QString message =
            outcomeMessage(removeDoubleBookings(ws, quickOptions()), quickOptions());
        QVERIFY(message.contains(u"至少 2 处重课无法避免"_s));
        QVERIFY(!message.contains(u"违反排课规则"_s));

        // 语文 of A and 数学 of B fill every slot, so 王芳 is double-booked in all three,
        // although three of his lessons could share a slot (C has one lesson only).
        init();
        test::setPlan(ws, 0, 0, {u"王芳"_s, 3, false});
        test::setPlan(ws, 1, 1, {u"王芳"_s, 3, false});
        test::setPlan(ws, 2, 2, {u"王芳"_s, 1, false});
        for (int c = 1; c <= 3; ++c) {
            put(2, c, u"语文"_s, u"王芳"_s);
            put(3, c, u"数学"_s, u"王芳"_s);
        }
        put(4, 2, u"英语"_s, u"王芳"_s);
        LoadedTimetable full = loadTimetable(ws.school, ws.session.periodsPerDay);
        QCOMPARE(doubleBookingLowerBound(full.table, MainRule::Strict), 3);

        // The group of A and B takes one of the three slots in both classes, so 张三's lessons
        // of A and B meet in the other two, though four of his lessons could share three.
        init();
        physicalEducationOfAAndB(1);
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, false});
        test::setPlan(ws, 1, 1, {u"张三"_s, 2, false});
        for (int c = 2; c <= 3; ++c) {
            put(2, c, u"语文"_s, u"张三"_s);
            put(3, c, u"数学"_s, u"张三"_s);
        }
        const OptimiseOutcome blocked = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(blocked.report.doubleBookingLowerBound, 2);
        QCOMPARE(blocked.after.double_bookings, 2);

        // A's main 语文 stays in the two morning periods and B's afternoon is kept free, so
        // 张三's four lessons meet there, though together they may use all three periods.
        init();
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, true});
        test::setPlan(ws, 1, 1, {u"张三"_s, 2, false});
        ws.school.masterTimetable.setText({3, 3}, model::FreePeriodText);
        for (int c = 1; c <= 2; ++c) {
            put(2, c, u"语文"_s, u"张三"_s);
            put(3, c, u"数学"_s, u"张三"_s);
        }
        LoadedTimetable morning = loadTimetable(ws.school, ws.session.periodsPerDay);
        QCOMPARE(doubleBookingLowerBound(morning.table, MainRule::Strict), 2);
        QCOMPARE(doubleBookingLowerBound(morning.table, MainRule::Relaxed), 1);

        // By hand, A's third 语文 went to 李四: the morning keeps two of the three, so one of
        // 张三's may leave it, and his three lessons fit the three periods.
        put(2, 3, u"语文"_s, u"李四"_s);
        test::setPlan(ws, 1, 1, {u"张三"_s, 1, false});
        test::setPlan(ws, 0, 0, {u"张三"_s, 3, true});
        ws.school.masterTimetable.setText({3, 2}, QString());
        LoadedTimetable shared = loadTimetable(ws.school, ws.session.periodsPerDay);
        QCOMPARE(doubleBookingLowerBound(shared.table, MainRule::Strict), 0);

        // 张三 teaches at most two lessons a day and only in the first period of Monday: the
        // four of his lessons need Monday twice, though Tuesday has three periods.
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s, u"数学"_s}, 3, 0, 2);
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, false});
        test::setPlan(ws, 1, 1, {u"张三"_s, 2, false});
        ws.school.rules.teacherUnavailable = {{u"张三"_s, 1, 2}, {u"张三"_s, 1, 3}};
        ws.school.rules.teacherDailyLimits = {{u"张三"_s, 2}};
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 5, u"语文"_s, u"张三"_s);
        put(3, 1, u"数学"_s, u"张三"_s);
        put(3, 6, u"数学"_s, u"张三"_s);
        LoadedTimetable daily = loadTimetable(ws.school, ws.session.periodsPerDay);
        QCOMPARE(doubleBookingLowerBound(daily.table, MainRule::Strict), 1);

        // 张三 may not teach in the first period, where A's 语文 stands: it may stay there, so
        // at first nothing is unavoidable; moved away, as the search must, it leaves his three
        // lessons two periods.
        init();
        for (int i = 0; i < 3; ++i)
            test::setPlan(ws, i, i, {u"张三"_s, 1, false});
        ws.school.rules.teacherUnavailable = {{u"张三"_s, 1, 1}};
        put(2, 1, u"语文"_s, u"张三"_s);
        put(3, 2, u"数学"_s, u"张三"_s);
        put(4, 3, u"英语"_s, u"张三"_s);
        const OptimiseOutcome mended = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(mended.after.ruleViolationTotal(), 0);
        QCOMPARE(mended.after.double_bookings, 1);
        QCOMPARE(mended.report.doubleBookingLowerBound, 1);

        // Three groups of two classes, two lessons each: no class is in all three, yet no two
        // share a slot, so three of the six lessons stay out, two classes' periods each.
        init();
        const std::array<std::pair<QString, std::array<int, 2>>, 3> groups = {
            {{u"语文"_s, {0, 1}}, {u"数学"_s, {1, 2}}, {u"英语"_s, {0, 2}}}};
        const QStringList classes = ws.school.classes;
        for (int g = 0; g < 3; ++g)
            for (const int i : groups[std::size_t(g)].second) {
                test::setPlan(ws, i, g, {u"教师%1"_s.arg(g), 2, false});
                group(QString::number(g + 1), classes.at(i), groups[std::size_t(g)].first);
            }
        const OptimiseOutcome outcome = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(outcome.report.unplacedLowerBound, 6);
        QCOMPARE(outcome.after.unplaced, 6);

        // 张三 may teach in no two periods side by side, yet A's 语文 wants a double period.
        init();
        test::makeSchool(ws, {u"A"_s}, {u"语文"_s, u"数学"_s}, 2, 2, 2);
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, false});
        test::setPlan(ws, 0, 1, {u"李四"_s, 6, false});
        ws.school.rules.doublePeriods = {{u"A"_s, u"语文"_s, 1}};
        for (const int period : {2, 4})
            for (const int day : {1, 2})
                ws.school.rules.teacherUnavailable.push_back({u"张三"_s, day, period});
        for (int c = 1; c <= 8; ++c)
            put(2, c, c == 1 || c == 5 ? u"语文"_s : u"数学"_s, c == 1 || c == 5 ? u"张三"_s : u"李四"_s);
        const OptimiseOutcome barred = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(barred.report.ruleViolationLowerBound, 1);
        QCOMPARE(barred.after.ruleViolationTotal(), 1);
        QVERIFY(outcomeMessage(barred, quickOptions()).contains(u"至少 1 处违反排课规则无法避免"_s));
    }

    void aRuleBrokenByLessonsLeftOutEndsTheSearchAtOnce()
    {
        // A's 语文 double period is left out, as its week is full of 数学 that must stay: no
        // move reaches the broken rule, so the search stops instead of spending its steps.
        test::makeSchool(ws, {u"A"_s}, {u"语文"_s, u"数学"_s}, 2, 2, 1);
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, false});
        test::setPlan(ws, 0, 1, {u"李四"_s, 4, false});
        ws.school.rules.doublePeriods = {{u"A"_s, u"语文"_s, 1}};
        for (int c = 1; c <= 4; ++c)
            put(2, c, u"数学"_s, u"李四"_s);
        const OptimiseOutcome outcome = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(outcome.after.ruleViolationTotal(), 1);
        QCOMPARE(outcome.after.unplaced, 2);
        QVERIFY(outcome.report.steps < 10);
    }

    void aDoublePeriodKeptOutOfItsPeriodsMovesWhole()
    {
        // Two days of two morning and two afternoon periods. A's 语文 double period stands in
        // Monday's morning, where 张三 may not teach: no double booking and nothing unplaced,
        // but two lessons break a rule, and either lesson moved alone breaks up the pair.
        test::makeSchool(ws, {u"A"_s}, {u"语文"_s, u"数学"_s}, 2, 2, 2);
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, false});
        test::setPlan(ws, 0, 1, {u"李四"_s, 2, false});
        ws.school.rules.teacherUnavailable = {{u"张三"_s, 1, 1}, {u"张三"_s, 1, 2}};
        ws.school.rules.doublePeriods = {{u"A"_s, u"语文"_s, 1}};
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"语文"_s, u"张三"_s);
        put(2, 5, u"数学"_s, u"李四"_s);
        put(2, 6, u"数学"_s, u"李四"_s);
        const OptimiseOutcome outcome = removeDoubleBookings(ws, quickOptions());
        QCOMPARE(outcome.before.ruleViolationTotal(), 2);
        QCOMPARE(outcome.after.ruleViolationTotal(), 0);
        QVERIFY(outcomeMessage(outcome, quickOptions()).contains(u"违反排课规则：2 处 → 0 处"_s));
        const QList<int> columns = columnsOf(ws.school.masterTimetable, 2, u"语文"_s);
        QCOMPARE(columns.size(), 2);
        QCOMPARE(columns.at(1), columns.at(0) + 1);
        QVERIFY(columns.at(0) > 2);
    }

    void cancelStopsTheRunWithAValidTimetable()
    {
        // 体育 may not be taught in the first two periods, so A's and B's stand in the third,
        // and 张三's lessons of A and B meet in the other two: two double bookings, where his
        // lessons against the week allow one. The search goes on until it is cancelled.
        ws.school.rules.courseUnavailable = {{u"体育"_s, 1, 1}, {u"体育"_s, 1, 2}};
        test::setPlan(ws, 0, 3, {u"赵六"_s, 1, false});
        test::setPlan(ws, 1, 3, {u"钱七"_s, 1, false});
        put(2, 3, u"体育"_s, u"赵六"_s);
        put(3, 3, u"体育"_s, u"钱七"_s);
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, false});
        test::setPlan(ws, 1, 1, {u"张三"_s, 2, false});
        for (int c = 1; c <= 2; ++c) {
            put(2, c, u"语文"_s, u"张三"_s);
            put(3, c, u"数学"_s, u"张三"_s);
        }
        OptimiserOptions options = quickOptions();
        options.stepBudget = 1LL << 40;
        Observer observer;
        observer.cancel = true;
        const OptimiseOutcome outcome = removeDoubleBookings(ws, options, &observer);
        QCOMPARE(observer.reports, 1);
        QCOMPARE(outcome.report.stop, StopReason::Cancelled);
        QCOMPARE(outcome.report.doubleBookingLowerBound, 1);
        QCOMPARE(outcome.after.double_bookings, 2);
        QVERIFY(observer.problems.isEmpty());
        QVERIFY(outcomeMessage(outcome, options).contains(u"取消"_s));
    }

    void aTimetableWithoutDoubleBookingsIsLeftAtOnce()
    {
        put(2, 1, u"语文"_s, u"张三"_s);
        test::setPlan(ws, 0, 0, {u"张三"_s, 1, false});
        const OptimiseOutcome outcome = removeDoubleBookings(ws, quickOptions());
        QVERIFY(!outcome.ran);
        QVERIFY(!ws.session.history.canUndo());
        QVERIFY(outcomeMessage(outcome, quickOptions()).contains(u"没有重课"_s));
    }

    // The seed alone decides, with the default budget: a run slowed down as on a busy machine
    // ends as the quick one, since the clock never cuts a phase; a clock that does bind says so.
    void theSameSeedGivesTheSameTimetable()
    {
        makeCrowdedSchool();
        // 钱七 has more lessons than the week has slots: the search goes on until it stalls.
        for (int i = 0; i < 6; ++i)
            test::setPlan(ws, i, 2, {u"钱七"_s, 1, false});
        test::FakeUiPort ui;
        scheduler::SeededRandom random(3);
        scheduler::scheduleTimetable(ws, ui, random);
        scramble(3);
        const model::Grid scheduled = ws.school.masterTimetable;
        OptimiserOptions options;
        options.seed = 9;
        const OptimiseOutcome quick = removeDoubleBookings(ws, options);
        const model::Grid first = ws.school.masterTimetable;
        ws.school.masterTimetable = scheduled;
        SlowObserver busyMachine;
        const OptimiseOutcome slowed = removeDoubleBookings(ws, options, &busyMachine);
        QVERIFY(busyMachine.slowMoves > 10); // the clock went on while the steps did not
        QCOMPARE(slowed.report.steps, quick.report.steps);
        QVERIFY(slowed.report.stop != StopReason::TimeLimit);
        for (int r = 0; r < first.rowCount(); ++r)
            for (int c = 0; c < first.columnCount(); ++c)
                QCOMPARE(ws.school.masterTimetable.text({r, c}), first.text({r, c}));

        ws.school.masterTimetable = scheduled;
        options.timeLimitMs = 0;
        QCOMPARE(removeDoubleBookings(ws, options).report.stop, StopReason::TimeLimit);
    }

    // Allowed to move main lessons out of the morning, a run takes the strict run's path and
    // keeps only what the relaxed rule removes beyond it: never more double bookings.
    void theRelaxedRunNeverEndsWorseThanTheStrictOne()
    {
        makeCrowdedSchool();
        test::FakeUiPort ui;
        for (quint64 seed = 1; seed <= 6; ++seed) {
            scheduler::SeededRandom random(seed);
            scheduler::scheduleTimetable(ws, ui, random);
            const model::Grid scheduled = ws.school.masterTimetable;
            const int strict =
                removeDoubleBookings(ws, quickOptions(false, seed)).after.double_bookings;
            ws.school.masterTimetable = scheduled;
            const OptimiseOutcome relaxed = removeDoubleBookings(ws, quickOptions(true, seed));
            QVERIFY(relaxed.after.double_bookings <= strict);
        }
    }

    // Over scheduled timetables of many seeds, in both modes: every move keeps the lessons
    // consistent and the fixed ones in place; the result keeps every class's lessons of every
    // course, the kept-free periods, the group together and, under the strict rule, every main
    // lesson that was in the morning.
    void everyMoveKeepsTheInvariants()
    {
        makeCrowdedSchool();
        test::FakeUiPort ui;
        const QStringList courses = ws.school.courses;
        int moves = 0;
        int placed = 0;
        model::Rules rules;
        rules.teacherUnavailable = {{u"钱七"_s, 1, 1}, {u"钱七"_s, 2, 2}};
        rules.courseUnavailable = {{u"英语"_s, 3, 4}};
        rules.courseDailyLimits = {{u"语文"_s, 1}};
        rules.teacherDailyLimits = {{u"孙八"_s, 2}};
        for (quint64 seed = 1; seed <= 16; ++seed) {
            // Half the runs under rules, which the run breaks and the optimiser never does.
            ws.school.rules = seed % 4 < 2 ? rules : model::Rules();
            // The later seeds keep double periods whole too.
            if (seed > 8)
                ws.school.rules.doublePeriods = {{model::AllClassesText, u"语文"_s, 1},
                                                 {u"A"_s, u"数学"_s, 1}};
            scheduler::SeededRandom random(seed);
            scheduler::scheduleTimetable(ws, ui, random);
            scramble(seed);
            const model::Grid before = ws.school.masterTimetable;
            const bool relaxed = seed % 2 == 0;
            LoadedTimetable loaded = loadTimetable(ws.school, ws.session.periodsPerDay);
            Observer observer;
            observer.startFrom(loaded.table);
            const OptimiserReport report =
                optimise(loaded.table, quickOptions(relaxed, seed), &observer);
            QVERIFY2(observer.problems.isEmpty(), qPrintable(observer.problems.join(u"; ")));
            moves += observer.moves;
            placed += report.unplacedBefore - report.unplacedAfter;
            QCOMPARE(loaded.table.verify(true), QString());
            if (ws.school.rules.empty())
                QVERIFY(report.doubleBookingsAfter <= report.doubleBookingsBefore);
            QVERIFY(report.doubleBookingsAfter >= report.doubleBookingLowerBound);
            QVERIFY(report.unplacedAfter >= report.unplacedLowerBound);
            QVERIFY(report.unplacedAfter <= report.unplacedBefore);
            if (!relaxed)
                QVERIFY(report.mainOutsideAfter <= report.mainOutsideBefore);

            model::doStep(timetableChange(ws.school.masterTimetable, loaded, u"x"_s),
                          ws.school.masterTimetable);
            const model::Grid& after = ws.school.masterTimetable;
            QCOMPARE(scheduler::countDoubleBookings(after, scheduler::CombinedGroups(ws.school)),
                     report.doubleBookingsAfter);
            for (int r = 2; r < after.rowCount(); ++r)
                for (const QString& course : courses)
                    QVERIFY(courseCount(after, r, course) >= courseCount(before, r, course));
            QCOMPARE(after.text({7, 1}), model::FreePeriodText);
            QCOMPARE(after.text({2, 12}), before.text({2, 12}));
            QCOMPARE(columnsOf(after, 3, u"体育"), columnsOf(after, 2, u"体育"));
            QCOMPARE(columnsOf(after, 4, u"体育"), columnsOf(after, 2, u"体育"));
            QCOMPARE(columnsOf(after, 5, u"音乐"), columnsOf(after, 4, u"音乐"));
            QCOMPARE(columnsOf(after, 6, u"音乐"), columnsOf(after, 4, u"音乐"));
            const auto inMorning = [](const model::Grid& grid, int row, QStringView course) {
                int count = 0;
                for (const int c : columnsOf(grid, row, course))
                    count += (c - 1) % 4 < 2 ? 1 : 0;
                return count;
            };
            for (int r = 2; r < after.rowCount() && !relaxed; ++r)
                for (const QStringView course : {u"语文", u"数学"})
                    QVERIFY(inMorning(after, r, course) >= inMorning(before, r, course));
        }
        // The runs had work to do: moves to check, and group lessons to place.
        QVERIFY(moves > 100);
        QVERIFY(placed > 0);
    }
};

QTEST_GUILESS_MAIN(TestOptimiser)
#include "tst_optimiser.moc"
