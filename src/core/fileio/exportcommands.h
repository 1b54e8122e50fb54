// 导出为 CSV 表格, 导出为 HTML 网页 and the other table formats: the school's timetables
// written into a folder the user chooses, one file per kind.
#pragma once

#include "filecommands.h"
#include "timetablefiles.h"

namespace orve::fileio {

// Writes the files into `folder` (made when missing) as one set: the files there are replaced
// only when every new one is complete, and otherwise all stay as they were; a file without
// bytes (its writer failed) writes none. Returns what to tell the user when the set could not
// be written; empty when it was.
QString writeTimetableFiles(const QString& folder, const std::vector<TimetableFile>& files);

// Asks for a folder, asks before replacing files of the same names there, writes the master,
// class and teacher timetables and tells the user where they went or why they did not.
CommandOutcome exportTimetableFiles(Workspace& ws, UiPort& ui, const TableFormat& format);

} // namespace orve::fileio
