#include "schedulecommands.h"

#include "clischool.h"
#include "cliuiport.h"
#include "exitcodes.h"
#include "model/grid.h"
#include "optimiser/optimisecommand.h"
#include "scheduler/randomsource.h"
#include "scheduler/rulefit.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/timetablecount.h"
#include "standardoutput.h"
#include "subcommand.h"
#include "workspace.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <cmath>
#include <optional>

namespace orve::cli {

namespace {

struct Options
{
    QString in;
    QString out;
    quint64 seed = 0;
    int runs = 1;
    bool optimise = false;
    optimiser::OptimiserOptions optimiser;
};

// Reads the value of an option into `options`; false when the value is missing or wrong.
bool readValue(const QString& name, const QString& value, Options& options)
{
    bool ok = false;
    if (name == QStringLiteral("seed")) {
        options.seed = value.toULongLong(&ok);
    } else if (name == QStringLiteral("runs")) {
        options.runs = value.toInt(&ok);
        ok = ok && options.runs >= 1;
    } else if (name == QStringLiteral("time")) {
        const double seconds = value.toDouble(&ok);
        ok = ok && seconds > 0 && seconds < 3600;
        options.optimiser.timeLimitMs = qint64(std::llround(seconds * 1000));
    } else if (name == QStringLiteral("steps")) {
        options.optimiser.stepBudget = value.toLongLong(&ok);
        ok = ok && *options.optimiser.stepBudget >= 0;
    }
    return ok;
}

// The call's files and options; none when an option's value is wrong.
std::optional<Options> parse(const Call& call)
{
    Options options;
    options.in = call.files.at(0);
    options.out = call.files.at(1);
    options.seed = scheduler::SeededRandom::clockSeed();
    const QCommandLineParser& parsed = call.options;
    for (const QString& name : parsed.optionNames()) {
        if (name == QStringLiteral("optimise"))
            options.optimise = true;
        else if (name == QStringLiteral("allow-main-afternoon"))
            options.optimiser.allowMainAfternoon = true;
        else if (!readValue(name, parsed.value(name), options))
            return std::nullopt;
    }
    options.optimiser.seed = options.seed;
    return options;
}

QCommandLineOption valued(const QString& name, const QString& valueName)
{
    return QCommandLineOption(name, QString(), valueName);
}

// The lessons breaking each kind of rule.
QJsonObject ruleJson(const scheduler::TimetableCount& count)
{
    QJsonObject kinds;
    for (int k = 0; k < conditions::RuleKindCount; ++k)
        kinds.insert(conditions::ruleKindKey(conditions::RuleKind(k)),
                     count.rule_violations[std::size_t(k)]);
    return kinds;
}

QJsonObject countJson(const scheduler::TimetableCount& count)
{
    return {{QStringLiteral("classes"), count.classes},
            {QStringLiteral("slots_per_week"), count.slots_per_week},
            {QStringLiteral("periods_planned"), count.periods_planned},
            {QStringLiteral("lessons_placed"), count.lessons_placed},
            {QStringLiteral("unplaced"), count.unplaced},
            {QStringLiteral("double_bookings"), count.double_bookings},
            {QStringLiteral("conflict_entries_left"), count.conflict_entries_left},
            {QStringLiteral("rule_violations"), ruleJson(count)}};
}

QString stopName(optimiser::StopReason reason)
{
    switch (reason) {
    case optimiser::StopReason::Finished:
        return QStringLiteral("finished");
    case optimiser::StopReason::StepBudget:
        return QStringLiteral("steps");
    case optimiser::StopReason::TimeLimit:
        return QStringLiteral("time");
    case optimiser::StopReason::Cancelled:
        return QStringLiteral("cancelled");
    }
    return {};
}

// What an optimiser run adds to the JSON line; `suffix` ends the names of the figures before it.
void addOptimiseJson(QJsonObject& line, const optimiser::OptimiseOutcome& outcome,
                     const Options& options, const QString& suffix)
{
    line.insert(QStringLiteral("double_bookings_before") + suffix, outcome.before.double_bookings);
    line.insert(QStringLiteral("unplaced_before") + suffix, outcome.before.unplaced);
    line.insert(QStringLiteral("rule_violations_before") + suffix, ruleJson(outcome.before));
    line.insert(QStringLiteral("double_bookings_lower_bound"),
                outcome.report.doubleBookingLowerBound);
    line.insert(QStringLiteral("unplaced_lower_bound"), outcome.report.unplacedLowerBound);
    line.insert(QStringLiteral("rule_violations_lower_bound"),
                outcome.report.ruleViolationLowerBound);
    line.insert(QStringLiteral("optimise_steps"), outcome.report.steps);
    line.insert(QStringLiteral("optimise_stop"), stopName(outcome.report.stop));
    line.insert(QStringLiteral("main_rule"), options.optimiser.allowMainAfternoon
                                                 ? QStringLiteral("allow-main-afternoon")
                                                 : QStringLiteral("strict"));
    if (outcome.report.triedRelaxed)
        line.insert(QStringLiteral("double_bookings_only_with_main_afternoon"),
                    outcome.report.onlyWithMainAfternoon);
}

// The best timetable so far: its cells and conflict list, and its figures.
struct BestRun
{
    model::Grid timetable;
    model::Conflicts conflicts;
    std::optional<scheduler::TimetableCount> count;
    scheduler::RunProblems problems;
};

} // namespace

QList<QCommandLineOption> scheduleOptions()
{
    return {valued(QStringLiteral("seed"), QStringLiteral("N")),
            valued(QStringLiteral("runs"), QStringLiteral("K")),
            QCommandLineOption(QStringLiteral("optimise")),
            valued(QStringLiteral("time"), QStringLiteral("S")),
            valued(QStringLiteral("steps"), QStringLiteral("K")),
            QCommandLineOption(QStringLiteral("allow-main-afternoon"))};
}

QList<QCommandLineOption> optimiseOptions()
{
    return {valued(QStringLiteral("seed"), QStringLiteral("N")),
            valued(QStringLiteral("time"), QStringLiteral("S")),
            valued(QStringLiteral("steps"), QStringLiteral("K")),
            QCommandLineOption(QStringLiteral("allow-main-afternoon"))};
}

int schedule(const Call& call)
{
    const std::optional<Options> options = parse(call);
    if (!options)
        return usage();
    Workspace ws;
    if (!openSchool(ws, options->in))
        return FileFailed;

    if (const QString cannot = scheduler::rulesThatCannotHoldMessage(
            scheduler::rulesThatCannotHold(ws.school, ws.school.week.periodsPerDay()));
        !cannot.isEmpty())
        printLine(cannot);
    QElapsedTimer clock;
    clock.start();
    CliUiPort ui({});
    BestRun best;
    for (int run = 0; run < options->runs; ++run) {
        scheduler::SeededRandom random(options->seed + quint64(run));
        scheduler::RunProblems problems = scheduler::scheduleTimetable(ws, ui, random);
        const scheduler::TimetableCount count = scheduler::countTimetable(ws);
        if (!best.count || count.double_bookings < best.count->double_bookings) {
            best.timetable = ws.school.masterTimetable;
            best.conflicts = ws.session.conflicts;
            best.count = count;
            best.problems = std::move(problems);
        }
    }
    const qint64 elapsed = clock.elapsed();
    ws.school.masterTimetable = best.timetable;
    ws.session.conflicts = best.conflicts;
    std::optional<optimiser::OptimiseOutcome> optimised;
    if (options->optimise) {
        optimised = optimiser::removeDoubleBookings(ws, options->optimiser, nullptr, &*best.count);
        // What is left unplaced is what the optimiser left, not what the run left.
        if (optimised->ran)
            best.problems.unplacedCombined = optimised->unplacedCombined;
    }
    for (const QString& message : scheduler::problemMessages(best.problems))
        printLine(message);
    if (!saveSchool(ws, options->out))
        return FileFailed;

    QJsonObject line = countJson(optimised ? optimised->after : *best.count);
    line.insert(QStringLiteral("runs"), options->runs);
    line.insert(QStringLiteral("seed"), QString::number(options->seed));
    line.insert(QStringLiteral("ms"), elapsed);
    if (optimised) {
        addOptimiseJson(line, *optimised, *options, QStringLiteral("_optimise"));
        line.insert(QStringLiteral("optimise_ms"), optimised->milliseconds);
    }
    return printJsonLine(line) ? Done : FileFailed;
}

int optimise(const Call& call)
{
    const std::optional<Options> options = parse(call);
    if (!options)
        return usage();
    Workspace ws;
    if (!openSchool(ws, options->in))
        return FileFailed;
    const optimiser::OptimiseOutcome outcome =
        optimiser::removeDoubleBookings(ws, options->optimiser);
    if (!saveSchool(ws, options->out))
        return FileFailed;
    QJsonObject line = countJson(outcome.after);
    line.insert(QStringLiteral("seed"), QString::number(options->seed));
    line.insert(QStringLiteral("ms"), outcome.milliseconds);
    addOptimiseJson(line, outcome, *options, QString());
    return printJsonLine(line) ? Done : FileFailed;
}

int check(const Call& call)
{
    Workspace ws;
    if (!openSchool(ws, call.files.at(0)))
        return FileFailed;
    return printJsonLine(countJson(scheduler::countTimetable(ws))) ? Done : FileFailed;
}

} // namespace orve::cli
