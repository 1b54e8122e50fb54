// The third stage: clashes that have gone, clean exchanges within a class row, the fixed mark
// (never a partner, never moved: the other lesson of the clash moves), the forced chain of
// repairByChain through another class, and whole runs that keep every class's lessons.
#include "schedulerfixture.h"

#include "fakeuiport.h"
#include "model/cellmarks.h"
#include "placementscans.h"
#include "scheduler/conflictlist.h"
#include "scheduler/placementtests.h"
#include "scheduler/runcontext.h"
#include "scheduler/secondstage.h"
#include "scheduler/thirdstage.h"

#include <QTest>

using namespace orve;
using namespace orve::scheduler;
using namespace Qt::StringLiterals;
using test::lesson;

class TestThirdStage : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;

    // Three classes, one day of three periods: slot columns 1 to 3.
    void smallSchool() { test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"语文"_s}, 3, 0, 1); }

    void put(int row, int column, const QString& course, const QString& teacher, bool fixed = false)
    {
        ws.school.masterTimetable.setText({row, column}, lesson(course, teacher));
        ws.school.masterTimetable.setTextStyle({row, column},
                                               fixed ? model::FixedMark : model::TextStyle::Flat);
    }

    void entries(const QList<std::pair<int, int>>& places)
    {
        ws.session.conflicts.clear();
        for (const auto& [row, column] : places)
            ws.session.conflicts.push_back({{row, column},
                                            ws.school.masterTimetable.text({row, 0}),
                                            ws.school.masterTimetable.text({row, column}),
                                            {}});
    }

    bool clashAt(int row, int column) const
    {
        return test::scannedOtherRowWithTeacher(
                   ws.school.masterTimetable,
                   model::teacherPart(ws.school.masterTimetable.text({row, column})), column, row)
            .has_value();
    }

private slots:
    void init() { smallSchool(); }

    void aClashThatHasGoneIsRemovedWithoutDraws()
    {
        put(2, 1, u"语文"_s, u"张三"_s);
        put(3, 1, u"数学"_s, u"王芳"_s);
        entries({{3, 1}, {2, 1}});
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        repairByExchanges(ctx);
        QVERIFY(ws.session.conflicts.empty());
        QCOMPARE(random.draws, 0);
    }

    void clzkExchangesCleanlyAndNeverWithAFixedPartner()
    {
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"数学"_s, u"王芳"_s);
        put(2, 3, u"英语"_s, u"李四"_s, true);
        put(3, 1, u"物理"_s, u"张三"_s);
        put(3, 2, u"化学"_s, u"赵六"_s);
        put(3, 3, u"生物"_s, u"钱七"_s);
        // The fixed lesson in column 3 would be a clean partner; it is drawn first and passed.
        test::ScriptedRandom random({test::drawFor(3, 1, 3), test::drawFor(2, 1, 3)});
        RunContext ctx(ws, ui, random);
        QVERIFY(ctx.repair.exchangeCleanly({2, 1}));
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), lesson(u"数学"_s, u"王芳"_s));
        QCOMPARE(ws.school.masterTimetable.text({2, 2}), lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(ws.school.masterTimetable.text({2, 3}), lesson(u"英语"_s, u"李四"_s));
        QCOMPARE(ws.school.masterTimetable.cell({2, 3}).style, model::FixedMark);
        QCOMPARE(random.draws, 2);
        QVERIFY(!clashAt(2, 2) && !clashAt(3, 1));
    }

    void clzkGivesUpAfterItsDraws()
    {
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"数学"_s, u"张三"_s);
        put(2, 3, u"英语"_s, u"张三"_s);
        put(3, 1, u"物理"_s, u"张三"_s);
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        QVERIFY(!ctx.repair.exchangeCleanly({2, 1}));
        // Draws 0 .. 4 x columns + 1.
        QCOMPARE(random.draws, 4 * ws.school.masterTimetable.columnCount() + 2);
    }

    void aFixedLessonIsNeverMovedTheOtherLessonOfTheClashIs()
    {
        put(2, 1, u"语文"_s, u"张三"_s, true);
        put(2, 2, u"数学"_s, u"王芳"_s);
        put(3, 1, u"物理"_s, u"张三"_s);
        put(3, 2, u"化学"_s, u"赵六"_s);
        for (const bool intelligent : {false, true}) {
            init();
            put(2, 1, u"语文"_s, u"张三"_s, true);
            put(2, 2, u"数学"_s, u"王芳"_s);
            put(3, 1, u"物理"_s, u"张三"_s);
            put(3, 2, u"化学"_s, u"赵六"_s);
            // The fixed lesson is the recorded lesson of the first entry.
            entries({{2, 1}});
            test::ScriptedRandom random({}, 11);
            RunContext ctx(ws, ui, random);
            intelligent ? repairByChains(ctx) : repairByExchanges(ctx);
            QVERIFY(ws.session.conflicts.empty());
            QCOMPARE(ws.school.masterTimetable.text({2, 1}), lesson(u"语文"_s, u"张三"_s));
            QCOMPARE(ws.school.masterTimetable.cell({2, 1}).style, model::FixedMark);
            QCOMPARE(ws.school.masterTimetable.text({2, 2}), lesson(u"数学"_s, u"王芳"_s));
            QCOMPARE(ws.school.masterTimetable.text({3, 2}), lesson(u"物理"_s, u"张三"_s));
            QVERIFY(!clashAt(2, 1));
        }
    }

    void twoFixedLessonsOfOneClashStay()
    {
        put(2, 1, u"语文"_s, u"张三"_s, true);
        put(2, 2, u"数学"_s, u"王芳"_s);
        put(3, 1, u"物理"_s, u"张三"_s, true);
        put(3, 2, u"化学"_s, u"赵六"_s);
        entries({{2, 1}, {3, 1}});
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        repairByExchanges(ctx);
        repairByChains(ctx);
        QCOMPARE(ws.session.conflicts.size(), std::size_t(2));
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(ws.school.masterTimetable.text({3, 1}), lesson(u"物理"_s, u"张三"_s));
        QCOMPARE(random.draws, 0);
    }

    void combinedClassesStayTogetherAndAreNoClash()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"体育"_s}, 3, 0, 1);
        const int group = ws.school.combinedGroups.addChild(0, u"合班课1"_s, u"合班课1"_s);
        ws.school.combinedGroups.addChild(group, u"1nkey"_s, u"A"_s + QChar(0xF8F5) + u"体育"_s);
        ws.school.combinedGroups.addChild(group, u"2nkey"_s, u"B"_s + QChar(0xF8F5) + u"体育"_s);
        put(2, 1, u"体育"_s, u"刘老师"_s, true);
        put(3, 1, u"体育"_s, u"刘老师"_s, true);
        put(2, 2, u"语文"_s, u"王芳"_s);
        put(3, 2, u"语文"_s, u"李四"_s);
        put(4, 1, u"数学"_s, u"刘老师"_s);
        put(4, 2, u"语文"_s, u"张三"_s);
        // As the second stage records it: the combined lesson first, then the new lesson.
        entries({{2, 1}, {4, 1}});
        test::ScriptedRandom random({}, 2);
        RunContext ctx(ws, ui, random);
        repairByExchanges(ctx);
        QVERIFY(ws.session.conflicts.empty());
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), lesson(u"体育"_s, u"刘老师"_s));
        QCOMPARE(ws.school.masterTimetable.text({3, 1}), lesson(u"体育"_s, u"刘老师"_s));
        QVERIFY(ws.school.masterTimetable.text({4, 1}) != lesson(u"数学"_s, u"刘老师"_s));
        QVERIFY(test::lessonsOfRow(ws.school.masterTimetable, 4)
                    .contains(lesson(u"数学"_s, u"刘老师"_s)));
        // Alone, the group's lesson is no clash to repair: nothing is drawn.
        entries({{3, 1}});
        repairByChains(ctx);
        QVERIFY(ws.session.conflicts.empty());
    }

    void znclhsForcesTheClashIntoAnotherClassAndRepairsItThere()
    {
        // 张三 teaches A and C in column 1; C's lesson is fixed. In A, column 2 is the only
        // partner (column 3 has the same teacher), and 王芳 coming into column 1 clashes
        // with class B: no clean exchange, code 1.
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"数学"_s, u"王芳"_s);
        put(2, 3, u"英语"_s, u"张三"_s);
        put(3, 1, u"化学"_s, u"王芳"_s);
        put(3, 2, u"生物"_s, u"李四"_s);
        put(3, 3, u"音乐"_s, u"赵六"_s);
        put(4, 1, u"物理"_s, u"张三"_s, true);
        put(4, 2, u"历史"_s, u"钱七"_s);
        put(4, 3, u"地理"_s, u"孙八"_s);
        const QStringList before[] = {test::lessonsOfRow(ws.school.masterTimetable, 2),
                                      test::lessonsOfRow(ws.school.masterTimetable, 3),
                                      test::lessonsOfRow(ws.school.masterTimetable, 4)};
        entries({{4, 1}, {2, 1}});
        test::ScriptedRandom random({}, 5);
        RunContext ctx(ws, ui, random);
        repairByExchanges(ctx);
        QCOMPARE(ws.session.conflicts.size(), std::size_t(2));
        repairByChains(ctx);
        QVERIFY(ws.session.conflicts.empty());
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), lesson(u"数学"_s, u"王芳"_s));
        QCOMPARE(ws.school.masterTimetable.text({2, 2}), lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(ws.school.masterTimetable.text({2, 3}), lesson(u"英语"_s, u"张三"_s));
        QVERIFY(ws.school.masterTimetable.text({3, 1}) != lesson(u"化学"_s, u"王芳"_s));
        QCOMPARE(ws.school.masterTimetable.text({4, 1}), lesson(u"物理"_s, u"张三"_s));
        for (int r = 2; r <= 4; ++r) {
            QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, r), before[r - 2]);
            for (int c = 1; c <= 3; ++c)
                QVERIFY2(!clashAt(r, c), qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
        }
    }

    void aChainStopsWhenItsDrawsAreSpent()
    {
        // A's only partner (column 2) would double-book 张三, who teaches C there: code 2.
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"数学"_s, u"王芳"_s);
        put(2, 3, u"英语"_s, u"张三"_s);
        put(3, 1, u"物理"_s, u"张三"_s);
        put(4, 2, u"化学"_s, u"张三"_s);
        test::ScriptedRandom random({}, 3);
        RunContext ctx(ws, ui, random);
        QVERIFY(!ctx.repair.repairByChain({2, 1}));
        // Without a budget: 3 x columns draws, then one for every two counts up to 6 x columns.
        QVERIFY(random.draws > 12);
        random.draws = 0;
        RepairEngine limited(ctx.index, ctx.groups, random, ui, {5, 1000});
        QVERIFY(!limited.repairByChain({2, 1}));
        QCOMPARE(random.draws, 5);
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), lesson(u"语文"_s, u"张三"_s));
    }

    void theListEndsWithExactlyTheLessonsStillDoubleBooked()
    {
        put(2, 1, u"语文"_s, u"张三"_s);
        put(3, 1, u"数学"_s, u"张三"_s);
        ws.school.masterTimetable.setText({2, 2}, model::FreePeriodText);
        ws.school.masterTimetable.setText({3, 2}, model::FreePeriodText);
        ws.school.masterTimetable.setText({2, 3}, u"班会"_s);
        ws.school.masterTimetable.setText({3, 3}, u"班会"_s);
        put(4, 2, u"英语"_s, u"王芳"_s);
        entries({{4, 2}, {3, 1}, {3, 1}, {2, 2}});
        test::ScriptedRandom random;
        RunContext ctx(ws, ui, random);
        listRemainingClashes(ctx);
        QCOMPARE(ws.session.conflicts.size(), std::size_t(2));
        QCOMPARE(ws.session.conflicts.at(0).at, (model::CellRef{3, 1}));
        QCOMPARE(ws.session.conflicts.at(1).at, (model::CellRef{2, 1}));
        QCOMPARE(ws.session.conflicts.at(1).lesson, lesson(u"语文"_s, u"张三"_s));
    }

    void runsKeepEveryLessonOfEveryClassAndEveryFixedLessonInPlace()
    {
        const QStringList courses = {u"语文"_s, u"数学"_s, u"英语"_s,
                                     u"物理"_s, u"化学"_s, u"体育"_s};
        for (quint64 seed = 1; seed <= 6; ++seed) {
            test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s}, courses, 4, 3,
                             5);
            // Each teacher takes a course in two classes; 33 of 35 slots planned per class.
            for (int i = 0; i < 6; ++i)
                for (int k = 0; k < 6; ++k)
                    test::setPlan(ws, i, k, {u"T%1-%2"_s.arg(k).arg(i / 2), k < 3 ? 8 : 3, k < 3});
            ws.school.fixedLessons = {u"A 体育 1 3"_s, u"C 体育 2 3"_s, u"E 物理 3 1"_s,
                                      u"B 空课 5 7"_s};
            test::ScriptedRandom random({}, seed);
            RunContext ctx(ws, ui, random);
            placeFirstStage(ctx);
            QList<std::pair<int, int>> fixedCells;
            for (int r = 2; r < ws.school.masterTimetable.rowCount(); ++r)
                for (int c = 1; c < ws.school.masterTimetable.columnCount(); ++c)
                    if (ws.school.masterTimetable.cell({r, c}).style == model::FixedMark)
                        fixedCells.append({r, c});
            placeRemainingLessons(ctx);
            QVERIFY(!ws.session.conflicts.empty());
            QList<QStringList> before;
            QStringList fixedTexts;
            for (int r = 2; r < ws.school.masterTimetable.rowCount(); ++r)
                before.append(test::lessonsOfRow(ws.school.masterTimetable, r));
            for (const auto& [r, c] : fixedCells)
                fixedTexts.append(ws.school.masterTimetable.text({r, c}));
            repairByExchanges(ctx);
            repairByChains(ctx);
            for (int r = 2; r < ws.school.masterTimetable.rowCount(); ++r)
                QCOMPARE(test::lessonsOfRow(ws.school.masterTimetable, r), before.at(r - 2));
            for (qsizetype i = 0; i < fixedCells.size(); ++i) {
                const auto& [r, c] = fixedCells.at(i);
                QCOMPARE(ws.school.masterTimetable.text({r, c}), fixedTexts.at(i));
                QCOMPARE(ws.school.masterTimetable.cell({r, c}).style, model::FixedMark);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestThirdStage)
#include "tst_thirdstage.moc"
