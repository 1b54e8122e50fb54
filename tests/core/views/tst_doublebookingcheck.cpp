// The double-booking check: which teacher is reported, which lessons end sunken, where the
// cursor stands, combined classes, the fixed mark, and the same outcome as the plain
// teacher-by-teacher scan on random timetables.
#include "viewsfixture.h"

#include "fakeuiport.h"
#include "model/cellmarks.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/doublebookings.h"
#include "scheduler/randomsource.h"
#include "scheduler/teacherindex.h"
#include "views/doublebookingcheck.h"

#include <QSignalSpy>
#include <QTest>

using namespace orve;
using model::TextStyle;
using namespace Qt::StringLiterals;

namespace {

bool anyChecked(const model::Grid& timetable)
{
    for (int r = model::FirstClassRow; r < timetable.rowCount(); ++r)
        for (int c = 1; c < timetable.columnCount(); ++c) {
            const TextStyle style = timetable.cell({r, c}).style;
            if (style == model::CheckedMark || style == model::CheckedFixedMark)
                return true;
        }
    return false;
}

// The check as the menu describes it, teacher by teacher: reset every cell, mark the teacher's
// lessons, scan the columns for two lessons; with nothing found, reset once more.
std::optional<views::DoubleBooking> plainCheck(model::Grid& timetable, const QStringList& teachers,
                                               const scheduler::CombinedGroups& groups)
{
    const auto reset = [&timetable] {
        model::clearMarks(timetable, {});
        for (int r = 2; r < timetable.rowCount(); ++r)
            for (int c = 1; c < timetable.columnCount(); ++c)
                timetable.setTextStyle({r, c}, model::uncheckedStyle(timetable.cell({r, c}).style));
    };
    const auto isLessonOf = [&timetable](int r, int c, const QString& teacher) {
        const QString& text = timetable.text({r, c});
        return scheduler::booksTeacher(text) && model::teacherPart(text) == teacher;
    };
    for (const QString& teacher : teachers) {
        reset();
        for (int r = 2; r < timetable.rowCount(); ++r)
            for (int c = 1; c < timetable.columnCount(); ++c)
                if (isLessonOf(r, c, teacher))
                    timetable.setTextStyle({r, c},
                                           model::checkedStyle(timetable.cell({r, c}).style));
        for (int c = 1; c < timetable.columnCount(); ++c) {
            std::vector<int> rows;
            for (int r = 2; r < timetable.rowCount(); ++r)
                if (isLessonOf(r, c, teacher))
                    rows.push_back(r);
            if (rows.size() > 1 && scheduler::lessonsTaught(timetable, rows, c, groups) > 1) {
                timetable.setCurrentCell({rows.front(), c});
                return views::DoubleBooking{teacher, c, rows};
            }
        }
    }
    reset();
    timetable.setCurrentCell({timetable.currentRow(), timetable.columnCount() - 1});
    return std::nullopt;
}

} // namespace

class TestDoubleBookingCheck : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;
    model::Grid& timetable = ws.school.masterTimetable;

private slots:
    void init()
    {
        ui = test::FakeUiPort();
        ws.session.pick = {};
        test::makeTimetable(ws, {u"张伟"_s, u"王芳"_s, u"李强"_s});
    }

    void withoutDoubleBookingNothingStaysMarked()
    {
        test::put(ws, 2, 1, u"语文"_s, u"张伟"_s, model::FixedMark);
        test::put(ws, 3, 1, u"数学"_s, u"王芳"_s, model::CheckedMark);      // an earlier check's
        test::put(ws, 4, 2, u"英语"_s, u"李强"_s, model::CheckedFixedMark); // marks
        test::put(ws, 2, 2, u"数学"_s, u"王芳"_s);
        test::put(ws, 5, 6, u"体育"_s, u"李强"_s);
        timetable.setBackColour({2, 2}, model::SwappableColour);
        timetable.setBackColour({5, 6}, model::HighlightColour);
        timetable.setTextColour({5, 6}, 0x000000FF);
        ws.session.pick = {1, {2, 2}};
        timetable.setCurrentCell({3, 2});
        ws.markSaved();
        QSignalSpy pickChanges(&ws.notifier, &Notifier::pickChanged);

        QVERIFY(!views::checkDoubleBookings(ws, ui));
        QCOMPARE(ui.prompts(), QStringList{u"没有重课"_s});
        QVERIFY(!anyChecked(timetable));
        QCOMPARE(timetable.cell({2, 1}).style, model::FixedMark);
        QCOMPARE(timetable.cell({3, 1}).style, TextStyle::Flat);
        QCOMPARE(timetable.cell({4, 2}).style, model::FixedMark);
        QCOMPARE(timetable.cell({2, 2}).backColour, model::StandardColour);
        QCOMPARE(timetable.cell({5, 6}).backColour, model::StandardColour);
        QCOMPARE(timetable.cell({5, 6}).textColour, model::StandardColour);
        // The pick lost its colouring with the marks, so it is dropped too.
        QCOMPARE(ws.session.pick.count, 0);
        QCOMPARE(pickChanges.size(), 1);
        // The column scan ends in the last slot column.
        QCOMPARE(timetable.currentCell(), (model::CellRef{3, 6}));
        QVERIFY(ui.statuses.isEmpty());
        QVERIFY(ui.focused.isEmpty());
        QVERIFY(!ws.session.modified);
    }

    // With no double booking, a lesson in a period its course may not use is reported.
    void namesARuleViolation()
    {
        test::put(ws, 2, 1, u"语文"_s, u"张伟"_s);
        test::put(ws, 3, 2, u"体育"_s, u"王芳"_s);
        ws.school.rules.courseUnavailable = {{u"体育"_s, 1, 2}};
        QVERIFY(!views::checkDoubleBookings(ws, ui));
        QCOMPARE(ui.prompts(), QStringList{views::RuleViolationMessage});
        QVERIFY(ui.statuses.last().startsWith(u"违反排课规则“课程不排时间”：星期一第2节"_s));
        QCOMPARE(timetable.currentCell(), (model::CellRef{3, 2}));
        QVERIFY(anyChecked(timetable));
    }

    void reportsTheFirstTeacherOfTheListAtTheLowestColumn()
    {
        // 李强 is double-booked earlier in the week, but 王芳 comes first in the list.
        test::put(ws, 2, 1, u"英语"_s, u"李强"_s);
        test::put(ws, 3, 1, u"英语"_s, u"李强"_s);
        test::put(ws, 3, 4, u"数学"_s, u"王芳"_s);
        test::put(ws, 5, 4, u"数学"_s, u"王芳"_s);
        test::put(ws, 2, 6, u"数学"_s, u"王芳"_s);
        test::put(ws, 4, 6, u"数学"_s, u"王芳"_s, model::FixedMark);
        test::put(ws, 4, 2, u"数学"_s, u"王芳"_s);
        // Examined before 王芳 and not double-booked: its fixed lesson keeps the mark.
        test::put(ws, 5, 2, u"语文"_s, u"张伟"_s, model::FixedMark);
        // Not in the teacher list: never examined, though double-booked in column 1.
        test::put(ws, 4, 1, u"音乐"_s, u"赵六"_s);
        test::put(ws, 5, 1, u"音乐"_s, u"赵六"_s);
        timetable.setCurrentCell({2, 3});

        const auto found = views::checkDoubleBookings(ws, ui);
        QVERIFY(found);
        QCOMPARE(found->teacher, u"王芳"_s);
        QCOMPARE(found->column, 4);
        QCOMPARE(found->rows, (std::vector<int>{3, 5}));
        QCOMPARE(ui.prompts(), QStringList{u"有重课"_s});
        QCOMPARE(ui.statuses, QStringList{u"王芳：星期二第1节，初一(2)、初一(4)"_s});
        QCOMPARE(ui.tabsShown, QList<MainTab>{MainTab::Scheduling});
        QCOMPARE(ui.focused, QList<FocusTarget>{FocusTarget::MasterTimetable});
        QCOMPARE(timetable.currentCell(), (model::CellRef{3, 4}));

        // Every lesson of 王芳 is sunken, in every slot, and nothing else.
        for (int r = 2; r < timetable.rowCount(); ++r)
            for (int c = 1; c < timetable.columnCount(); ++c) {
                const bool ofWangFang = model::teacherPart(timetable.text({r, c})) == u"王芳"_s;
                const TextStyle style = timetable.cell({r, c}).style;
                QCOMPARE(style == model::CheckedMark || style == model::CheckedFixedMark,
                         ofWangFang);
            }
        QCOMPARE(timetable.cell({4, 6}).style, model::CheckedFixedMark);
        QCOMPARE(timetable.cell({5, 2}).style, model::FixedMark);
    }

    void combinedClassesTaughtTogetherAreOneLesson()
    {
        test::combine(ws, u"体育"_s, {u"初一(1)"_s, u"初一(2)"_s});
        test::put(ws, 2, 3, u"体育"_s, u"王芳"_s, model::FixedMark);
        test::put(ws, 3, 3, u"体育"_s, u"王芳"_s, model::FixedMark);
        QVERIFY(!views::checkDoubleBookings(ws, ui));

        // A class outside the group in the same slot is a second lesson.
        test::put(ws, 5, 3, u"体育"_s, u"王芳"_s);
        const auto found = views::checkDoubleBookings(ws, ui);
        QVERIFY(found);
        QCOMPARE(found->rows, (std::vector<int>{2, 3, 5}));
        QCOMPARE(ui.statuses.last(), u"王芳：星期一第3节，初一(1)、初一(2)、初一(4)"_s);
        QCOMPARE(ui.prompts(), (QStringList{u"没有重课"_s, u"有重课"_s}));

        // A group's classes apart, each with its own lesson, are told like a double booking.
        timetable.clearRange(2, 1, 5, 6);
        test::put(ws, 2, 3, u"体育"_s, u"王芳"_s, model::FixedMark);
        test::put(ws, 3, 4, u"体育"_s, u"王芳"_s, model::FixedMark);
        QVERIFY(!views::checkDoubleBookings(ws, ui));
        QCOMPARE(ui.prompts().last(), views::SplitLessonMessage);
        QCOMPARE(ui.statuses.last(),
                 u"合班课未同时上课：星期一第3节，初一(1)上体育，同组的其他班级不在这一节"_s);
        QCOMPARE(timetable.cell({2, 3}).style, model::CheckedFixedMark);
        QCOMPARE(timetable.currentCell(), (model::CellRef{2, 3}));
    }

    void theFixedMarkSurvivesTheCheck()
    {
        test::put(ws, 2, 1, u"数学"_s, u"王芳"_s, model::FixedMark);
        test::put(ws, 3, 2, u"数学"_s, u"王芳"_s);
        test::put(ws, 4, 2, u"数学"_s, u"王芳"_s);
        QVERIFY(views::checkDoubleBookings(ws, ui));
        // Shown sunken with the others, and still a lesson no repair may move.
        QCOMPARE(timetable.cell({2, 1}).style, model::CheckedFixedMark);
        QVERIFY(scheduler::TeacherIndex(timetable).isFixed({2, 1}));
        QVERIFY(!scheduler::TeacherIndex(timetable).isFixed({3, 2}));

        test::put(ws, 4, 2, u"英语"_s, u"李强"_s);
        QVERIFY(!views::checkDoubleBookings(ws, ui));
        QCOMPARE(timetable.cell({2, 1}).style, model::FixedMark);
        QCOMPARE(timetable.cell({3, 2}).style, TextStyle::Flat);
    }

    void sameOutcomeAsThePlainScan()
    {
        const QStringList teachers = {u"甲"_s, u"乙"_s, u"丙"_s, u"丁"_s, u"戊"_s,
                                      u"己"_s, u"庚"_s, u"辛"_s, u"壬"_s, u"癸"_s};
        const QStringList everyone = teachers + QStringList{u"外聘"_s, QString()};
        const QStringList courses = {u"语文"_s, u"数学"_s, u"体育"_s, u"空课"_s};
        const std::array<TextStyle, 4> styles = {TextStyle::Flat, model::FixedMark,
                                                 model::CheckedMark, model::CheckedFixedMark};
        scheduler::SeededRandom random(7);
        const auto pick = [&random](qsizetype n) { return int(random.next() * double(n)); };
        int reported = 0;
        for (int round = 0; round < 300; ++round) {
            test::makeTimetable(ws, teachers, 6, 2, 4);
            test::combine(ws, u"体育"_s, {u"初一(1)"_s, u"初一(2)"_s, u"初一(3)"_s});
            for (int r = 2; r < timetable.rowCount(); ++r)
                for (int c = 1; c < timetable.columnCount(); ++c) {
                    if (random.next() < 0.7)
                        continue;
                    test::put(ws, r, c, courses.at(pick(courses.size())),
                              everyone.at(pick(everyone.size())), styles.at(pick(4)));
                    if (random.next() < 0.2)
                        timetable.setBackColour({r, c}, model::HighlightColour);
                }
            timetable.setCurrentCell({2 + pick(6), 1 + pick(8)});
            model::Grid expected = timetable;
            const scheduler::CombinedGroups groups(ws.school);
            const auto plain = plainCheck(expected, teachers, groups);
            const auto fast = views::markFirstDoubleBooking(timetable, teachers, groups);
            QCOMPARE(bool(fast), bool(plain));
            if (fast) {
                ++reported;
                QCOMPARE(fast->teacher, plain->teacher);
                QCOMPARE(fast->column, plain->column);
                QCOMPARE(fast->rows, plain->rows);
            }
            QCOMPARE(timetable.currentCell(), expected.currentCell());
            for (int r = 2; r < timetable.rowCount(); ++r)
                for (int c = 1; c < timetable.columnCount(); ++c)
                    QCOMPARE(timetable.cell({r, c}).style, expected.cell({r, c}).style);
        }
        // Both outcomes were met often enough to mean something.
        QVERIFY(reported > 30 && reported < 270);
    }
};

QTEST_APPLESS_MAIN(TestDoubleBookingCheck)
#include "tst_doublebookingcheck.moc"
