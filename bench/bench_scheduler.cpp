// How long a scheduling run takes on generated schools of 12, 60 and 150 classes, and how good
// its timetables are: the double bookings and conflict entries it leaves, as the median over
// 20 seeds (one seed per iteration). The window variant runs the command as the user starts
// it, with its labels, the hidden timetable and paced event processing, and repaints after.
// Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include "commands/schedulingcommand.h"
#include "grid/gridpage.h"
#include "grid/gridview.h"
#include "mainwindow.h"
#include "pages/schedulingpage.h"
#include "pages/schedulingstatus.h"
#include "platform/pacedeventport.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/timetablecount.h"
#include "schoolgenerator.h"
#include "uiport.h"
#include "workspace.h"

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>
#include <vector>

namespace {

using namespace orve;

// The window as a batch run sees it: no boxes, events counted only.
class SilentUiPort : public UiPort
{
public:
    MessageAnswer message(const QString&, MessageButtons, const QString&, MessageIcon) override
    {
        return MessageAnswer::Ok;
    }
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    void processEvents() override { ++events; }
    void showTab(MainTab) override {}
    void giveFocus(FocusTarget) override {}
    long long events = 0;
};

bench::SchoolShape shapeFor(int classes)
{
    bench::SchoolShape shape;
    shape.classes = classes;
    if (classes <= 12) {
        shape.courses = 9;
        shape.days = 5;
        shape.morningPeriods = 4;
        shape.afternoonPeriods = 3;
        shape.eveningPeriods = 0;
    } else if (classes <= 60) {
        shape.courses = 12;
        shape.days = 6;
        shape.morningPeriods = 4;
        shape.afternoonPeriods = 4;
        shape.eveningPeriods = 0;
    }
    return shape;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void measureRuns(benchmark::State& state, const bench::SchoolShape& shape,
                 double keptOut = 0, bool dailyRules = false)
{
    Workspace ws;
    bench::generateSchool(ws, shape);
    if (keptOut > 0)
        bench::keepTeachersOut(ws, keptOut, 1);
    if (dailyRules)
        bench::addDailyRules(ws.school);
    std::vector<double> violations;
    SilentUiPort ui;
    std::vector<double> doubleBookings;
    std::vector<double> conflictsLeft;
    std::vector<double> unplaced;
    quint64 seed = 0;
    for (auto _ : state) {
        scheduler::SeededRandom random(++seed);
        scheduler::scheduleTimetable(ws, ui, random);
        state.PauseTiming();
        const scheduler::TimetableCount count = scheduler::countTimetable(ws);
        doubleBookings.push_back(count.double_bookings);
        conflictsLeft.push_back(count.conflict_entries_left);
        unplaced.push_back(count.unplaced);
        violations.push_back(std::accumulate(count.rule_violations.begin(), count.rule_violations.end(), 0));
        state.ResumeTiming();
    }
    state.counters["rule_violations_median"] = median(violations);
    state.counters["double_bookings_median"] = median(doubleBookings);
    state.counters["conflicts_left_median"] = median(conflictsLeft);
    state.counters["unplaced_median"] = median(unplaced);
    state.counters["events_per_run"] = double(ui.events) / double(std::max<quint64>(seed, 1));
}
void BM_SchedulingRun(benchmark::State& state)
{
    measureRuns(state, shapeFor(int(state.range(0))));
}
BENCHMARK(BM_SchedulingRun)
    ->Arg(12)
    ->Arg(60)
    ->Arg(150)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// The same schools with every teacher kept out of 30 % of the week's periods.
void BM_SchedulingRunTeachersKeptOut(benchmark::State& state)
{
    measureRuns(state, shapeFor(int(state.range(0))), 0.3);
}
BENCHMARK(BM_SchedulingRunTeachersKeptOut)
    ->Arg(150)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// The same schools with the daily rules most schools keep: course maxima and double periods.
void BM_SchedulingRunDailyRules(benchmark::State& state)
{
    measureRuns(state, shapeFor(int(state.range(0))), 0, true);
}
BENCHMARK(BM_SchedulingRunDailyRules)
    ->Arg(150)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// A school near its limits: every teacher takes a course in 7 classes and 97 % of the week
// is planned, so the repairs have real work left (at 60 classes the main-course teachers have
// more periods than the week has slots, so some double bookings cannot go).
bench::SchoolShape tightShape(int classes)
{
    bench::SchoolShape shape = shapeFor(classes);
    shape.classesPerTeacher = 7;
    shape.load = 0.97;
    return shape;
}

void BM_SchedulingRunTight(benchmark::State& state)
{
    measureRuns(state, tightShape(int(state.range(0))));
}
BENCHMARK(BM_SchedulingRunTight)->Arg(60)->Arg(150)->Iterations(20)->Unit(benchmark::kMillisecond);

// Answers every box at once, and lets the window's events run as the real command does.
class WindowPort : public SilentUiPort
{
public:
    explicit WindowPort(UiPort& window) : paced_(window) {}
    void processEvents() override
    {
        ++events;
        paced_.processEvents();
    }

private:
    ui::PacedEventPort paced_;
};

void BM_SchedulingRunInWindow(benchmark::State& state)
{
    ui::MainWindow window;
    window.resize(1280, 700);
    window.show();
    const int classes = int(state.range(0));
    bench::generateSchool(window.workspace(),
                          state.range(1) ? tightShape(classes) : shapeFor(classes));
    ui::SchedulingCommand& command = *window.findChild<ui::SchedulingCommand*>();
    WindowPort port(window.uiPort());
    quint64 seed = 0;
    for (auto _ : state) {
        scheduler::SeededRandom random(++seed);
        scheduler::runScheduling(window.workspace(), port, random, command);
        QApplication::processEvents();
    }
    state.counters["events_asked_per_run"] =
        double(port.events) / double(std::max<quint64>(seed, 1));
}
BENCHMARK(BM_SchedulingRunInWindow)
    ->Args({150, 0})
    ->Args({150, 1})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

} // namespace
