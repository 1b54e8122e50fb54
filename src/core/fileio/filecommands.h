// The four commands of the file menu: New, Open, Save and Save As.
#pragma once

#include <QString>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::fileio {

enum class CommandOutcome {
    Done,
    Cancelled, // the user cancelled a dialog; nothing changed
    Failed,    // the user was told why; the tables (or the file) are as they were
};

// The file-type list of every file dialog.
QString fileFilter();

// Starts an empty school; keeps the week fields, the title and the I/O path.
CommandOutcome newSchool(Workspace& ws, UiPort& ui);

// Asks for a file and loads it. The open school is replaced only when the whole file was
// read; otherwise a message names the file and the line that could not be read.
CommandOutcome openSchool(Workspace& ws, UiPort& ui);

// Writes to the document path, asking for a name first when there is none. The document path
// takes the chosen name only once the file was written.
CommandOutcome saveSchool(Workspace& ws, UiPort& ui);

// Writes to a chosen file; the document path stays as it was.
CommandOutcome saveSchoolAs(Workspace& ws, UiPort& ui);

} // namespace orve::fileio
