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

// Copies every table Open writes. Open reads into a fresh set that starts as a copy of the
// open school's (the grids keep their layout and sizes, and fields a file leaves out keep
// their texts) and copies it back once the whole file was read.
void copyOpenedTables(const Workspace& from, Workspace& to);

// open_data, the layout of both grids, open_zkcb. A line that looks damaged although it could
// be read is reported in `warning`.
ReadError readSchool(Workspace& fresh, const QByteArray& bytes, ReadWarning* warning = nullptr);

// All of the above without asking: the open school is replaced when the whole file was read,
// even when a line looks damaged (then reported in `warning`).
ReadError openSchoolFile(Workspace& ws, const QString& path, ReadWarning* warning = nullptr);

} // namespace orve::fileio
