// The lesson swap on the master timetable: the pick and its colouring, the refused second
// clicks, the plain and the forced swap, the menu's swappable display, and undo and redo.
#include "../scheduler/schedulerfixture.h"
#include "fakeuiport.h"

#include "adjust/forcedswap.h"
#include "adjust/handchanges.h"
#include "adjust/lessonswap.h"
#include "adjust/swaprules.h"
#include "model/cellmarks.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/conflictlist.h"
#include "scheduler/doublebookings.h"

#include <QSignalSpy>
#include <QTest>

using namespace orve;
using namespace orve::adjust;
using namespace Qt::StringLiterals;
using model::CellRef;
using model::TextStyle;

namespace {

// Class rows: A 2, B 3, C 4, D 5; one day of five periods, columns 1 to 5.
constexpr int A = 2;
constexpr int B = 3;
constexpr int C = 4;
constexpr int D = 5;

} // namespace

class TestLessonSwap : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;
    test::ScriptedRandom random;

    model::Grid& grid() { return ws.school.masterTimetable; }
    void put(int row, int column, const QString& course, const QString& teacher)
    {
        grid().setText({row, column}, test::lesson(course, teacher));
    }
    ClickResult click(CellRef at, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return releaseOnTimetable(ws, ui, at, button, modifiers, random);
    }
    // The row's backgrounds: P picked, G green, X dark cyan, . normal.
    QString colours(int row)
    {
        QString text;
        for (int c = 1; c <= 5; ++c) {
            const model::Colour back = grid().cell({row, c}).backColour;
            text += back == model::PickedColour      ? u'P'
                    : back == model::SwappableColour ? u'G'
                    : back == model::ClashingColour  ? u'X'
                                                     : (back == 0 ? u'.' : u'?');
        }
        return text;
    }
    int doubleBookings()
    {
        return scheduler::countDoubleBookings(grid(),
                                              scheduler::CombinedGroups(ws.school));
    }
    // Texts and styles of every class-row slot cell.
    QStringList snapshot()
    {
        QStringList cells;
        for (int r = A; r <= D; ++r)
            for (int c = 1; c <= 5; ++c)
                cells.append(grid().text({r, c}) + QString::number(int(grid().cell({r, c}).style)));
        return cells;
    }

private slots:
    void init()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s, u"D"_s}, {u"语文"_s}, 5, 0, 1);
        ws.session.forcedSwapMode = false;
        ui = test::FakeUiPort();
        random = test::ScriptedRandom({}, 7);
        // A: 张三 王芳 李四 (free) 张三    B: 赵六 张三 (free) 李四 (free)
        // C: (free) 钱七 王芳 (free) 孙八  D: free all day
        put(A, 1, u"语文"_s, u"张三"_s);
        put(A, 2, u"数学"_s, u"王芳"_s);
        put(A, 3, u"英语"_s, u"李四"_s);
        put(A, 5, u"作文"_s, u"张三"_s);
        put(B, 1, u"化学"_s, u"赵六"_s);
        put(B, 2, u"语文"_s, u"张三"_s);
        put(B, 4, u"历史"_s, u"李四"_s);
        put(C, 2, u"生物"_s, u"钱七"_s);
        put(C, 3, u"地理"_s, u"王芳"_s);
        put(C, 5, u"音乐"_s, u"孙八"_s);
    }

    // Same teacher green; a clash of either teacher dark cyan; a free period green when the
    // picked teacher is free in its column (D is free everywhere, which must not count).
    // Refused second clicks keep the pick and its colours.
    void colouringAndRefusedClicks()
    {
        QCOMPARE(click({A, 1}, Qt::LeftButton, Qt::ShiftModifier), ClickResult::Ignored);
        QCOMPARE(click({0, 1}), ClickResult::Ignored); // a header cell
        QCOMPARE(click({A, 1}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier),
                 ClickResult::Picked);
        QCOMPARE(colours(A), u"PXGGG"_s);
        QCOMPARE(colours(B), u"....."_s);
        QCOMPARE(ws.session.pick.cell, (CellRef{A, 1}));
        QCOMPARE(click({A, 1}), ClickResult::Unpicked);
        QCOMPARE(colours(A), u"....."_s);
        // 李四 teaches B in period 4: that free period is dark cyan; 王芳 teaches C in period 3.
        click({A, 3});
        QCOMPARE(colours(A), u"GXPXG"_s);
        QVERIFY(ui.messages.isEmpty());

        QCOMPARE(click({B, 1}), ClickResult::Refused);
        QCOMPARE(click({A, 2}), ClickResult::Refused);
        QCOMPARE(ui.prompts(), (QStringList{OtherClassMessage, NotSwappableMessage}));
        QCOMPARE(colours(A), u"GXPXG"_s);
        QCOMPARE(ws.session.pick.cell, (CellRef{A, 3}));
        QCOMPARE(click({A, 1}, Qt::LeftButton, Qt::AltModifier), ClickResult::Swapped);
        QCOMPARE(grid().text({A, 1}), test::lesson(u"英语"_s, u"李四"_s));
    }

    // A swap that would put a teacher into a period they cannot teach is not green and is
    // refused, forced or not, with the rule named; a lesson placed there by hand is listed.
    void rulesHoldInSwapsAndTheConflictList()
    {
        ws.school.rules.teacherUnavailable = {{u"张三"_s, 1, 4}};
        click({A, 1});
        QCOMPARE(colours(A), u"PXG.G"_s);
        ws.session.forcedSwapMode = true;
        const QStringList before = snapshot();
        QCOMPARE(click({A, 4}), ClickResult::Refused);
        QCOMPARE(snapshot(), before);
        QVERIFY(ui.statuses.last().contains(u"教师不排课时间"_s));
        QVERIFY(!ws.session.history.canUndo());

        put(D, 4, u"语文"_s, u"张三"_s);
        refreshConflicts(ws);
        QCOMPARE(ws.session.conflicts.size(), std::size_t(1));
        QCOMPARE(model::conflictText(ws.session.conflicts.front()),
                 u"5 4  D："_s + grid().text({D, 4}) + u"（违反“教师不排课时间”）"_s);
    }

    // A double period is picked whole, offered where both its lessons fit in one part of the
    // day and moved whole in one step. The forced swap moves it whole too, the clash repaired,
    // or refuses it where it does not fit; a lesson clicked onto a half brings the pair over.
    void aDoublePeriodMovesWhole()
    {
        ws.school.rules.doublePeriods = {{u"D"_s, u"语文"_s, 1}};
        test::setPlan(ws, 3, 0, {u"刘老师"_s, 2, false});
        put(D, 1, u"语文"_s, u"刘老师"_s);
        put(D, 2, u"语文"_s, u"刘老师"_s);
        click({D, 2});
        // The picked lesson goes to the green period, the other one beside it.
        QCOMPARE(colours(D), u"PP.GG"_s);
        QCOMPARE(click({D, 5}), ClickResult::Swapped);
        const QString pair = test::lesson(u"语文"_s, u"刘老师"_s);
        QCOMPARE(QStringList({grid().text({D, 1}), grid().text({D, 4}), grid().text({D, 5})}),
                 (QStringList{QString(), pair, pair}));
        QVERIFY(undoHandChange(ws, ui));
        QCOMPARE(QStringList({grid().text({D, 1}), grid().text({D, 2}), grid().text({D, 4})}),
                 (QStringList{pair, pair, QString()}));

        // 刘老师 teaches C in period 4: C's lesson is moved out of it.
        put(C, 4, u"化学"_s, u"刘老师"_s);
        const QStringList lessonsOfC = test::lessonsOfRow(grid(), C);
        ws.session.forcedSwapMode = true;
        click({D, 1});
        QCOMPARE(click({D, 5}), ClickResult::Refused);
        QCOMPARE(ui.statuses.last(), DoublePeriodMisfitMessage);
        QCOMPARE(click({D, 4}), ClickResult::ForcedSwap);
        QCOMPARE(QStringList({grid().text({D, 1}), grid().text({D, 2}), grid().text({D, 4}),
                              grid().text({D, 5})}),
                 (QStringList{QString(), QString(), pair, pair}));
        QCOMPARE(doubleBookings(), 0);
        QCOMPARE(test::lessonsOfRow(grid(), C), lessonsOfC);
        QVERIFY(undoHandChange(ws, ui));
        QCOMPARE(grid().text({C, 4}), test::lesson(u"化学"_s, u"刘老师"_s));

        const QString single = test::lesson(u"美术"_s, u"周九"_s);
        put(D, 3, u"美术"_s, u"周九"_s);
        click({D, 3});
        QCOMPARE(click({D, 1}), ClickResult::ForcedSwap);
        QCOMPARE(QStringList({grid().text({D, 1}), grid().text({D, 3}), grid().text({D, 4})}),
                 (QStringList{single, pair, pair}));
        QCOMPARE(doubleBookings(), 0);
    }

    void plainSwapExchangesAllFourAttributesAndClearsTheRow()
    {
        grid().setTextColour({A, 1}, 0x000000FF);
        grid().setTextStyle({A, 4}, TextStyle::Inset);
        grid().setBackColour({B, 2}, model::HighlightColour);
        click({A, 1});
        QCOMPARE(click({A, 4}), ClickResult::Swapped); // into the free period
        QCOMPARE(grid().text({A, 4}), test::lesson(u"语文"_s, u"张三"_s));
        QVERIFY(grid().text({A, 1}).isEmpty());
        QCOMPARE(grid().cell({A, 4}).textColour, model::Colour(0x000000FF));
        QCOMPARE(grid().cell({A, 1}).style, TextStyle::Inset);
        QCOMPARE(colours(A), u"....."_s);
        QCOMPARE(grid().cell({B, 2}).backColour, model::HighlightColour); // other rows stay
        QCOMPARE(ws.session.pick.count, 0);
        QCOMPARE(ws.session.history.undoCaption(), SwapCaption);

        // A right click clears every mark, blue highlights and text colours included.
        click({A, 2});
        QCOMPARE(click({C, 1}, Qt::RightButton), ClickResult::MarksCleared);
        QCOMPARE(colours(A), u"....."_s);
        QCOMPARE(grid().cell({B, 2}).backColour, model::Colour(0));
        QCOMPARE(grid().cell({A, 4}).textColour, model::Colour(0));
        QCOMPARE(grid().cell({A, 1}).style, TextStyle::Inset);
        QCOMPARE(ws.session.pick.count, 0);
    }

    // After the menu's display the next click exchanges with the current cell, not with a
    // lesson picked before; the earlier pick's row is plain again.
    void swappableDisplayThenAClick()
    {
        grid().setCurrentCell({0, 0});
        showSwappableForCurrent(ws, ui);
        QCOMPARE(ui.prompts(), QStringList{NothingPickedMessage});
        click({B, 1});
        grid().setCurrentCell({A, 3});
        showSwappableForCurrent(ws, ui);
        QCOMPARE(colours(B), u"....."_s);
        QCOMPARE(colours(A), u"GXPXG"_s);
        QCOMPARE(click({A, 5}), ClickResult::Swapped);
        QCOMPARE(grid().text({A, 5}), test::lesson(u"英语"_s, u"李四"_s));
    }

    // Code 1: 王芳 comes into period 3, where she teaches C; C's lesson is moved and every
    // class keeps its lessons. The two exchanged cells keep their styles: the mark of a lesson
    // the first stage placed goes with it. One step undoes the exchange and the repair, styles
    // included; redo does both again.
    void forcedSwapRepairsTheOtherClassAndUndoes()
    {
        ws.session.forcedSwapMode = true;
        grid().setTextStyle({A, 3}, model::FixedMark);
        const QStringList before = snapshot();
        const auto lessons = [this] {
            QStringList all;
            for (int r = A; r <= D; ++r)
                all += test::lessonsOfRow(grid(), r);
            return all;
        };
        const QStringList lessonsBefore = lessons();
        click({A, 3});
        QCOMPARE(click({A, 2}), ClickResult::ForcedSwap);
        QCOMPARE(grid().text({A, 3}), test::lesson(u"数学"_s, u"王芳"_s));
        QCOMPARE(grid().text({A, 2}), test::lesson(u"英语"_s, u"李四"_s));
        QCOMPARE(grid().cell({A, 3}).style, TextStyle::Flat);
        QCOMPARE(grid().cell({A, 2}).style, model::FixedMark);
        QVERIFY(grid().text({C, 3}) != test::lesson(u"地理"_s, u"王芳"_s));
        QCOMPARE(lessons(), lessonsBefore);
        QCOMPARE(doubleBookings(), 0);
        QVERIFY(ui.messages.isEmpty());
        for (int r = A; r <= D; ++r)
            QCOMPARE(colours(r), u"....."_s);
        QCOMPARE(ws.session.pick.count, 0);

        const QStringList after = snapshot();
        QVERIFY(undoHandChange(ws, ui));
        QCOMPARE(snapshot(), before);
        QVERIFY(redoHandChange(ws, ui));
        QCOMPARE(snapshot(), after);
        QVERIFY(!redoHandChange(ws, ui));
    }

    // Code 2 where the repair cannot move B's lesson (a fixed lesson): the clash stays in B,
    // the user is told, and the conflict list names both lessons until the swap is undone.
    void forcedSwapWhoseRepairFailsSaysSo()
    {
        ws.session.forcedSwapMode = true;
        grid().setTextStyle({B, 2}, model::FixedMark);
        QSignalSpy conflicts(&ws.notifier, &Notifier::conflictsChanged);
        click({A, 1});
        QCOMPARE(click({A, 2}), ClickResult::ForcedSwap);
        QCOMPARE(grid().text({A, 2}), test::lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(doubleBookings(), 1);
        QCOMPARE(ui.messages.size(), 1);
        QVERIFY(ui.prompts().first().contains(u"A 星期一第2节 语文  张三"_s));
        QVERIFY(ui.prompts().first().contains(u"B 星期一第2节 语文  张三"_s));
        QCOMPARE(conflicts.count(), 1);
        QCOMPARE(ws.session.conflicts.size(), std::size_t(2));
        QCOMPARE(ws.session.conflicts.at(1).at, (CellRef{B, 2}));
        QVERIFY(undoHandChange(ws, ui));
        QVERIFY(ws.session.conflicts.empty());
    }

    // Code 3 changes nothing but drops the pick; another class is refused in forced mode too.
    void forcedSwapWithBothTeachersClashingIsRefused()
    {
        ws.session.forcedSwapMode = true;
        put(D, 2, u"体育"_s, u"李四"_s);
        const QStringList before = snapshot();
        click({A, 3});
        QCOMPARE(click({A, 2}), ClickResult::ForcedSwap);
        QCOMPARE(ui.prompts(), QStringList{BothClashMessage});
        QCOMPARE(snapshot(), before);
        QCOMPARE(colours(A), u"....."_s);
        QCOMPARE(ws.session.pick.count, 0);
        QVERIFY(!ws.session.history.canUndo());
        click({A, 3});
        QCOMPARE(click({B, 2}), ClickResult::Refused);
        QCOMPARE(ws.session.pick.count, 1);
    }

    // A combined group moves as one: green only where every class of the group can exchange
    // with its own lesson, and the swap, plain or forced, moves every class's lesson in one
    // step. A fixed lesson and "空课" never move, nor a group beside them; a click on one says
    // why in the status bar.
    void combinedGroupsMoveAsOneAndHeldLessonsStay()
    {
        const QChar separator(0xF8F5);
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s, u"D"_s}, {u"语文"_s, u"体育"_s}, 5, 0, 1);
        test::setPlan(ws, 0, 1, {u"刘老师"_s, 1, false});
        test::setPlan(ws, 1, 1, {u"刘老师"_s, 1, false});
        const int group = ws.school.combinedGroups.addChild(0, u"合班课1"_s, u"合班课1"_s);
        ws.school.combinedGroups.addChild(group, u"1nkey"_s, u"A"_s + separator + u"体育"_s);
        ws.school.combinedGroups.addChild(group, u"2nkey"_s, u"B"_s + separator + u"体育"_s);
        // A: 语文 张三 | 体育 刘老师 | 数学 王芳 | 空课      B: 英语 李四 | 体育 刘老师 | - | 历史 赵六
        // C: -        | 音乐 李四   | -         | -        D: free
        put(A, 1, u"语文"_s, u"张三"_s);
        put(A, 2, u"体育"_s, u"刘老师"_s);
        put(A, 3, u"数学"_s, u"王芳"_s);
        grid().setText({A, 4}, model::FreePeriodText);
        put(B, 1, u"英语"_s, u"李四"_s);
        put(B, 2, u"体育"_s, u"刘老师"_s);
        put(B, 4, u"历史"_s, u"赵六"_s);
        put(C, 2, u"音乐"_s, u"李四"_s);

        // With A alone 体育 could go to period 1; B's 英语 李四 would meet C's 音乐 李四.
        QCOMPARE(click({A, 2}), ClickResult::Picked);
        QCOMPARE(colours(A), u"XPG.G"_s);
        QCOMPARE(click({A, 4}), ClickResult::Refused);
        QVERIFY(ui.statuses.last().contains(u"空课"_s));
        QCOMPARE(click({A, 3}), ClickResult::Swapped);
        QCOMPARE(grid().text({A, 3}), test::lesson(u"体育"_s, u"刘老师"_s));
        QCOMPARE(grid().text({B, 3}), test::lesson(u"体育"_s, u"刘老师"_s));
        QVERIFY(grid().text({B, 2}).isEmpty());
        QVERIFY(undoHandChange(ws, ui));
        QCOMPARE(grid().text({B, 2}), test::lesson(u"体育"_s, u"刘老师"_s));
        QVERIFY(grid().text({B, 3}).isEmpty());

        // Forced: the group goes to period 1, and C's 李四 is moved out of period 2.
        ws.session.forcedSwapMode = true;
        click({A, 2});
        QCOMPARE(click({A, 1}), ClickResult::ForcedSwap);
        QCOMPARE(grid().text({A, 1}), test::lesson(u"体育"_s, u"刘老师"_s));
        QCOMPARE(grid().text({B, 1}), test::lesson(u"体育"_s, u"刘老师"_s));
        QCOMPARE(grid().text({B, 2}), test::lesson(u"英语"_s, u"李四"_s));
        QCOMPARE(doubleBookings(), 0);

        // A fixed lesson is never picked nor moved by a forced swap.
        ws.school.fixedLessons = {u"A 数学 1 3"_s};
        QCOMPARE(click({A, 3}), ClickResult::Refused);
        QCOMPARE(ws.session.pick.count, 0);
        QVERIFY(ui.statuses.last().contains(u"固定课"_s));
        click({A, 5});
        QCOMPARE(click({A, 3}), ClickResult::Refused);
        QCOMPARE(grid().text({A, 3}), test::lesson(u"数学"_s, u"王芳"_s));
    }

    // Undo drops a pending pick and its colours; a new layout or another school forgets the
    // history.
    void undoAndWhatForgetsTheHistory()
    {
        click({A, 1});
        click({A, 3});
        click({A, 5});
        QVERIFY(undoHandChange(ws, ui));
        QCOMPARE(ws.session.pick.count, 0);
        QCOMPARE(colours(A), u"....."_s);
        QCOMPARE(grid().text({A, 1}), test::lesson(u"语文"_s, u"张三"_s));
        school::relayoutWeek(ws, ui);
        QVERIFY(!ws.session.history.canRedo());

        init();
        click({A, 1});
        click({A, 3});
        click({A, 5});
        ws.replaceSchool(ws.school);
        QVERIFY(!ws.session.history.canUndo());
        QCOMPARE(ws.session.pick.count, 0);
    }
};

QTEST_GUILESS_MAIN(TestLessonSwap)
#include "tst_lessonswap.moc"
