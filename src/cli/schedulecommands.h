// orve-cli schedule and check: scheduling runs in batch, and the figures of a timetable.
#pragma once

#include <QStringList>

namespace orve::cli {

// schedule IN OUT [--seed N] [--runs K]: K runs with seeds N, N+1, …; the timetable with the
// fewest double bookings is saved to OUT. Prints one JSON line. Returns the exit status.
int schedule(const QStringList& arguments);

// check IN: prints the figures of the file's timetable as one JSON line.
int check(const QString& in);

} // namespace orve::cli
