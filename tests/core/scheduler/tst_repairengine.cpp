// The repair engine on the open timetable outside a scheduling run, and the one definition of
// a double booking it repairs: a combined group taught together is one lesson.
#include "fakeuiport.h"
#include "schedulerfixture.h"

#include "conditions/combinedclasses.h"
#include "model/combinedlesson.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/doublebookings.h"
#include "scheduler/repairengine.h"
#include "scheduler/teacherindex.h"

#include <QTest>
#include <algorithm>

using namespace orve;
using namespace orve::scheduler;
using namespace Qt::StringLiterals;
using test::lesson;

class TestRepairEngine : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;

    void put(int row, int column, const QString& course, const QString& teacher)
    {
        ws.school.masterTimetable.setText({row, column}, lesson(course, teacher));
    }

private slots:
    void init()
    {
        // Three classes (rows 2 to 4), one day of four periods.
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"语文"_s}, 4, 0, 1);
    }

    // 张三 teaches A and B in period 1; A's row has a free period and other lessons. The
    // chain repairs it without a run, every class keeps its lessons, and the journalled
    // exchanges undo and redo it exactly as one step of the history.
    void repairsOutsideARunAndItsExchangesUndo()
    {
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"数学"_s, u"王芳"_s);
        put(2, 3, u"英语"_s, u"李四"_s);
        put(3, 1, u"物理"_s, u"张三"_s);
        put(3, 2, u"化学"_s, u"李四"_s);
        put(4, 3, u"历史"_s, u"王芳"_s);
        const model::Grid before = ws.school.masterTimetable;
        TeacherIndex index(ws.school.masterTimetable);
        std::vector<CellExchange> journal;
        index.setJournal(&journal);
        const CombinedGroups groups(ws.school);
        SeededRandom random(7);
        RepairEngine engine(index, groups, random, ui, RepairBudget::forColumns(index.columns()));
        QVERIFY(engine.hasClash({2, 1}));
        QVERIFY(engine.repair({2, 1}));
        QCOMPARE(countDoubleBookings(ws.school.masterTimetable, groups), 0);
        for (int r = 2; r <= 4; ++r)
            QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, r),
                     test::lessonsOfRow(before, r));
        QVERIFY(!journal.empty());

        const model::Grid repaired = ws.school.masterTimetable;
        model::ExchangeHistory history;
        history.record({u"强行调课"_s, journal});
        QVERIFY(history.undo(ws.school.masterTimetable));
        for (int r = 2; r <= 4; ++r)
            for (int c = 1; c <= 4; ++c)
                QCOMPARE(ws.school.masterTimetable.text({r, c}), before.text({r, c}));
        QVERIFY(!history.canUndo() && history.canRedo());
        QVERIFY(history.redo(ws.school.masterTimetable));
        for (int r = 2; r <= 4; ++r)
            for (int c = 1; c <= 4; ++c)
                QCOMPARE(ws.school.masterTimetable.text({r, c}), repaired.text({r, c}));
    }

    // The classes of one combined group in one slot share their teacher without a double
    // booking; a second group of the same teacher in that slot is one.
    void aCombinedGroupTaughtTogetherIsOneLesson()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"体育"_s}, 4, 0, 1);
        conditions::addToGroup(ws.school.combinedGroups, u"1"_s,
                               model::combinedLessonEntry(u"A", u"体育"));
        conditions::addToGroup(ws.school.combinedGroups, u"1"_s,
                               model::combinedLessonEntry(u"B", u"体育"));
        put(2, 1, u"体育"_s, u"赵六"_s);
        put(3, 1, u"体育"_s, u"赵六"_s);
        const CombinedGroups groups(ws.school);
        TeacherIndex index(ws.school.masterTimetable);
        QCOMPARE(countDoubleBookings(ws.school.masterTimetable, groups), 0);
        QVERIFY(!isDoubleBooked(index, groups, {2, 1}));

        put(4, 1, u"体育"_s, u"赵六"_s);
        const TeacherIndex again(ws.school.masterTimetable);
        QCOMPARE(countDoubleBookings(ws.school.masterTimetable, groups), 1);
        QVERIFY(isDoubleBooked(again, groups, {2, 1}));
        QVERIFY(isDoubleBooked(again, groups, {4, 1}));
        // A free period or a lesson without a teacher books nobody.
        QVERIFY(!isDoubleBooked(again, groups, {2, 2}));
    }

    // Lessons by group number, on random groups that overlap: a row's lesson is taught with
    // the rows whose entry the same group names first, found here by reading the tree as text.
    void groupNumbersGiveTheLessonsTheTreeGives()
    {
        const QStringList classes = {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s};
        const QStringList courses = {u"体育"_s, u"音乐"_s, u"美术"_s};
        test::makeSchool(ws, classes, courses, 4, 0, 1);
        SeededRandom random(11);
        const auto pick = [&](const QStringList& names) {
            return names.at(int(random.next() * double(names.size())));
        };
        for (int trial = 0; trial < 200; ++trial) {
            ws.school.combinedGroups.reset();
            for (int member = 0; member < 8; ++member)
                conditions::addToGroup(ws.school.combinedGroups,
                                       QString::number(1 + int(random.next() * 3.0)),
                                       model::combinedLessonEntry(pick(classes), pick(courses)));
            model::Grid& grid = ws.school.masterTimetable;
            std::vector<int> rows;
            for (int r = 2; r < 2 + int(classes.size()); ++r) {
                grid.setText({r, 1}, lesson(pick(courses), u"赵六"_s));
                if (random.next() < 0.7)
                    rows.push_back(r);
            }
            // The first group naming a row's entry, where no earlier member names its class.
            const model::CombinedTree& tree = ws.school.combinedGroups;
            const auto groupOfRow = [&](int r) {
                const QString className = grid.text({r, 0});
                const QString entry =
                    model::combinedLessonEntry(className, model::coursePart(grid.text({r, 1})));
                QStringList taken;
                for (const int g : tree.children(0)) {
                    QStringList classesOfGroup;
                    for (const int m : tree.children(g)) {
                        const QString& text = tree.node(m).text;
                        const QString memberClass = text.left(text.indexOf(QChar(0xF8F5)));
                        if (classesOfGroup.contains(memberClass) || taken.contains(text))
                            continue;
                        classesOfGroup.append(memberClass);
                        taken.append(text);
                        if (text == entry)
                            return g;
                    }
                }
                return -1;
            };
            std::vector<std::vector<int>> expected;
            std::vector<int> groupOfLesson;
            for (const int r : rows) {
                const int g = groupOfRow(r);
                const auto found = std::find(groupOfLesson.begin(), groupOfLesson.end(), g);
                if (g >= 0 && found != groupOfLesson.end()) {
                    expected[std::size_t(found - groupOfLesson.begin())].push_back(r);
                    continue;
                }
                groupOfLesson.push_back(g);
                expected.push_back({r});
            }
            QCOMPARE(lessonsOf(grid, rows, 1, CombinedGroups(ws.school)), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestRepairEngine)
#include "tst_repairengine.moc"
