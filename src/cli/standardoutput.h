// What orve-cli prints on standard output: every write is flushed and checked at once, so
// that output cut short by a full disk or a file-size limit is an error (exit 1, the reason on
// standard error) instead of a success with half a JSON document.
#pragma once

#include <QByteArray>

class QJsonObject;

namespace orve::cli {

// Writes the bytes and flushes them; false, with the reason on standard error, when not all
// of them reached their place.
bool writeStandardOutput(const QByteArray& bytes);

// One compact JSON object on a line of its own.
bool printJsonLine(const QJsonObject& object);

} // namespace orve::cli
