// Reading a whole course-settings file as Open does: into a fresh set of tables, which take
// the place of the open school's tables only when every line was read.
#pragma once

#include "readerror.h"

#include <QByteArray>
#include <QString>

namespace orve {
struct Workspace;
}

namespace orve::fileio {

// Course-settings files are small; anything larger is not one.
inline constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// The whole file. On failure the error has line 0 and the system's reason.
ReadError loadFile(const QString& path, QByteArray& bytes);

// Gives `fresh` what Open keeps of the open school: the grids with their layout and sizes,
// the week fields and the title (a file may leave them out).
void prepareFresh(const Workspace& current, Workspace& fresh);

// open_data, the layout of both grids, open_zkcb.
ReadError readSchool(Workspace& fresh, const QByteArray& bytes);

// Hands the tables Open writes over to the open school.
void adoptSchool(Workspace& ws, const Workspace& opened);

// All of the above: the open school is replaced only when the whole file was read.
ReadError openSchoolFile(Workspace& ws, const QString& path);

} // namespace orve::fileio
