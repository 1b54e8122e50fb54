// orve-cli schedule, optimise and check: scheduling runs and the optimiser in batch, and the
// figures of a timetable.
#pragma once

#include <QCommandLineOption>
#include <QList>

namespace orve::cli {

struct Call;

// schedule IN OUT [--seed N] [--runs K] [--optimise [--time S] [--steps K]
// [--allow-main-afternoon]]: K runs with seeds N, N+1, …; the timetable with the fewest double
// bookings is saved to OUT, optimised first when asked. Prints one JSON line. Returns the exit
// status.
int schedule(const Call& call);
QList<QCommandLineOption> scheduleOptions();

// optimise IN OUT [--seed N] [--time S] [--steps K] [--allow-main-afternoon]: removes the
// double bookings of IN's timetable and saves the result to OUT. Prints one JSON line.
int optimise(const Call& call);
QList<QCommandLineOption> optimiseOptions();

// check IN: prints the figures of the file's timetable as one JSON line.
int check(const Call& call);

} // namespace orve::cli
