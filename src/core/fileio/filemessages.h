// What the file commands tell the user when a file cannot be read or written.
#pragma once

#include <QString>

namespace orve::fileio {

struct ReadError;
struct SaveResult;

QString openFailureMessage(const QString& path, const ReadError& error);
QString saveFailureMessage(const QString& path, const SaveResult& result);

} // namespace orve::fileio
