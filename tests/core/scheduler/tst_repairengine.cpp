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
        const CombinedGroups groups(ws.school.combinedGroups);
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
        conditions::addToGroup(ws.school.combinedGroups, u"1"_s,
                               model::combinedLessonEntry(u"A", u"体育"));
        conditions::addToGroup(ws.school.combinedGroups, u"1"_s,
                               model::combinedLessonEntry(u"B", u"体育"));
        put(2, 1, u"体育"_s, u"赵六"_s);
        put(3, 1, u"体育"_s, u"赵六"_s);
        const CombinedGroups groups(ws.school.combinedGroups);
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

    // The numbered members give the lessons the names give: rows whose (class, course)
    // entries share a group, taken transitively, on random groups that overlap and share
    // members, against the entries compared as text.
    void numberedMembersAgreeWithTheEntries()
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
            // The entries of each group as text; rows join when their entries share a group.
            const model::CombinedTree& tree = ws.school.combinedGroups;
            const auto sameGroup = [&](int r1, int r2) {
                const QString e1 = model::combinedLessonEntry(grid.text({r1, 0}),
                                                              model::coursePart(grid.text({r1, 1})));
                const QString e2 = model::combinedLessonEntry(grid.text({r2, 0}),
                                                              model::coursePart(grid.text({r2, 1})));
                for (const int g : tree.children(0)) {
                    bool has1 = false, has2 = false;
                    for (const int m : tree.children(g)) {
                        has1 = has1 || tree.node(m).text == e1;
                        has2 = has2 || tree.node(m).text == e2;
                    }
                    if (has1 && has2)
                        return true;
                }
                return false;
            };
            std::vector<int> component(rows.size());
            for (std::size_t i = 0; i < rows.size(); ++i)
                component[i] = int(i);
            for (bool merged = true; merged;) {
                merged = false;
                for (std::size_t i = 0; i < rows.size(); ++i)
                    for (std::size_t j = 0; j < rows.size(); ++j)
                        if (component[j] > component[i] && sameGroup(rows[i], rows[j])) {
                            component[j] = component[i];
                            merged = true;
                        }
            }
            std::vector<std::vector<int>> expected;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (component[i] != int(i)) {
                    // Joined to an earlier row's lesson: find it by that row.
                    for (auto& lessonRows : expected)
                        if (std::find(lessonRows.begin(), lessonRows.end(),
                                      rows[std::size_t(component[i])]) != lessonRows.end())
                            lessonRows.push_back(rows[i]);
                    continue;
                }
                expected.push_back({rows[i]});
            }
            QCOMPARE(lessonsOf(grid, rows, 1, CombinedGroups(tree)), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestRepairEngine)
#include "tst_repairengine.moc"
