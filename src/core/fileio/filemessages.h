// What the file commands tell the user when a file cannot be read or written.
#pragma once

#include <QString>

namespace orve::fileio {

struct ReadError;
struct ReadWarning;
struct SaveResult;

// A file's path as a message quotes it: the system's separators, and hidden or
// direction-changing characters as code points.
QString shownPath(const QString& path);

QString openFailureMessage(const QString& path, const ReadError& error);
// Asks whether a file whose line looks damaged is to be opened all the same.
QString damagedFileQuestion(const QString& path, const ReadWarning& warning);
QString saveFailureMessage(const QString& path, const SaveResult& result);

} // namespace orve::fileio
