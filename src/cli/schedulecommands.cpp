#include "schedulecommands.h"

#include "clischool.h"
#include "cliuiport.h"
#include "exitcodes.h"
#include "model/grid.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/timetablecount.h"
#include "workspace.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <optional>

namespace orve::cli {

namespace {

struct ScheduleOptions
{
    QString in;
    QString out;
    quint64 seed = 0;
    int runs = 1;
};

std::optional<ScheduleOptions> parseSchedule(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return std::nullopt;
    ScheduleOptions options{arguments.at(0), arguments.at(1),
                            scheduler::SeededRandom::clockSeed(), 1};
    for (int i = 2; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size())
            return std::nullopt;
        bool ok = false;
        if (arguments.at(i) == QStringLiteral("--seed"))
            options.seed = arguments.at(i + 1).toULongLong(&ok);
        else if (arguments.at(i) == QStringLiteral("--runs"))
            options.runs = arguments.at(i + 1).toInt(&ok);
        if (!ok || options.runs < 1)
            return std::nullopt;
    }
    return options;
}

QJsonObject countJson(const scheduler::TimetableCount& count)
{
    return {{QStringLiteral("classes"), count.classes},
            {QStringLiteral("slots_per_week"), count.slots_per_week},
            {QStringLiteral("periods_planned"), count.periods_planned},
            {QStringLiteral("lessons_placed"), count.lessons_placed},
            {QStringLiteral("unplaced"), count.unplaced},
            {QStringLiteral("double_bookings"), count.double_bookings},
            {QStringLiteral("conflict_entries_left"), count.conflict_entries_left}};
}

void printJsonLine(const QJsonObject& object)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
}

// The best timetable so far: its cells and conflict list, and its figures.
struct BestRun
{
    model::Grid timetable;
    QStringList conflicts;
    std::optional<scheduler::TimetableCount> count;
    scheduler::RunProblems problems;
};

} // namespace

int schedule(const QStringList& arguments)
{
    const std::optional<ScheduleOptions> options = parseSchedule(arguments);
    if (!options)
        return usage();
    Workspace ws;
    if (!openSchool(ws, options->in))
        return FileFailed;

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
    for (const QString& message : scheduler::problemMessages(best.problems))
        printLine(message);
    if (!saveSchool(ws, options->out))
        return FileFailed;

    QJsonObject line = countJson(*best.count);
    line.insert(QStringLiteral("runs"), options->runs);
    line.insert(QStringLiteral("seed"), QString::number(options->seed));
    line.insert(QStringLiteral("ms"), elapsed);
    printJsonLine(line);
    return Done;
}

int check(const QString& in)
{
    Workspace ws;
    if (!openSchool(ws, in))
        return FileFailed;
    printJsonLine(countJson(scheduler::countTimetable(ws)));
    return Done;
}

} // namespace orve::cli
