// orve-cli schedule, optimise and check: scheduling runs and the optimiser in batch, and the
// figures of a timetable.
#pragma once

#include <QStringList>

namespace orve::cli {

// schedule IN OUT [--seed N] [--runs K] [--optimise [--time S] [--steps K]
// [--allow-main-afternoon]]: K runs with seeds N, N+1, …; the timetable with the fewest double
// bookings is saved to OUT, optimised first when asked. Prints one JSON line. Returns the exit
// status.
int schedule(const QStringList& arguments);

// optimise IN OUT [--seed N] [--time S] [--steps K] [--allow-main-afternoon]: removes the
// double bookings of IN's timetable and saves the result to OUT. Prints one JSON line.
int optimise(const QStringList& arguments);

// check IN: prints the figures of the file's timetable as one JSON line.
int check(const QString& in);

} // namespace orve::cli
