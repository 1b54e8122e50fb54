// The class and teacher timetable window without widgets: the cell of each slot in weeks of
// five to seven days, what the class and the teacher view show, swaps made from the class view
// on the master timetable, the list and spin rules and the view following the lists.
#include "viewsfixture.h"

#include "fakeuiport.h"
#include "model/cellmarks.h"
#include "views/weekview.h"

#include <QTest>

using namespace orve;
using namespace Qt::StringLiterals;
using adjust::ClickResult;
using model::CellRef;
using views::WeekViewKind;

class TestWeekView : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;
    views::WeekView view;
    model::Grid& master = ws.school.masterTimetable;

    ClickResult click(CellRef at, Qt::MouseButton button = Qt::LeftButton)
    {
        return views::releaseOnWeekView(ws, ui, view, at, button, Qt::NoModifier);
    }

private slots:
    void init()
    {
        ui = test::FakeUiPort();
        view = views::WeekView();
        ws.session.pick = {};
        ws.session.history.clear();
        ws.session.forcedSwapMode = false;
        // Two days of three periods; 初一(1) row 2, 初一(2) row 3, 初一(3) row 4.
        test::makeTimetable(ws, {u"张三"_s, u"李四"_s, u"王芳"_s}, 3, 2, 3);
        test::put(ws, 2, 1, u"语文"_s, u"张三"_s);
        test::put(ws, 2, 2, u"数学"_s, u"李四"_s);
        test::put(ws, 2, 5, u"英语"_s, u"王芳"_s, model::FixedMark);
        test::put(ws, 3, 2, u"语文"_s, u"张三"_s);
        test::put(ws, 3, 4, u"体育"_s, u"李四"_s);
    }

    void everySlotHasOneCellUnderItsDay_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("lastDay");
        QTest::newRow("five days") << 5 << u"星期五"_s;
        QTest::newRow("six days") << 6 << u"星期六"_s;
        QTest::newRow("seven days") << 7 << u"星期日"_s;
    }

    void everySlotHasOneCellUnderItsDay()
    {
        QFETCH(int, days);
        QFETCH(QString, lastDay);
        const int periods = 4;
        for (int c = 1; c <= days * periods; ++c) {
            const CellRef cell = views::weekCellOfColumn(c, periods);
            QCOMPARE(cell, (CellRef{(c - 1) % periods + 1, (c - 1) / periods + 1}));
            QCOMPARE(views::columnOfWeekCell(cell, periods), c);
        }
        QCOMPARE(views::columnOfWeekCell({0, 3}, periods), 0); // headers stand for no slot
        QCOMPARE(views::columnOfWeekCell({2, 0}, periods), 0);

        // The week's last lesson shows under its day in both views.
        test::makeTimetable(ws, {u"张三"_s}, 2, days, periods);
        test::put(ws, 3, days * periods, u"音乐"_s, u"张三"_s);
        for (WeekViewKind kind : {WeekViewKind::Class, WeekViewKind::Teacher}) {
            views::openWeekView(ws, ui, view, kind, true);
            views::chooseEntry(ws, ui, view, kind == WeekViewKind::Class ? 1 : 0);
            QCOMPARE(view.grid.columnCount(), days + 1);
            QCOMPARE(view.grid.text({0, days}), lastDay);
            QVERIFY(view.grid.text({periods, days}).startsWith(u"音乐"_s));
            QCOMPARE(views::masterCellOf(ws, view, {periods, days}).has_value(),
                     kind == WeekViewKind::Class);
        }
    }

    void classViewShowsFullLessonsWithTheirMasterMarks()
    {
        views::openWeekView(ws, ui, view, WeekViewKind::Class, true);
        QCOMPARE(ws.session.printKind, PrintKind::ClassTimetable);
        QCOMPARE(ui.tabsShown, (QList<MainTab>{MainTab::Basics}));
        QCOMPARE(views::weekViewCaption(view), u"班级课程表(初一(1))"_s);
        QCOMPARE(view.grid.text({3, 0}), u"三"_s);
        QCOMPARE(view.grid.text({1, 1}), u"语文  张三"_s);
        QCOMPARE(view.grid.text({2, 2}), u"英语  王芳"_s); // day 2, period 2 = column 5
        QCOMPARE(view.grid.cell({2, 2}).style, model::FixedMark);
        QVERIFY(view.grid.text({3, 1}).isEmpty());

        // A pick colours the master row; the rebuilt view shows the same colours.
        QCOMPARE(click({1, 1}), ClickResult::Picked);
        QCOMPARE(ws.session.pick.cell, (CellRef{2, 1}));
        views::followSchool(ws, view);
        for (int c = 1; c < master.columnCount(); ++c)
            QCOMPARE(view.grid.cell(views::weekCellOfColumn(c, 3)).backColour,
                     master.cell({2, c}).backColour);
        QCOMPARE(view.grid.cell({2, 1}).backColour, model::ClashingColour);
        QCOMPARE(click({0, 0}, Qt::RightButton), ClickResult::MarksCleared);
        QCOMPARE(ws.session.pick.count, 0);
        QCOMPARE(master.cell({2, 1}).backColour, model::StandardColour);
    }

    void teacherViewShowsCoursesAndBothLessonsOfADoubleBooking()
    {
        test::put(ws, 4, 2, u"物理"_s, u"李四"_s); // 李四 in 初一(1) and 初一(3) at column 2
        views::openWeekView(ws, ui, view, WeekViewKind::Teacher, false);
        QCOMPARE(ws.session.printKind, PrintKind::TeacherTimetable);
        QVERIFY(ui.tabsShown.isEmpty()); // already open: the main window keeps its tab
        views::chooseEntry(ws, ui, view, 1);
        QCOMPARE(views::weekViewCaption(view), u"教师任课表(李四)"_s);
        QCOMPARE(view.grid.text({1, 2}), u"体育"_s);
        QVERIFY(view.grid.text({1, 1}).isEmpty());
        QCOMPARE(view.grid.cell({1, 2}).fontSize, views::TeacherViewFontSize);
        QCOMPARE(view.grid.text({2, 1}), u"数学\n物理"_s);
        QCOMPARE(view.grid.cell({2, 1}).textColour, views::DoubleBookedTextColour);
        // The periods 李四 may not teach are greyed, lessons or not.
        ws.school.rules.teacherUnavailable = {{u"李四"_s, 2, 1}, {u"李四"_s, 1, 2}};
        views::followSchool(ws, view);
        QCOMPARE(view.grid.cell({1, 2}).backColour, views::UnavailableColour);
        QCOMPARE(view.grid.cell({2, 1}).backColour, views::UnavailableColour);
        QVERIFY(view.grid.cell({1, 1}).backColour != views::UnavailableColour);
        ws.school.rules = {};
        views::followSchool(ws, view);

        // Taught together, the two classes' lessons are one lesson.
        test::put(ws, 4, 2, u"数学"_s, u"李四"_s);
        test::combine(ws, u"数学"_s, {u"初一(1)"_s, u"初一(3)"_s});
        views::followSchool(ws, view);
        QCOMPARE(view.grid.text({2, 1}), u"数学"_s);
        QCOMPARE(view.grid.cell({2, 1}).textColour, model::StandardColour);
        QCOMPARE(click({2, 1}), ClickResult::Ignored); // left clicks do nothing here
    }

    void swapsFromTheClassViewChangeTheMasterTimetable()
    {
        // A pick on 初一(1) in the main window, then a click in 初一(2)'s view.
        views::openWeekView(ws, ui, view, WeekViewKind::Class, true);
        adjust::releaseOnTimetable(ws, ui, {2, 1}, Qt::LeftButton, Qt::NoModifier);
        views::WeekView other = view;
        other.shown = 1;
        QCOMPARE(views::releaseOnWeekView(ws, ui, other, {1, 1}, Qt::LeftButton, Qt::NoModifier),
                 ClickResult::Refused);
        QCOMPARE(ui.prompts(), QStringList{adjust::OtherClassMessage});

        // The pick stays for 初一(1)'s view; 数学 李四 is dark cyan (张三 teaches 初一(2)
        // at its period), the free period below it green.
        QCOMPARE(click({2, 1}), ClickResult::Refused);
        QCOMPARE(ui.prompts().last(), views::ClassViewNotSwappableMessage);
        QCOMPARE(click({3, 1}), ClickResult::Swapped);
        QCOMPARE(master.text({2, 3}), u"语文  张三"_s);
        QVERIFY(ws.session.history.canUndo());
        views::followSchool(ws, view);
        QCOMPARE(view.grid.text({3, 1}), u"语文  张三"_s);

        // Forced: the refused exchange is made and 初一(2)'s clash repaired there.
        ws.session.forcedSwapMode = true;
        QCOMPARE(click({3, 1}), ClickResult::Picked);
        QCOMPARE(click({2, 1}), ClickResult::ForcedSwap);
        QCOMPARE(master.text({2, 2}), u"语文  张三"_s);
        QVERIFY(master.text({3, 2}) != u"语文  张三"_s);
    }

    void spinListAndFollowingStayWithinTheEntries()
    {
        views::openWeekView(ws, ui, view, WeekViewKind::Class, true);
        views::stepEntry(ws, ui, view, u"2"_s, 1); // past the last entry: stays on it
        QCOMPARE(view.number, u"2"_s);
        views::stepEntry(ws, ui, view, u"0.5"_s, 0); // rounded, halves to even
        QCOMPARE(view.shown, 0);
        click({1, 1});
        views::chooseEntry(ws, ui, view, 1); // a class change drops the pick
        QCOMPARE(ws.session.pick.count, 0);

        ws.school.classes.removeFirst();
        views::followSchool(ws, view);
        QCOMPARE(view.shownName(), u"初一(2)"_s);
        QCOMPARE(view.number, u"0"_s);
        ws.school.classes[0] = u"初二(1)"_s;
        views::followSchool(ws, view);
        QCOMPARE(view.shownName(), u"初二(1)"_s); // gone: the first entry

        ws.school.teachers.clear();
        views::openWeekView(ws, ui, view, WeekViewKind::Teacher, true);
        QCOMPARE(views::weekViewCaption(view), u"教师任课表(尚未输入教师)"_s);
        QCOMPARE(view.grid.text({0, 2}), u"星期二"_s);
        views::stepEntry(ws, ui, view, view.number, 1);
        QCOMPARE(view.shown, -1);
    }
};

QTEST_GUILESS_MAIN(TestWeekView)
#include "tst_weekview.moc"
