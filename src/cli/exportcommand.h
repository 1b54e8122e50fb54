// orve-cli export: the timetables of a course-settings file as a PDF file, CSV tables or HTML
// pages, the same files the window's 打印输出 menu writes.
#pragma once

#include <QStringList>

namespace orve::cli {

// Whether the call asks for a PDF, which needs Qt's drawing (and so a GUI application object
// on the offscreen platform) where the other commands need the core alone.
bool exportNeedsDrawing(int argc, char* argv[]);

// export IN (--pdf OUT | --csv DIR | --html DIR)... [--what master,classes,teachers]
// Prints one JSON line with what was written. Returns the exit status.
int exportTimetables(const QStringList& arguments);

} // namespace orve::cli
