// How long the master timetable of a large school takes to fill and to paint: 150 classes,
// 7 days of 10 periods (71 columns), every slot holding a lesson.
#include "grid/gridview.h"
#include "model/grid.h"
#include "model/lessoncell.h"

#include <QApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

constexpr int Classes = 150;
constexpr int Columns = 71;

void fillTimetable(orve::model::Grid& grid)
{
    orve::model::RedrawSuspender suspended(grid);
    grid.clearCells();
    grid.setSize(Classes + 2, Columns);
    grid.setAllColumnWidths(330);
    grid.setColumnWidth(0, 800);
    grid.setAllRowHeights(1500);
    grid.setRowHeight(0, 500);
    grid.setRowHeight(1, 400);
    grid.setMergeRow(0, true);
    for (int c = 1; c < Columns; ++c) {
        grid.setText({0, c}, QStringLiteral(u"星期%1").arg((c - 1) / 10 + 1));
        grid.setText({1, c}, QString::number((c - 1) % 10 + 1));
    }
    for (int r = 2; r < Classes + 2; ++r) {
        grid.setText({r, 0}, QStringLiteral(u"初一(%1)").arg(r - 1));
        for (int c = 1; c < Columns; ++c)
            grid.setText({r, c},
                         orve::model::lessonText(QStringLiteral(u"语文"),
                                                 QStringLiteral(u"教师%1").arg((r + c) % 40)));
    }
}

// A view of the grid at the size of the scheduling tab, painted once.
void showView(orve::ui::GridView& view)
{
    view.resize(1200, 560);
    view.show();
    QApplication::processEvents();
}

// Filling the grid while a view shows it: one reset of the view at the end.
void BM_FillShownTimetable(benchmark::State& state)
{
    orve::model::Grid grid(2, 2, 2, 1);
    orve::ui::GridView view(grid);
    showView(view);
    for (auto _ : state) {
        grid.setSize(2, 2);
        fillTimetable(grid);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FillShownTimetable)->Unit(benchmark::kMillisecond);

// Painting the visible part of the filled timetable once.
void BM_RepaintTimetable(benchmark::State& state)
{
    orve::model::Grid grid(2, 2, 2, 1);
    fillTimetable(grid);
    orve::ui::GridView view(grid);
    showView(view);
    QPixmap target(view.size());
    for (auto _ : state)
        view.render(&target);
}
BENCHMARK(BM_RepaintTimetable)->Unit(benchmark::kMillisecond);

// Scrolling to the bottom right and painting there.
void BM_ScrollAndRepaint(benchmark::State& state)
{
    orve::model::Grid grid(2, 2, 2, 1);
    fillTimetable(grid);
    orve::ui::GridView view(grid);
    showView(view);
    QPixmap target(view.size());
    bool bottom = false;
    for (auto _ : state) {
        grid.setTopRow(bottom ? 2 : Classes);
        bottom = !bottom;
        view.render(&target);
    }
}
BENCHMARK(BM_ScrollAndRepaint)->Unit(benchmark::kMillisecond);

} // namespace
