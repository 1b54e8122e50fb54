// Why the system refused to read or write a file, told in Chinese. The reason comes from the
// error number of the failing call (captured at once, before anything else can change it) and
// from what the path is; the system's own English text is added only when no Chinese one fits.
#pragma once

#include <QString>

namespace orve::fileio {

enum class FileAccess { Read, Write };

// The reason for an error number; `systemText` is shown in parentheses when the number is
// not one the program knows.
QString systemErrorReason(int errorNumber, FileAccess access, const QString& systemText);

// Why the path cannot be read or written as a course-settings file before any attempt: a
// folder, a device or pipe, a file or folder that is missing. Empty when nothing stands in
// the way that can be seen beforehand. Symbolic links are followed.
QString pathRefusal(const QString& path, FileAccess access);

// A file-size limit stops a process with a signal at the first write beyond it; with the
// signal ignored the write fails instead and the user is told, like any other failed write.
void reportFileSizeLimitAsError();

} // namespace orve::fileio
