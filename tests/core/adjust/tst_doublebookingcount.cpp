// The running count of double bookings must always equal a full count of the timetable, through
// single writes, batches under a suspended redraw, marks, combined groups and new layouts;
// and the teacher index read by bookings holds nobody in cells that book no teacher.
#include "../scheduler/schedulerfixture.h"

#include "adjust/doublebookingcount.h"
#include "conditions/combinedclasses.h"
#include "model/cellmarks.h"
#include "model/combinedlesson.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/doublebookings.h"
#include "scheduler/teacherindex.h"

#include <QSignalSpy>
#include <QTest>
#include <random>

using namespace orve;
using namespace Qt::StringLiterals;

class TestDoubleBookingCount : public QObject
{
    Q_OBJECT

    Workspace ws;

    model::Grid& grid() { return ws.school.masterTimetable; }
    int fullCount()
    {
        return scheduler::countDoubleBookings(grid(),
                                              scheduler::CombinedGroups(ws.school));
    }

private slots:
    void init()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s}, {u"体育"_s}, 4, 0, 2);
    }

    void cellsThatBookNoTeacherHoldNobody()
    {
        grid().setText({2, 1}, test::lesson(u"语文"_s, u"张三"_s));
        grid().setText({3, 1}, model::FreePeriodText);
        grid().setText({4, 1}, u"班会"_s);
        grid().setText({5, 1}, model::FreePeriodText);
        scheduler::TeacherIndex parts(grid());
        scheduler::TeacherIndex bookings(grid(), scheduler::CellReading::Bookings);
        // The run's reading: "空课" and the empty cells are busy like a teacher.
        QVERIFY(parts.busy(parts.teacherAt({3, 1}), 1, 3));
        QVERIFY(parts.swapConflict({2, 2}, {2, 1}) != 0);
        for (int r = 3; r <= 6; ++r)
            QCOMPARE(bookings.teacherAt({r, 1}), scheduler::TeacherIndex::Nobody);
        QVERIFY(!bookings.busy(scheduler::TeacherIndex::Nobody, 1));
        QCOMPARE(bookings.swapConflict({2, 2}, {2, 1}), 0);
        QCOMPARE(bookings.teacherAt({2, 1}), bookings.teacherId(u"张三"));

        grid().setText({6, 1}, test::lesson(u"数学"_s, u"张三"_s));
        bookings.reread({6, 1});
        QCOMPARE(bookings.firstRow(bookings.teacherId(u"张三"), 1, 2), std::optional<int>(6));
    }

    void followsEveryChangeAsAFullCountWould()
    {
        conditions::addToGroup(ws.school.combinedGroups, u"1"_s,
                               model::combinedLessonEntry(u"A", u"体育"));
        conditions::addToGroup(ws.school.combinedGroups, u"1"_s,
                               model::combinedLessonEntry(u"B", u"体育"));
        emit ws.notifier.conditionsChanged();
        adjust::DoubleBookingCount count(ws);
        QSignalSpy changed(&count, &adjust::DoubleBookingCount::changed);
        const QStringList texts = {QString(),
                                   model::FreePeriodText,
                                   u"班会"_s,
                                   test::lesson(u"体育"_s, u"赵六"_s),
                                   test::lesson(u"语文"_s, u"赵六"_s),
                                   test::lesson(u"数学"_s, u"王芳"_s),
                                   test::lesson(u"英语"_s, u"李四"_s)};
        std::mt19937 draw(3);
        const auto any = [&draw](int n) { return int(draw() % unsigned(n)); };
        const auto cell = [&]() { return model::CellRef{2 + any(5), 1 + any(8)}; };
        for (int step = 0; step < 400; ++step) {
            switch (any(4)) {
            case 0:
                grid().setText(cell(), texts.at(any(int(texts.size()))));
                break;
            case 1:
                grid().swapCells(cell(), cell());
                break;
            case 2: {
                model::RedrawSuspender batch(grid());
                for (int k = 0; k < 6; ++k)
                    grid().setText(cell(), texts.at(any(int(texts.size()))));
                break;
            }
            default:
                grid().setBackColour(cell(), model::SwappableColour);
                break;
            }
            QCOMPARE(count.count(), fullCount());
        }
        QVERIFY(count.count() > 0 || !changed.isEmpty());

        // The same teacher with another course leaves the group's lesson: now a double booking,
        // and A's 体育 is the group's lesson without B: split.
        grid().clearRange(2, 1, 6, 8);
        grid().setText({2, 1}, test::lesson(u"体育"_s, u"赵六"_s));
        grid().setText({3, 1}, test::lesson(u"体育"_s, u"赵六"_s));
        QCOMPARE(count.count(), 0);
        QCOMPARE(count.splits(), 0);
        grid().setText({3, 1}, test::lesson(u"语文"_s, u"赵六"_s));
        QCOMPARE(count.count(), 1);
        QCOMPARE(count.splits(), 1);

        // A class renamed in the name column changes which lessons are taught together.
        grid().setText({2, 1}, test::lesson(u"体育"_s, u"赵六"_s));
        grid().setText({3, 1}, test::lesson(u"体育"_s, u"赵六"_s));
        grid().setText({2, 0}, u"F"_s);
        QCOMPARE(count.count(), fullCount());
        grid().setText({2, 0}, u"A"_s);
        QCOMPARE(count.count(), fullCount());

        // Other groups, another school and a new layout are counted afresh.
        ws.school.combinedGroups.reset();
        emit ws.notifier.conditionsChanged();
        QCOMPARE(count.count(), fullCount());
        school::layOutEmptyMasterTimetable(ws);
        QCOMPARE(count.count(), 0);
        model::School other = ws.school;
        other.masterTimetable.setText({2, 3}, test::lesson(u"语文"_s, u"王芳"_s));
        other.masterTimetable.setText({4, 3}, test::lesson(u"数学"_s, u"王芳"_s));
        ws.replaceSchool(other);
        QCOMPARE(count.count(), 1);
        QCOMPARE(count.splits(), 0);
    }

    // A lesson in a period its teacher cannot teach is counted beside the double bookings.
    void countsRuleViolations()
    {
        adjust::DoubleBookingCount count(ws);
        QCOMPARE(count.text(), u"重课 0 处"_s);
        QSignalSpy changed(&count, &adjust::DoubleBookingCount::changed);
        ws.school.rules.teacherUnavailable = {{u"王芳"_s, 1, 1}};
        emit ws.notifier.conditionsChanged();
        QCOMPARE(changed.size(), 1); // the text now names the violations too
        QCOMPARE(count.text(), u"重课 0 处，违规 0 处"_s);
        grid().setText({2, 1}, test::lesson(u"语文"_s, u"王芳"_s));
        QCOMPARE(count.violations(), 1);
        QCOMPARE(count.text(), u"重课 0 处，违规 1 处"_s);
        grid().setText({2, 2}, grid().text({2, 1}));
        grid().setText({2, 1}, QString());
        QCOMPARE(count.violations(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDoubleBookingCount)
#include "tst_doublebookingcount.moc"
