// Reading a whole course-settings file as Open does: into an opened school that takes the
// place of the open one only when every line was read.
#pragma once

#include "readerror.h"

#include "model/chinesenumeral.h"
#include "model/grid.h"
#include "model/school.h"

#include <QByteArray>
#include <QString>

namespace orve {
struct Workspace;
}

namespace orve::fileio {

// Course-settings files are small; anything larger is not one.
inline constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// What Open reads into before anything is replaced: the school, and the fixed-lesson grid and
// figures laid out for its week.
struct OpenedSchool
{
    model::School school;
    model::Grid fixedLessonGrid;
    model::ChineseNumeral numerals;
    int periodsPerDay = 0;
    bool timetableLoaded = false;
};

// Reads a regular file, at most `limit` + 1 bytes of it: more than `limit` bytes means a file
// too large for the caller. Returns why it could not be read; empty when it was read.
QString readRegularFile(const QString& path, qint64 limit, QByteArray& bytes);

// The whole file. On failure the error has line 0 and the reason.
ReadError loadFile(const QString& path, QByteArray& bytes);

// A copy of the open school to read into: the grids keep their layout and view sizes, and
// fields a file leaves out keep their texts.
OpenedSchool openingFrom(const Workspace& ws);

// readTaggedValues, the layout of both grids, readGridCells, and the fixed marks a file does not
// keep. A line that looks damaged although it could be read is reported in `warning`.
ReadError readSchool(OpenedSchool& opened, const QByteArray& bytes, ReadWarning* warning = nullptr);

// The opened school becomes the open one; selections and choices of the old one are gone.
void takeOpenedSchool(Workspace& ws, OpenedSchool opened);

// All of the above without asking: the open school is replaced when the whole file was read,
// even when a line looks damaged (then reported in `warning`).
ReadError openSchoolFile(Workspace& ws, const QString& path, ReadWarning* warning = nullptr);

} // namespace orve::fileio
