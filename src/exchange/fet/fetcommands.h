// 文件 → 导入 FET 文件... and 导出 FET 文件...: the commands on FET files, with what they tell
// the user, for the window (and anything else with a UiPort).
#pragma once

#include "fileio/filecommands.h"

namespace orve::model {
struct School;
}

namespace orve::exchange {

// "FET 文件 (*.fet);;所有文件 (*.*)".
QString fetFileFilter();

// The first lines of the reports: what a FET file brought or took.
QString fetImportHeading(const QString& path, const model::School& school);
QString fetExportHeading(const QString& path, const model::School& school);
// Why a FET file could not be read or written, for a message.
QString fetImportFailure(const QString& path, const QString& reason);
QString fetExportFailure(const QString& path, const QString& reason);

// Asks about unsaved changes as Open does, then for a FET file, and reads it into a new school
// that replaces the open one only when the file could be read. The school has no file of its
// own yet: it is marked changed and Save asks for a name. The report is shown in one message.
fileio::CommandOutcome importFetSchool(Workspace& ws, UiPort& ui);

// Asks for the file ("<title>.fet" offered in the school's folder) and writes the school into
// it through a temporary file, so that an old file stays whole when writing fails; tells why,
// or shows the report.
fileio::CommandOutcome exportFetSchool(const Workspace& ws, UiPort& ui);

} // namespace orve::exchange
