#include "clischool.h"

#include "cliuiport.h"
#include "fileio/filecommands.h"
#include "fileio/filemessages.h"
#include "fileio/savedata.h"
#include "startup.h"
#include "workspace.h"

namespace orve::cli {

bool openSchool(Workspace& ws, const QString& path)
{
    CliUiPort ui(path);
    startUp(ws, ui);
    return fileio::open(ws, ui) == fileio::CommandOutcome::Done;
}

bool saveSchool(Workspace& ws, const QString& path)
{
    ws.ioPath = path;
    const fileio::SaveResult result = fileio::save_data(ws);
    if (!result.written())
        printLine(fileio::saveFailureMessage(path, result));
    return result.written();
}

} // namespace orve::cli
