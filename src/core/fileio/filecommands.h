// The commands of the file menu: New, Open (through the dialog or of a given file), Save and
// Save As, and the question that keeps unsaved work from being lost.
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

// Where the file dialogs start: the open document's folder, else the folder last used, else
// the user's documents folder (never the program's own, which an installation cannot write).
QString dialogFolder(const Workspace& ws);

// The file name a save dialog offers for `name` (a title): characters no file name may hold
// become "_", and "." and `suffix` follow.
QString offeredFileName(const QString& name, const QString& suffix);

// Before a command ends or replaces a school that changed since it was opened or saved: asks
// whether to save it (保存, 不保存, 取消). True when the command may go on: nothing changed,
// 不保存, or 保存 and the file was written. 取消, a cancelled save dialog or a failed save
// leave everything as it was and give false.
bool askToKeepWork(Workspace& ws, UiPort& ui);

// Starts an empty school; keeps the week fields, the title and the I/O path. Asks first about
// unsaved changes.
CommandOutcome newSchool(Workspace& ws, UiPort& ui);

// Asks about unsaved changes, then for a file, and loads it. The open school is replaced only
// when the whole file was read; otherwise a message names the file and the line that could not
// be read.
CommandOutcome openSchool(Workspace& ws, UiPort& ui);

// Open without the dialog: the file named on the command line or in the recent-files list.
// A file that is gone is told and dropped from the recent files.
CommandOutcome openSchoolPath(Workspace& ws, UiPort& ui, const QString& path);

// Writes to the document path, asking for a name first when there is none. The document path
// takes the chosen name only once the file was written.
CommandOutcome saveSchool(Workspace& ws, UiPort& ui);

// Writes to a chosen file; the document path stays as it was.
CommandOutcome saveSchoolAs(Workspace& ws, UiPort& ui);

} // namespace orve::fileio
