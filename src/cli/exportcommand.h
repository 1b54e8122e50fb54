// orve-cli export: the timetables of a course-settings file as a PDF file or as table files of
// each format (exchange::timetableFormats), the same files the window's 打印输出 menu writes.
#pragma once

#include <QCommandLineOption>
#include <QList>

namespace orve::cli {

struct Call;

// Whether the call asks for a PDF, which needs Qt's drawing (and so a GUI application object
// on the offscreen platform) where the other commands need the core alone.
bool exportNeedsDrawing(int argc, char* argv[]);

// export IN (--pdf OUT | --csv DIR | --html DIR | …)... [--what master,classes,teachers]
// [--paper A4|A3]: prints one JSON line with what was written. Returns the exit status.
int exportTimetables(const Call& call);
QList<QCommandLineOption> exportOptions();

} // namespace orve::cli
