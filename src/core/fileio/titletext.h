// The title of the timetable takes only texts that the course-settings file gives back
// unchanged.
#pragma once

#include <QString>

namespace orve {
struct Workspace;
}

namespace orve::fileio {

// The text as the title keeps it: a comma becomes "，", line breaks go, blanks and tabs at the
// start go and a double quote at the start becomes "“" (the file's reader would drop them or
// end the title there).
QString tidyTitle(QStringView typed);

// What the user typed into the title field, tidied; the title as kept.
const QString& setTitle(Workspace& ws, QStringView typed);

} // namespace orve::fileio
