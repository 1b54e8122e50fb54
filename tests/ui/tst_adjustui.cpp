// The manual adjustment in the window: clicks on cells of the real master-timetable view pick
// and swap lessons, the keys do the same, the forced-swap button changes what a second click
// does, undo and redo are reachable from menu and toolbar, and the status bar counts double
// bookings.
#include "../core/scheduler/schedulerfixture.h"

#include "fakeuiport.h"
#include "grid/gridview.h"
#include "mainwindow.h"
#include "model/cellmarks.h"
#include "pages/schedulingpage.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

using namespace orve;
using namespace Qt::StringLiterals;
using model::CellRef;
using orve::ui::MainWindow;

class TestAdjustUi : public QObject
{
    Q_OBJECT

    test::FakeUiPort port;
    std::unique_ptr<MainWindow> window;

    Workspace& ws() { return window->workspace(); }
    model::Grid& grid() { return ws().school.masterTimetable; }
    ui::GridView* view() { return window->schedulingPage()->view(); }
    QString field()
    {
        return window->statusBar()->findChild<QLabel*>(u"doubleBookingField"_s)->text();
    }
    void click(CellRef at, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint centre = view()->cellRect(at.row, at.column).center();
        QTest::mouseClick(view()->viewport(), button, Qt::NoModifier,
                          view()->viewport()->mapFrom(view(), centre));
    }
    void put(int row, int column, const QString& course, const QString& teacher)
    {
        grid().setText({row, column}, test::lesson(course, teacher));
    }

private slots:
    void init()
    {
        port = test::FakeUiPort();
        window = std::make_unique<MainWindow>(&port);
        window->resize(1200, 700);
        window->show();
        test::makeSchool(ws(), {u"一班"_s, u"二班"_s}, {u"语文"_s}, 4, 0, 1);
        put(2, 1, u"语文"_s, u"张三"_s);
        put(2, 2, u"数学"_s, u"王芳"_s);
        put(2, 3, u"英语"_s, u"李四"_s);
        put(3, 2, u"语文"_s, u"张三"_s);
        window->tabs()->setCurrentIndex(3);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() { window.reset(); }

    void clicksPickAndSwapAndUndoFollows()
    {
        QCOMPARE(field(), u"重课 0 处"_s);
        QAction* undo = window->actions().undoSwap;
        QVERIFY(!undo->isEnabled());
        click({2, 1});
        QCOMPARE(grid().cell({2, 1}).backColour, model::PickedColour);
        QCOMPARE(grid().cell({2, 2}).backColour, model::ClashingColour);
        QCOMPARE(grid().cell({2, 4}).backColour, model::SwappableColour); // a free period
        QVERIFY(window->statusBar()->currentMessage().contains(u"一班 星期一第1节"_s));

        click({2, 4});
        QCOMPARE(grid().text({2, 4}), test::lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(grid().cell({2, 4}).backColour, model::StandardColour);
        QVERIFY(undo->isEnabled());
        QVERIFY(undo->toolTip().contains(u"调课"_s));
        auto* toolbar = window->findChild<QToolBar*>(u"toolbar"_s);
        QVERIFY(toolbar->actions().contains(undo));
        undo->trigger();
        QCOMPARE(grid().text({2, 1}), test::lesson(u"语文"_s, u"张三"_s));
        QVERIFY(grid().text({2, 4}).isEmpty());
        QVERIFY(window->actions().redoSwap->isEnabled());

        // A click on a dark-cyan lesson is refused by a message; the forced-swap button makes
        // it a forced swap, whose clash cannot be repaired (二班's lesson is fixed): the status
        // bar shows it.
        grid().setTextStyle({3, 2}, model::FixedMark);
        click({2, 1});
        click({2, 2});
        QCOMPARE(port.prompts().last(),
                 u"您要调的课与其他课有冲突,请试用'智能追踪-强行调课'或与灰颜色课想调"_s);
        window->toolbarButton(21)->trigger();
        click({2, 2});
        QCOMPARE(grid().text({2, 2}), test::lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(field(), u"重课 1 处"_s);
        QVERIFY(port.prompts().last().contains(u"二班 星期一第2节 语文  张三"_s));
        window->actions().undoSwap->trigger();
        QCOMPARE(field(), u"重课 0 处"_s);
    }

    void keysPickSwapAndClear()
    {
        view()->setFocus();
        grid().setCurrentCell({2, 1});
        QTest::keyClick(view(), Qt::Key_Space);
        QCOMPARE(ws().session.pick.count, 1);
        QTest::keyClick(view(), Qt::Key_Escape);
        QCOMPARE(ws().session.pick.count, 0);
        QCOMPARE(grid().cell({2, 1}).backColour, model::StandardColour);

        QTest::keyClick(view(), Qt::Key_Return);
        QTest::keyClick(view(), Qt::Key_Right);
        QTest::keyClick(view(), Qt::Key_Right);
        QCOMPARE(grid().currentCell(), (CellRef{2, 3}));
        QTest::keyClick(view(), Qt::Key_Enter);
        QCOMPARE(grid().text({2, 3}), test::lesson(u"语文"_s, u"张三"_s));
        QCOMPARE(grid().text({2, 1}), test::lesson(u"英语"_s, u"李四"_s));
        window->actions().swappableDisplay->trigger(); // picks the current cell
        QCOMPARE(grid().cell({2, 3}).backColour, model::PickedColour);
    }
};

QTEST_MAIN(TestAdjustUi)
#include "tst_adjustui.moc"
