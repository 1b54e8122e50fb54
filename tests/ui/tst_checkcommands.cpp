// The menu items of the double-booking check and the distribution views in the window: each
// runs its command on the master timetable, with the tab, status bar, focus and drawing the
// user sees.
#include "../core/views/viewsfixture.h"

#include "fakeuiport.h"
#include "grid/gridview.h"
#include "mainwindow.h"
#include "model/cellmarks.h"
#include "pages/schedulingpage.h"

#include <QAction>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

using namespace orve;
using namespace Qt::StringLiterals;
using orve::ui::MainWindow;

class TestCheckCommands : public QObject
{
    Q_OBJECT

    // A small timetable: 王芳 in two classes at Monday's first period, 李强 once a day.
    static void fill(Workspace& ws)
    {
        test::makeTimetable(ws, {u"王芳"_s, u"李强"_s});
        test::put(ws, 2, 1, u"数学"_s, u"王芳"_s);
        test::put(ws, 3, 1, u"数学"_s, u"王芳"_s);
        test::put(ws, 4, 1, u"英语"_s, u"李强"_s);
        test::put(ws, 2, 4, u"英语"_s, u"李强"_s, model::FixedMark);
        test::put(ws, 5, 5, u"数学"_s, u"李强"_s);
    }

    static QList<model::CellRef> blueCells(const model::Grid& timetable)
    {
        QList<model::CellRef> cells;
        for (int r = 2; r < timetable.rowCount(); ++r)
            for (int c = 1; c < timetable.columnCount(); ++c)
                if (timetable.cell({r, c}).backColour == model::HighlightColour)
                    cells.append({r, c});
        return cells;
    }

private slots:
    void checkShowsTheDoubleBookingSunken()
    {
        test::FakeUiPort answers;
        MainWindow window(&answers);
        window.startUp();
        fill(window.workspace());
        window.tabs()->setCurrentIndex(int(MainTab::Basics));

        window.actions().checkDoubleBookings->trigger();
        QCOMPARE(answers.prompts(), QStringList{u"有重课"_s});
        QCOMPARE(window.statusBar()->currentMessage(), u"王芳：星期一第1节，初一(1)、初一(2)"_s);
        QCOMPARE(window.tabs()->currentIndex(), int(MainTab::Scheduling));
        ui::GridView* view = window.schedulingPage()->view();
        QCOMPARE(window.focusWidget(), view);
        QCOMPARE(view->currentIndex(), view->model()->index(2, 1));

        // The sunken lesson has a dark top-left edge where a flat one is plain.
        QApplication::processEvents();
        const QImage shown = view->grab().toImage();
        const QRect checked = view->cellRect(3, 1);
        const QRect flat = view->cellRect(4, 1);
        QVERIFY(qGray(shown.pixel(checked.topLeft())) < 100);
        QVERIFY(qGray(shown.pixel(checked.center().x(), checked.top() + 1)) < 150);
        QVERIFY(qGray(shown.pixel(flat.topLeft())) > 200);

        // Mended, the timetable holds one lesson of 王芳 per slot: nothing stays marked.
        window.workspace().school.masterTimetable.swapCells({3, 1}, {3, 2});
        window.actions().checkDoubleBookings->trigger();
        QCOMPARE(answers.prompts().last(), u"没有重课"_s);
        QCOMPARE(window.workspace().school.masterTimetable.cell({2, 1}).style,
                 model::TextStyle::Flat);
        QCOMPARE(window.workspace().school.masterTimetable.cell({2, 4}).style, model::FixedMark);
    }

    void distributionViewsColourTheirLessons()
    {
        test::FakeUiPort answers;
        MainWindow window(&answers);
        window.startUp();
        Workspace& ws = window.workspace();
        fill(ws);
        model::Grid& timetable = ws.school.masterTimetable;
        const QList<std::pair<QAction * ui::Actions::*, QList<model::CellRef>>> views = {
            {&ui::Actions::teacherSpreadSchool, {{2, 4}, {4, 1}, {5, 5}}},
            {&ui::Actions::teacherSpreadClass, {{4, 1}}},
            {&ui::Actions::courseSpreadSchool, {{2, 4}, {4, 1}}},
            {&ui::Actions::courseSpreadClass, {{4, 1}}},
        };
        for (const auto& [key, expected] : views) {
            window.tabs()->setCurrentIndex(int(MainTab::Basics));
            ws.session.pick = {1, {2, 1}};
            timetable.setCurrentCell({4, 1});
            (window.actions().*key)->trigger();
            QCOMPARE(blueCells(timetable), expected);
            QCOMPARE(timetable.currentCell(), (model::CellRef{4, 1}));
            QCOMPARE(ws.session.pick.count, 0);
            QCOMPARE(window.tabs()->currentIndex(), int(MainTab::Scheduling));
        }
        QVERIFY(answers.messages.isEmpty());
    }
};

QTEST_MAIN(TestCheckCommands)
#include "tst_checkcommands.moc"
