// The class and teacher timetable window in the program: both views opened from the menu and
// the toolbar into one reused window, the spin and the list, clicks that pick and swap on the
// master timetable, the view following changes made elsewhere, the print button and the keys.
#include "../core/scheduler/schedulerfixture.h"

#include "commands/printcommands.h"
#include "fakeuiport.h"
#include "grid/gridview.h"
#include "mainwindow.h"
#include "model/cellmarks.h"
#include "pages/schedulingpage.h"
#include "views/weekview.h"
#include "widgets/spinbuttons.h"
#include "windows/printwindow.h"
#include "windows/timetablewindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace orve;
using namespace Qt::StringLiterals;
using model::CellRef;
using orve::ui::MainWindow;
using orve::ui::TimetableWindow;

class TestTimetableWindow : public QObject
{
    Q_OBJECT

    test::FakeUiPort port;
    std::unique_ptr<MainWindow> window;

    Workspace& ws() { return window->workspace(); }
    model::Grid& master() { return ws().school.masterTimetable; }
    TimetableWindow* timetableWindow() { return window->findChild<TimetableWindow*>(); }
    const model::Grid& shown() { return timetableWindow()->view().grid; }

    TimetableWindow* open(QAction* ui::Actions::*item)
    {
        (window->actions().*item)->trigger();
        TimetableWindow* opened = timetableWindow();
        return opened && opened->isVisible() ? opened : nullptr;
    }
    void click(ui::GridView* view, CellRef at, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint centre = view->cellRect(at.row, at.column).center();
        QTest::mouseClick(view->viewport(), button, Qt::NoModifier,
                          view->viewport()->mapFrom(view, centre));
    }

private slots:
    void init()
    {
        port = test::FakeUiPort();
        window = std::make_unique<MainWindow>(&port);
        window->resize(1200, 700);
        window->show();
        // Three classes, a week of six days of two periods. 张三 teaches 二班 at column 2, and
        // 一班 and 三班 at column 1: a double booking.
        test::makeSchool(ws(), {u"一班"_s, u"二班"_s, u"三班"_s}, {u"语文"_s}, 2, 0, 6);
        ws().school.teachers = {u"张三"_s, u"李四"_s};
        master().setText({2, 1}, test::lesson(u"语文"_s, u"张三"_s));
        master().setText({2, 2}, test::lesson(u"数学"_s, u"李四"_s));
        master().setText({2, 12}, test::lesson(u"音乐"_s, u"李四"_s));
        master().setText({3, 2}, test::lesson(u"语文"_s, u"张三"_s));
        master().setText({4, 1}, test::lesson(u"语文"_s, u"张三"_s));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() { window.reset(); }

    void bothViewsOpenInOneWindowAndTheSpinStopsAtTheLast()
    {
        window->tabs()->setCurrentIndex(int(MainTab::Scheduling));
        TimetableWindow* form2 = open(&ui::Actions::classTimetable);
        QVERIFY(form2);
        QCOMPARE(form2->windowTitle(), u"Orve智能排课系统--察看与调整课程表"_s);
        QCOMPARE(form2->caption()->text(), u"班级课程表(一班)"_s);
        // A screen reader reads the title as it shows; its role is the description.
        QAccessibleInterface* title = QAccessible::queryAccessibleInterface(form2->caption());
        QCOMPARE(title->text(QAccessible::Name), u"班级课程表(一班)"_s);
        QCOMPARE(title->text(QAccessible::Description), u"课程表标题"_s);
        QCOMPARE(window->tabs()->currentIndex(), int(MainTab::Basics));
        QCOMPARE(shown().text({2, 6}), u"音乐  李四"_s); // 星期六, period 2
        QVERIFY(form2->grid()->textFitted()); // names whole, as on paper
        for (int i = 0; i < 4; ++i)                      // one step past the last class
            QTest::mouseClick(form2->spin()->upButton(), Qt::LeftButton);
        QCOMPARE(form2->number()->text(), u"2"_s);
        QCOMPARE(form2->caption()->text(), u"班级课程表(三班)"_s);
        emit form2->entries()->activated(1);
        QCOMPARE(form2->number()->text(), u"1"_s);
        QCOMPARE(shown().text({2, 1}), u"语文  张三"_s);

        window->toolbarButton(19)->trigger();
        QCOMPARE(window->findChildren<TimetableWindow*>().size(), 1);
        QCOMPARE(form2->caption()->text(), u"教师任课表(张三)"_s);
        QCOMPARE(shown().text({1, 1}), u"语文\n语文"_s); // 张三 in two classes at once
        QTest::mouseClick(form2->printButton(), Qt::LeftButton);
        ui::PrintWindow* print = window->printCommands()->printWindow();
        QVERIFY(print && print->isVisible());
        QCOMPARE(print->sheet().heading(), u"教师任课表(张三)"_s);
        QCOMPARE(form2->entries()->accessibleName(), u"选择班级或教师"_s);
    }

    void clicksPickAndSwapAndTheViewFollowsTheTimetable()
    {
        TimetableWindow* form2 = open(&ui::Actions::classTimetable);
        QVERIFY(form2);
        click(form2->grid(), {1, 1}); // 一班 语文 张三
        QCOMPARE(ws().session.pick.cell, (CellRef{2, 1}));
        QTRY_COMPARE(shown().cell({1, 1}).backColour, model::PickedColour); // once events run
        click(form2->grid(), {2, 1});
        QCOMPARE(port.prompts().last(), views::ClassViewNotSwappableMessage);
        click(form2->grid(), {1, 2}, Qt::RightButton);
        QTRY_COMPARE(shown().cell({1, 1}).backColour, model::StandardColour);

        // A swap on the master timetable, its undo, and a replaced school show at once.
        window->tabs()->setCurrentIndex(int(MainTab::Scheduling));
        ui::GridView* masterView = window->schedulingPage()->view();
        click(masterView, {2, 1});
        click(masterView, {2, 3}); // day 2, period 1: free, green
        QTRY_COMPARE(shown().text({1, 2}), u"语文  张三"_s);
        window->actions().undoSwap->trigger();
        QTRY_COMPARE(shown().text({1, 1}), u"语文  张三"_s);
        model::School replacement = ws().school;
        replacement.classes = {u"四班"_s};
        replacement.masterTimetable.setRowCount(3);
        replacement.masterTimetable.setText({2, 0}, u"四班"_s);
        replacement.masterTimetable.setText({2, 1}, test::lesson(u"美术"_s, u"李四"_s));
        ws().replaceSchool(replacement);
        QTRY_COMPARE(form2->caption()->text(), u"班级课程表(四班)"_s);
        QCOMPARE(shown().text({1, 1}), u"美术  李四"_s);
    }

    // A double period shows as one cell over its two periods, in the class and the teacher view.
    void aDoublePeriodIsOneJoinedCell()
    {
        test::setPlan(ws(), 1, 0, {u"李四"_s, 2, false});
        ws().school.rules.doublePeriods = {{u"二班"_s, u"语文"_s, 1}};
        master().setText({3, 3}, test::lesson(u"语文"_s, u"李四"_s));
        master().setText({3, 4}, test::lesson(u"语文"_s, u"李四"_s));
        TimetableWindow* form2 = open(&ui::Actions::classTimetable);
        QVERIFY(form2);
        QVERIFY(shown().joinedWithBelow().empty()); // 一班 has none
        emit form2->entries()->activated(1);
        QCOMPARE(shown().joinedWithBelow(), (std::vector<CellRef>{{1, 2}}));
        QCOMPARE(form2->grid()->rowSpan(1, 2), 2);
        QCOMPARE(form2->grid()->rowSpan(1, 1), 1);

        window->toolbarButton(19)->trigger();
        emit form2->entries()->activated(1); // 李四
        QCOMPARE(shown().joinedWithBelow(), (std::vector<CellRef>{{1, 2}}));
        QCOMPARE(form2->grid()->rowSpan(1, 2), 2);
    }

    void keysMoveTheWindowAndEscClosesTheProgram()
    {
        TimetableWindow* form2 = open(&ui::Actions::teacherTimetable);
        QVERIFY(form2);
        const QPoint before = form2->pos();
        QTest::keyClick(form2->printButton(), Qt::Key_Down);
        QCOMPARE(form2->pos(), before + QPoint(0, TimetableWindow::MoveStepPixels));
        QTest::keyClick(form2->printButton(), Qt::Key_Up);
        QCOMPARE(form2->pos(), before);

        // As closing the main window: unsaved work is asked about (取消 keeps the program).
        ws().markUnsaved();
        port.answers = {MessageAnswer::Cancel};
        QTest::keyClick(form2->grid(), Qt::Key_Escape);
        QCOMPARE(port.prompts().last(), u"当前课程设置已修改，是否保存？"_s);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(TestTimetableWindow)
#include "tst_timetablewindow.moc"
