#include "clischool.h"

#include "cliuiport.h"
#include "fileio/filecommands.h"
#include "fileio/filemessages.h"
#include "fileio/savedata.h"
#include "school/startup.h"
#include "workspace.h"

namespace orve::cli {

bool openSchool(Workspace& ws, const QString& path)
{
    CliUiPort ui(path);
    school::startUp(ws, ui);
    return fileio::openSchool(ws, ui) == fileio::CommandOutcome::Done;
}

bool saveSchool(Workspace& ws, const QString& path)
{
    ws.session.ioPath = path;
    const fileio::SaveResult result = fileio::writeSchoolFile(ws.school, ws.session.ioPath);
    if (!result.written())
        printLine(fileio::saveFailureMessage(path, result));
    return result.written();
}

} // namespace orve::cli
