// Opening a course-settings file in orve-cli exactly as the program's Open command does.
#pragma once

#include <QString>

namespace orve {
struct Workspace;
}

namespace orve::cli {

// Starts the tables up and opens `path` into them; false (reason on stderr) when it failed.
bool openSchool(Workspace& ws, const QString& path);

// Writes the tables to `path` with the program's writer; false (reason on stderr) on failure.
bool saveSchool(Workspace& ws, const QString& path);

} // namespace orve::cli
