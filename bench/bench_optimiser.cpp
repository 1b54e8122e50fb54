// The scheduling run and the optimiser of 消除重课 on the real schools of the shared data folder
// and on generated ones.
//  BM_ScheduleSchool/<folder>/<school>: the scheduling run with its count, as orve-cli schedule
//    --seed 1 does it (seeds 1, 2, 3); the large schools with combined groups are the guard
//    against a slow "taught together" test. BM_ScheduleSchoolDailyRules: the same with
//    bench::addDailyRules (course maxima, double periods) added to the school.
//  BM_OptimiseSchool/<folder>/<school>/<rule>: a scheduling run per iteration (seed 1, 2, 3, not timed),
//    then the optimiser with its default step budget (timed; rule 0 strict, 1 main lessons may
//    leave the morning). Counters: double bookings and unplaced periods before and after
//    (means; *_max the worst iteration), steps, and how many iterations the clock stopped.
//    BM_OptimiseSchoolDailyRules: the same, strict, with bench::addDailyRules: the guard on
//    the cost of weighing moves against course maxima and double periods.
//  BM_Schedule/N and BM_ScheduleAndOptimise/N: generated schools of N classes, the run with
//    its count alone (as orve-cli schedule) and followed by the optimiser (schedule --optimise),
//    the same seeds: what the optimiser adds to a run.
//  BM_OptimiseScrambled/N: the generated school's timetable with lessons exchanged at random
//    within their rows (as changes by hand might leave it), then the optimiser.
#include "model/cellmarks.h"
#include "model/grid.h"
#include "model/slots.h"
#include "optimiser/optimisecommand.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/timetablecount.h"
#include "realschools.h"
#include "schoolgenerator.h"
#include "silentuiport.h"
#include "workspace.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>

namespace {

using namespace orve;

constexpr int Seeds = 3;

struct Figures
{
    double doubleBookingsBefore = 0;
    double doubleBookingsAfter = 0;
    double worstAfter = 0;
    double unplacedBefore = 0;
    double unplacedAfter = 0;
    double worstUnplaced = 0;
    double steps = 0;
    double timedOut = 0;

    void add(const optimiser::OptimiseOutcome& outcome)
    {
        doubleBookingsBefore += outcome.before.double_bookings;
        doubleBookingsAfter += outcome.after.double_bookings;
        worstAfter = std::max(worstAfter, double(outcome.after.double_bookings));
        unplacedBefore += outcome.before.unplaced;
        unplacedAfter += outcome.after.unplaced;
        worstUnplaced = std::max(worstUnplaced, double(outcome.after.unplaced));
        steps += double(outcome.report.steps);
        timedOut += outcome.report.stop == optimiser::StopReason::TimeLimit ? 1 : 0;
    }

    void report(benchmark::State& state) const
    {
        const double n = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
        state.counters["db_before"] = doubleBookingsBefore / n;
        state.counters["db_after"] = doubleBookingsAfter / n;
        state.counters["db_after_max"] = worstAfter;
        state.counters["unplaced_before"] = unplacedBefore / n;
        state.counters["unplaced_after"] = unplacedAfter / n;
        state.counters["unplaced_after_max"] = worstUnplaced;
        state.counters["steps"] = steps / n;
        state.counters["stopped_by_clock"] = timedOut;
    }
};

void scheduleSchool(benchmark::State& state, const QString& path, bool dailyRules)
{
    Workspace ws;
    if (!bench::openRealSchool(state, ws, path))
        return;
    if (dailyRules)
        bench::addDailyRules(ws.school);
    SilentUiPort ui;
    double doubleBookings = 0;
    double violations = 0;
    quint64 seed = 0;
    for (auto _ : state) {
        scheduler::SeededRandom random(++seed);
        scheduler::scheduleTimetable(ws, ui, random);
        const scheduler::TimetableCount count = scheduler::countTimetable(ws);
        doubleBookings += count.double_bookings;
        violations += std::accumulate(count.rule_violations.begin(),
                                      count.rule_violations.end(), 0);
    }
    const double runs = double(std::max<quint64>(seed, 1));
    state.counters["double_bookings"] = doubleBookings / runs;
    state.counters["rule_violations"] = violations / runs;
}

void BM_ScheduleSchool(benchmark::State& state, const QString& path)
{
    scheduleSchool(state, path, false);
}

void BM_ScheduleSchoolDailyRules(benchmark::State& state, const QString& path)
{
    scheduleSchool(state, path, true);
}

void optimiseSchool(benchmark::State& state, const QString& path, bool dailyRules)
{
    Workspace ws;
    if (!bench::openRealSchool(state, ws, path))
        return;
    if (dailyRules)
        bench::addDailyRules(ws.school);
    SilentUiPort ui;
    optimiser::OptimiserOptions options;
    options.allowMainAfternoon = state.range(0) != 0;
    Figures figures;
    quint64 seed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scheduler::SeededRandom random(++seed);
        scheduler::scheduleTimetable(ws, ui, random);
        options.seed = seed;
        state.ResumeTiming();
        figures.add(optimiser::removeDoubleBookings(ws, options));
    }
    figures.report(state);
}

void BM_OptimiseSchool(benchmark::State& state, const QString& path)
{
    optimiseSchool(state, path, false);
}

void BM_OptimiseSchoolDailyRules(benchmark::State& state, const QString& path)
{
    optimiseSchool(state, path, true);
}

const bool schoolsRegistered = [] {
    for (benchmark::internal::Benchmark* b :
         bench::registerPerRealSchool("BM_ScheduleSchool", BM_ScheduleSchool))
        b->Iterations(Seeds)->UseRealTime()->Unit(benchmark::kMillisecond);
    for (benchmark::internal::Benchmark* b : bench::registerPerRealSchool(
             "BM_ScheduleSchoolDailyRules", BM_ScheduleSchoolDailyRules))
        b->Iterations(Seeds)->UseRealTime()->Unit(benchmark::kMillisecond);
    for (benchmark::internal::Benchmark* b :
         bench::registerPerRealSchool("BM_OptimiseSchool", BM_OptimiseSchool))
        b->Arg(0)->Arg(1)->Iterations(Seeds)->UseRealTime()->Unit(benchmark::kMillisecond);
    for (benchmark::internal::Benchmark* b : bench::registerPerRealSchool(
             "BM_OptimiseSchoolDailyRules", BM_OptimiseSchoolDailyRules))
        b->Arg(0)->Iterations(Seeds)->UseRealTime()->Unit(benchmark::kMillisecond);
    return true;
}();

bench::SchoolShape shapeFor(int classes)
{
    bench::SchoolShape shape;
    shape.classes = classes;
    return shape;
}

void scheduleGenerated(benchmark::State& state, bool optimise)
{
    Workspace ws;
    bench::generateSchool(ws, shapeFor(int(state.range(0))));
    SilentUiPort ui;
    Figures figures;
    quint64 seed = 0;
    for (auto _ : state) {
        scheduler::SeededRandom random(++seed);
        scheduler::scheduleTimetable(ws, ui, random);
        // orve-cli counts every run's timetable to pick the best.
        const scheduler::TimetableCount count = scheduler::countTimetable(ws);
        if (optimise) {
            optimiser::OptimiserOptions options;
            options.seed = seed;
            figures.add(optimiser::removeDoubleBookings(ws, options, nullptr, &count));
        }
    }
    figures.report(state);
}

void BM_Schedule(benchmark::State& state)
{
    scheduleGenerated(state, false);
}
BENCHMARK(BM_Schedule)->Arg(12)->Arg(60)->Arg(150)->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_ScheduleAndOptimise(benchmark::State& state)
{
    scheduleGenerated(state, true);
}
BENCHMARK(BM_ScheduleAndOptimise)
    ->Arg(12)
    ->Arg(60)
    ->Arg(150)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// Six exchanges per class row between cells without the fixed mark, so fixed lessons and
// combined groups stay where the run put them.
void scramble(model::Grid& timetable, quint64 seed)
{
    scheduler::SeededRandom random(seed);
    const int columns = timetable.columnCount();
    for (int r = model::FirstClassRow; r < timetable.rowCount(); ++r)
        for (int k = 0; k < 6; ++k) {
            const model::CellRef a{r, scheduler::drawSlotColumn(random, columns)};
            const model::CellRef b{r, scheduler::drawSlotColumn(random, columns)};
            if (timetable.cell(a).style != model::FixedMark &&
                timetable.cell(b).style != model::FixedMark)
                timetable.swapCells(a, b);
        }
}

void BM_OptimiseScrambled(benchmark::State& state)
{
    Workspace ws;
    bench::generateSchool(ws, shapeFor(int(state.range(0))));
    SilentUiPort ui;
    Figures figures;
    quint64 seed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scheduler::SeededRandom random(++seed);
        scheduler::scheduleTimetable(ws, ui, random);
        scramble(ws.school.masterTimetable, seed);
        optimiser::OptimiserOptions options;
        options.seed = seed;
        state.ResumeTiming();
        figures.add(optimiser::removeDoubleBookings(ws, options));
    }
    figures.report(state);
}
BENCHMARK(BM_OptimiseScrambled)
    ->Arg(12)
    ->Arg(60)
    ->Arg(150)
    ->Iterations(Seeds)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
