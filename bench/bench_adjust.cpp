// How long the manual adjustment takes on the largest school, 150 classes of 7 days x 10
// periods, scheduled once, with the main window showing the master timetable (so every
// command includes the view's repaint and the status bar's count): the first click's
// colouring (also of a double period, in the school scheduled with the daily rules), a plain
// swap, a right click that clears every mark, and a forced swap with its repair. Each timed command is undone or reset outside the timing. Run with
// QT_QPA_PLATFORM=offscreen where there is no display.
#include "adjust/handchanges.h"
#include "adjust/lessonswap.h"
#include "adjust/swaprules.h"
#include "mainwindow.h"
#include "scheduledwindow.h"
#include "model/cellmarks.h"
#include "model/grid.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/teacherindex.h"
#include "schoolgenerator.h"
#include "silentuiport.h"
#include "workspace.h"

#include <QApplication>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <optional>

namespace {

using namespace orve;
using model::CellRef;

// One window with the scheduled school for every benchmark, on the scheduling tab.
struct Scene : bench::ScheduledWindow
{
    explicit Scene(bool dailyRules = false) : ScheduledWindow(dailyRules)
    {
        window.tabs()->setCurrentIndex(3);
        QApplication::processEvents();
    }

    model::Grid& grid() { return ws().school.masterTimetable; }
    adjust::ClickResult click(CellRef at, Qt::MouseButton button = Qt::LeftButton)
    {
        const adjust::ClickResult result =
            adjust::releaseOnTimetable(ws(), window.uiPort(), at, button, Qt::NoModifier);
        QApplication::processEvents();
        return result;
    }

    // A dark-cyan lesson of the picked lesson's row whose exchange double-books one teacher.
    std::optional<CellRef> clashingPartner();

    // The first cell of the class row coloured `colour` after picking `picked`, whose
    // exchange has the swap-conflict code `code` (any code when negative).
    std::optional<CellRef> partner(CellRef picked, model::Colour colour, int code = -1)
    {
        const scheduler::TeacherIndex index(grid(), scheduler::CellReading::Bookings);
        click(picked);
        std::optional<CellRef> found;
        for (int c = 1; c < grid().columnCount() && !found; ++c)
            if (grid().cell({picked.row, c}).backColour == colour &&
                (code < 0 || index.swapConflict(picked, {picked.row, c}) == code))
                found = CellRef{picked.row, c};
        click(picked, Qt::RightButton);
        return found;
    }
};

// Made once and never destroyed: it must not outlive the application object at exit.
Scene& scene()
{
    static Scene* shared = new Scene;
    return *shared;
}

// A lesson in the middle of the timetable.
constexpr CellRef Picked{77, 23};

std::optional<CellRef> Scene::clashingPartner()
{
    std::optional<CellRef> found;
    for (const int code : {1, 2})
        if (!found)
            found = partner(Picked, model::ClashingColour, code);
    return found;
}

void BM_FirstClickColouring(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        s.click(Picked);
        state.PauseTiming();
        s.click(Picked); // picked again: the row is plain
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstClickColouring)->Unit(benchmark::kMillisecond);

// The same with every teacher kept out of 30 % of the week: each slot is weighed against the
// rules too.
void BM_FirstClickColouringTeachersKeptOut(benchmark::State& state)
{
    Scene& s = scene();
    bench::keepTeachersOut(s.ws(), 0.3, 1);
    for (auto _ : state) {
        s.click(Picked);
        state.PauseTiming();
        s.click(Picked);
        state.ResumeTiming();
    }
    s.ws().school.rules = {};
    emit s.ws().notifier.conditionsChanged();
}
BENCHMARK(BM_FirstClickColouringTeachersKeptOut)->Unit(benchmark::kMillisecond);

// The first click on half of a double period, in the school scheduled with course maxima and
// double periods: every period is weighed as the place of the pair. A window of its own, made
// once like the other.
void BM_FirstClickColouringDoublePeriod(benchmark::State& state)
{
    static Scene* const daily = new Scene(true);
    const adjust::SwapRules rules(daily->ws());
    std::optional<CellRef> half;
    for (int r = Picked.row; r < daily->grid().rowCount() && !half; ++r)
        for (int c = 1; c < daily->grid().columnCount() && !half; ++c)
            if (rules.pairedColumn({r, c}))
                half = CellRef{r, c};
    if (!half)
        return state.SkipWithError("no double period in the timetable");
    for (auto _ : state) {
        daily->click(*half);
        state.PauseTiming();
        daily->click(*half);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstClickColouringDoublePeriod)->Unit(benchmark::kMillisecond);

void BM_PlainSwap(benchmark::State& state)
{
    Scene& s = scene();
    const std::optional<CellRef> green = s.partner(Picked, model::SwappableColour);
    if (!green)
        return state.SkipWithError("no green lesson in the row");
    for (auto _ : state) {
        state.PauseTiming();
        s.click(Picked);
        state.ResumeTiming();
        s.click(*green);
        state.PauseTiming();
        adjust::undoHandChange(s.ws(), s.window.uiPort());
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlainSwap)->Unit(benchmark::kMillisecond);

void BM_RightClickClearsEveryMark(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        state.PauseTiming();
        s.click(Picked);
        state.ResumeTiming();
        s.click(Picked, Qt::RightButton);
    }
}
BENCHMARK(BM_RightClickClearsEveryMark)->Unit(benchmark::kMillisecond);

// The forced swap into a column where the incoming teacher teaches another class: the
// exchange, the repair of that class (a fresh clock-seeded generator each time), the marks
// cleared and the conflict list brought up to date.
void BM_ForcedSwap(benchmark::State& state)
{
    Scene& s = scene();
    const std::optional<CellRef> clashing = s.clashingPartner();
    if (!clashing)
        return state.SkipWithError("no dark-cyan lesson with one clash in the row");
    s.ws().session.forcedSwapMode = true;
    const model::Grid before = s.grid();
    double cellsMoved = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.click(Picked);
        state.ResumeTiming();
        s.click(*clashing);
        state.PauseTiming();
        for (int r = 2; r < before.rowCount(); ++r)
            for (int c = 1; c < before.columnCount(); ++c)
                cellsMoved += s.grid().text({r, c}) != before.text({r, c}) ? 1 : 0;
        adjust::undoHandChange(s.ws(), s.window.uiPort());
        QApplication::processEvents();
        state.ResumeTiming();
    }
    s.ws().session.forcedSwapMode = false;
    // More than the two cells of the picked class: the repair moved lessons elsewhere.
    state.counters["cells_moved"] =
        benchmark::Counter(cellsMoved, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ForcedSwap)->Unit(benchmark::kMillisecond);

// Undoing a forced swap with its repair.
void BM_UndoForcedSwap(benchmark::State& state)
{
    Scene& s = scene();
    const std::optional<CellRef> clashing = s.clashingPartner();
    if (!clashing)
        return state.SkipWithError("no dark-cyan lesson with one clash in the row");
    s.ws().session.forcedSwapMode = true;
    for (auto _ : state) {
        state.PauseTiming();
        s.click(Picked);
        s.click(*clashing);
        state.ResumeTiming();
        adjust::undoHandChange(s.ws(), s.window.uiPort());
        QApplication::processEvents();
    }
    s.ws().session.forcedSwapMode = false;
}
BENCHMARK(BM_UndoForcedSwap)->Unit(benchmark::kMillisecond);

} // namespace
