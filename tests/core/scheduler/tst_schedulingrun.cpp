// The whole run: what the window is told and in which order, the closing message and the
// reports after it, complete timetables of generated schools, and the timetable figures.
#include "schedulerfixture.h"

#include "adjust/handchanges.h"
#include "adjust/lessonswap.h"
#include "fakeuiport.h"
#include "model/cellmarks.h"
#include "scheduler/runstep.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/timetablecount.h"
#include "scheduler/timetablerules.h"
#include "schoolgenerator.h"

#include <QTest>

using namespace orve;
using namespace orve::scheduler;
using namespace Qt::StringLiterals;
using test::lesson;

namespace {

// Writes every call of the status and every message into one log.
class LoggingUi : public test::FakeUiPort
{
public:
    MessageAnswer message(const QString& prompt, MessageButtons buttons, const QString& title,
                          MessageIcon icon) override
    {
        log.append(u"message "_s + prompt.section(u'\n', 0, 0));
        return FakeUiPort::message(prompt, buttons, title, icon);
    }
    QStringList log;
};

class LoggingStatus : public SchedulingStatus
{
public:
    explicit LoggingStatus(QStringList& log) : log_(log) {}
    void setWindowEnabled(bool enabled) override { log_.append(u"enabled %1"_s.arg(enabled)); }
    void setThinking(bool shown) override { log_.append(u"thinking %1"_s.arg(shown)); }
    void setProgress(const QString& text) override { log_.append(u"progress "_s + text); }
    void setTimetableVisible(bool visible) override { log_.append(u"timetable %1"_s.arg(visible)); }

private:
    QStringList& log_;
};

// Asks to stop the run when pending events have run `after` times.
class StoppingStatus : public LoggingStatus
{
public:
    StoppingStatus(QStringList& log, int after) : LoggingStatus(log), after_(after) {}
    bool stopRequested() override { return ++asked >= after_; }
    int asked = 0;

private:
    int after_;
};

// Every cell text of a grid, row by row.
QStringList textsOf(const model::Grid& grid)
{
    QStringList texts;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            texts.append(grid.text({r, c}));
    return texts;
}

// Per class row: how often each lesson text stands in it.
QMap<QString, int> lessonCounts(const model::Grid& grid, int row)
{
    QMap<QString, int> counts;
    for (int c = 1; c < grid.columnCount(); ++c)
        if (!grid.text({row, c}).isEmpty())
            ++counts[grid.text({row, c})];
    return counts;
}

// What the plan asks of a class: each lesson text with its periods.
QMap<QString, int> plannedLessons(const Workspace& ws, int classIndex)
{
    QMap<QString, int> counts;
    const int courses = int(ws.school.courses.size());
    for (int k = 0; k < courses; ++k) {
        const int row = school::planRow(classIndex, k, courses);
        const QString& teacher = ws.school.plan.text({row, school::TeacherColumn});
        const QString& course = ws.school.plan.text({row, school::CourseColumn});
        const int periods = ws.school.plan.text({row, school::PeriodsColumn}).toInt();
        if (periods > 0)
            counts[teacher.isEmpty() ? course : lesson(course, teacher)] += periods;
    }
    return counts;
}

// Generated schools of nine courses, five days of seven periods.
bench::SchoolShape fiveDayShape(int classes)
{
    bench::SchoolShape shape;
    shape.classes = classes;
    shape.courses = 9;
    shape.days = 5;
    shape.morningPeriods = 4;
    shape.afternoonPeriods = 3;
    shape.eveningPeriods = 0;
    return shape;
}

} // namespace

class TestSchedulingRun : public QObject
{
    Q_OBJECT

    Workspace ws;

private slots:
    void theWindowFollowsTheRunAndProblemsAreToldAfterTheClosingMessage()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s, u"数学"_s}, 3, 2, 5);
        test::setPlan(ws, 0, 0, {u"张三"_s, 4, true});
        test::setPlan(ws, 1, 0, {u"张三"_s, 4, true});
        ws.school.fixedLessons = {u"Z 语文 1 1"_s};
        ws.session.periodsPerDay = 0; // recomputed by the run
        LoggingUi ui;
        LoggingStatus status(ui.log);
        QObject listening;
        QObject::connect(&ws.notifier, &Notifier::conflictsChanged, &listening,
                         [&log = ui.log] { log.append(u"conflicts"_s); });
        test::ScriptedRandom random({}, 4);
        runScheduling(ws, ui, random, status);
        QCOMPARE(ui.tabsShown, QList<MainTab>{MainTab::Scheduling});
        QCOMPARE(ui.log,
                 (QStringList{u"enabled 0"_s, u"thinking 1"_s, u"timetable 0"_s,
                              u"progress "_s + FirstStepDone, u"progress "_s + SecondStepDone,
                              u"progress "_s + ThirdStepDone, u"conflicts"_s, u"enabled 1"_s,
                              u"message "_s + RunFinished, u"thinking 0"_s, u"progress "_s,
                              u"timetable 1"_s,
                              u"message "_s + problemMessages(RunProblems{{u"x"_s}, {}, {}, {}, {}})
                                                  .first()
                                                  .section(u'\n', 0, 0)}));
        QVERIFY(ui.messages.last().prompt.contains(u"Z 语文 1 1"_s));
        QCOMPARE(ws.session.periodsPerDay, 5);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 26);
        QCOMPARE(ws.school.masterTimetable.text({2, 0}), u"A"_s);
        QCOMPARE(ws.school.masterTimetable.cell({2, 0}).alignment,
                 model::CellAlignment::CenterCenter);
        const TimetableCount count = countTimetable(ws);
        QCOMPARE(count.lessons_placed, 8);
        QCOMPARE(count.double_bookings, 0);
    }

    // What the rules make impossible is told once, before the window is disabled.
    void rulesThatCannotHoldAreToldFirst()
    {
        test::makeSchool(ws, {u"A"_s}, {u"语文"_s}, 1, 2, 5);
        test::setPlan(ws, 0, 0, {u"张三"_s, 3, false});
        for (int day = 1; day <= 5; ++day)
            for (int period = 1; period <= 3; ++period)
                if (day + period > 2)
                    ws.school.rules.teacherUnavailable.push_back({u"张三"_s, day, period});
        LoggingUi ui;
        LoggingStatus status(ui.log);
        test::ScriptedRandom random({}, 4);
        runScheduling(ws, ui, random, status);
        QVERIFY2(ui.log.first().startsWith(u"message 以下排课规则无法全部满足"_s),
                 qPrintable(ui.log.first()));
        QCOMPARE(ui.log.at(1), u"enabled 0"_s);
    }

    // A run is one step of the history: undone, the timetable as the run found it comes back
    // whole, with its styles and conflict list but without a pick's colours, and the changes
    // made by hand before it can still be undone. The status bar tells when hand work was
    // replaced.
    void aRunIsOneStepOfTheHistoryAndKeepsTheOlderSteps()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s, u"数学"_s}, 3, 2, 5);
        // 张三 has more lessons than the week has periods: double bookings stay.
        test::setPlan(ws, 0, 0, {u"张三"_s, 14, true});
        test::setPlan(ws, 1, 0, {u"张三"_s, 14, true});
        test::setPlan(ws, 0, 1, {u"李四"_s, 5, false});
        ws.school.fixedLessons = {u"B 数学 1 1"_s};
        test::setPlan(ws, 1, 1, {u"王五"_s, 1, false});
        test::FakeUiPort ui;
        QStringList log;
        LoggingStatus status(log);
        test::ScriptedRandom first({}, 4);
        runScheduling(ws, ui, first, status);
        QVERIFY(ui.statuses.isEmpty());
        model::Grid& grid = ws.school.masterTimetable;
        grid.setTextStyle({2, 3}, model::CheckedMark);
        const model::Grid firstRun = grid;

        const int free = [&] {
            for (int c = 2; c < grid.columnCount(); ++c)
                if (grid.text({2, c}) != grid.text({2, 1}))
                    return c;
            return -1;
        }();
        adjust::swapLessons(ws, {2, 1}, {2, free});
        const model::Grid handAdjusted = grid;
        const model::Conflicts conflicts = ws.session.conflicts;
        QVERIFY(!conflicts.empty());
        grid.setBackColour({2, 5}, model::PickedColour);

        test::ScriptedRandom second({}, 9);
        runScheduling(ws, ui, second, status);
        QCOMPARE(ui.statuses, QStringList{RescheduledMessage});
        QCOMPARE(ws.session.history.undoCaption(), RunCaption);
        const model::Grid secondRun = grid;

        const auto sameCells = [&grid](const model::Grid& expected) {
            for (int r = 0; r < expected.rowCount(); ++r)
                for (int c = 0; c < expected.columnCount(); ++c)
                    if (grid.text({r, c}) != expected.text({r, c}) ||
                        grid.cell({r, c}).style != expected.cell({r, c}).style ||
                        grid.cell({r, c}).backColour != model::StandardColour)
                        return false;
            return grid.sameTexts(expected);
        };
        QVERIFY(adjust::undoHandChange(ws, ui));
        QVERIFY(sameCells(handAdjusted));
        QCOMPARE(ws.session.conflicts, conflicts);
        QVERIFY(adjust::undoHandChange(ws, ui)); // the swap before the run
        QVERIFY(sameCells(firstRun));
        QVERIFY(adjust::undoHandChange(ws, ui)); // the first run
        QVERIFY(!ws.session.history.canUndo());
        QVERIFY(adjust::redoHandChange(ws, ui) && adjust::redoHandChange(ws, ui) &&
                adjust::redoHandChange(ws, ui));
        QVERIFY(sameCells(secondRun));
    }

    void generatedSchoolsGetExactlyTheirPlannedLessons()
    {
        for (const int classes : {12, 40}) {
            bench::generateSchool(ws, fiveDayShape(classes));
            ws.school.fixedLessons.clear();
            ws.school.combinedGroups.reset();
            test::FakeUiPort ui;
            test::ScriptedRandom random({}, quint64(classes));
            const RunProblems problems = scheduleTimetable(ws, ui, random);
            QVERIFY(problems.empty());
            for (int i = 0; i < classes; ++i)
                QCOMPARE(lessonCounts(ws.school.masterTimetable, i + 2), plannedLessons(ws, i));
            const TimetableCount count = countTimetable(ws);
            QCOMPARE(count.classes, classes);
            QCOMPARE(count.slots_per_week, 35);
            QCOMPARE(count.lessons_placed, count.periods_planned);
            QCOMPARE(count.unplaced, 0);
            QCOMPARE(count.conflict_entries_left, int(ws.session.conflicts.size()));
        }
    }

    // Each class course of 4 periods or more gets its double period, no course stands more
    // often in a day than its maximum, and every class still gets exactly its lessons.
    void theDailyRulesHoldInAGeneratedSchool()
    {
        const bench::SchoolShape shape = fiveDayShape(40);
        bench::generateSchool(ws, shape);
        bench::addDailyRules(ws.school);
        QVERIFY(ws.school.rules.doublePeriods.size() > 40);
        test::FakeUiPort ui;
        test::ScriptedRandom random({}, 5);
        scheduleTimetable(ws, ui, random);
        const conditions::RuleCounts counts = countRules(ws.school, 7);
        QCOMPARE(counts.violationTotal(), 0);
        for (int i = 0; i < shape.classes; ++i)
            QCOMPARE(lessonCounts(ws.school.masterTimetable, i + 2), plannedLessons(ws, i));
    }

    void fixedCombinedAndTeacherlessLessonsEachAppearAsPlanned()
    {
        const QChar separator(0xF8F5);
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"语文"_s, u"数学"_s, u"班会"_s, u"体育"_s},
                         4, 3, 5);
        for (int i = 0; i < 3; ++i) {
            test::setPlan(ws, i, 0, {u"张%1"_s.arg(i), 8, true});
            test::setPlan(ws, i, 1, {u"王%1"_s.arg(i), 8, true});
            test::setPlan(ws, i, 2, {QString(), 2, false});
            test::setPlan(ws, i, 3, {u"刘老师"_s, 3, false});
        }
        // 体育 of A and B is taught together by one teacher.
        const int group = ws.school.combinedGroups.addChild(0, u"合班课1"_s, u"合班课1"_s);
        ws.school.combinedGroups.addChild(group, u"1nkey"_s, u"A"_s + separator + u"体育"_s);
        ws.school.combinedGroups.addChild(group, u"2nkey"_s, u"B"_s + separator + u"体育"_s);
        ws.school.fixedLessons = {u"A 班会 5 7"_s, u"B 语文 1 1"_s, u"C 空课 3 3"_s};
        // A's double period of 体育 is the whole group's.
        ws.school.rules.doublePeriods = {{u"A"_s, u"体育"_s, 1}};
        test::FakeUiPort ui;
        test::ScriptedRandom random({}, 1);
        const RunProblems problems = scheduleTimetable(ws, ui, random);
        QVERIFY(problems.empty());
        for (int i = 0; i < 3; ++i) {
            QMap<QString, int> expected = plannedLessons(ws, i);
            if (i == 2)
                expected[model::FreePeriodText] = 1;
            QCOMPARE(lessonCounts(ws.school.masterTimetable, i + 2), expected);
        }
        QCOMPARE(ws.school.masterTimetable.text({2, 35}), u"班会"_s);
        QCOMPARE(ws.school.masterTimetable.cell({2, 35}).style, model::FixedMark);
        QCOMPARE(ws.school.masterTimetable.text({4, 17}), model::FreePeriodText);
        // The combined lessons share their slots and do not count as double bookings.
        for (int c = 1; c < ws.school.masterTimetable.columnCount(); ++c)
            QCOMPARE(ws.school.masterTimetable.text({2, c}) == lesson(u"体育"_s, u"刘老师"_s),
                     ws.school.masterTimetable.text({3, c}) == lesson(u"体育"_s, u"刘老师"_s));
        QCOMPARE(ws.school.plan.text({school::planRow(0, 3, 4), school::PeriodsColumn}), u"3"_s);
        QCOMPARE(countRules(ws.school, 7).violationTotal(), 0);
    }

    // Stopped in any stage, the run leaves the timetable, the plan, the conflict list and the
    // modified flag as they were before it, and says so instead of the closing message.
    void aStoppedRunLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<int>("after");
        QTest::newRow("first stage") << 1;
        QTest::newRow("second stage") << 40;
        QTest::newRow("third stage") << 2000;
    }
    void aStoppedRunLeavesEverythingAsItWas()
    {
        QFETCH(int, after);
        bench::SchoolShape shape;
        shape.classes = 60;
        shape.classesPerTeacher = 7;
        shape.load = 0.97;
        bench::generateSchool(ws, shape);
        ws.school.fixedLessons = {ws.school.classes.at(0) + u" 语文 1 1"_s,
                                  ws.school.classes.at(1) + u" 空课 2 2"_s};
        LoggingUi ui;
        SeededRandom first(1);
        scheduleTimetable(ws, ui, first);
        ws.markSaved();
        const QStringList timetable = textsOf(ws.school.masterTimetable);
        const QStringList plan = textsOf(ws.school.plan);
        const model::Conflicts conflicts = ws.session.conflicts;
        QVERIFY(!conflicts.empty());

        StoppingStatus status(ui.log, after);
        SeededRandom second(2);
        runScheduling(ws, ui, second, status);
        QCOMPARE(status.asked, after);
        QVERIFY(ui.log.contains(u"message "_s + RunStopped));
        QVERIFY(!ui.log.contains(u"message "_s + RunFinished));
        QCOMPARE(textsOf(ws.school.masterTimetable), timetable);
        QCOMPARE(textsOf(ws.school.plan), plan);
        QCOMPARE(ws.session.conflicts, conflicts);
        QVERIFY(!ws.session.modified);
        QVERIFY(!ws.session.history.canUndo());
    }

    void theFiguresCountClashesButNotCombinedClassesOrFreePeriods()
    {
        const QChar separator(0xF8F5);
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"语文"_s, u"体育"_s}, 2, 0, 1);
        test::setPlan(ws, 0, 0, {u"张三"_s, 2, true});
        test::setPlan(ws, 1, 1, {u"刘老师"_s, 1, false});
        const int group = ws.school.combinedGroups.addChild(0, u"合班课1"_s, u"合班课1"_s);
        ws.school.combinedGroups.addChild(group, u"1nkey"_s, u"A"_s + separator + u"体育"_s);
        ws.school.combinedGroups.addChild(group, u"2nkey"_s, u"B"_s + separator + u"体育"_s);
        ws.school.masterTimetable.setText({2, 1}, lesson(u"体育"_s, u"刘老师"_s));
        ws.school.masterTimetable.setText({3, 1}, lesson(u"体育"_s, u"刘老师"_s));
        ws.school.masterTimetable.setText({2, 2}, lesson(u"语文"_s, u"张三"_s));
        ws.school.masterTimetable.setText({3, 2}, lesson(u"数学"_s, u"张三"_s));
        ws.school.masterTimetable.setText({4, 2}, lesson(u"英语"_s, u"张三"_s));
        ws.school.masterTimetable.setText({4, 1}, model::FreePeriodText);
        ws.school.masterTimetable.setText({5, 1},
                                          model::FreePeriodText); // outside the timetable: ignored
        ws.session.conflicts = {{{2, 2}, u"B"_s, u"x"_s, {}}};
        const TimetableCount count = countTimetable(ws);
        QCOMPARE(count.classes, 3);
        QCOMPARE(count.slots_per_week, 2);
        QCOMPARE(count.periods_planned, 3);
        QCOMPARE(count.lessons_placed, 5);
        QCOMPARE(count.unplaced, 1 + 0 + 0); // A holds one 语文 of two; its 体育 is no 语文
        QCOMPARE(count.double_bookings, 1);
        QCOMPARE(count.conflict_entries_left, 1);
        ws.school.masterTimetable.setText({4, 1},
                                          lesson(u"体育"_s, u"刘老师"_s)); // C is not in the group
        ws.school.masterTimetable.setText({2, 2}, QString());
        const TimetableCount second = countTimetable(ws);
        QCOMPARE(second.double_bookings, 2);
        QCOMPARE(second.unplaced, 2);
    }
};

QTEST_GUILESS_MAIN(TestSchedulingRun)
#include "tst_schedulingrun.moc"
