#include "filecommands.h"

#include "filemessages.h"
#include "opendata.h"
#include "savedata.h"
#include "school/teachingplan.h"
#include "schoolreader.h"
#include "uiport.h"
#include "workspace.h"

#include <QCoreApplication>

namespace orve::fileio {

namespace {

FileDialogRequest dialog(const QString& title)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = fileFilter();
    // Replacing an existing file is always confirmed.
    request.confirmOverwrite = true;
    return request;
}

CommandOutcome writeTo(Workspace& ws, UiPort& ui, const QString& path)
{
    ws.ioPath = path;
    const SaveResult result = save_data(ws);
    if (result.written())
        return CommandOutcome::Done;
    ui.message(saveFailureMessage(path, result), MessageButtons::Ok, {}, MessageIcon::Critical);
    return CommandOutcome::Failed;
}

} // namespace

QString fileFilter()
{
    return QStringLiteral(u"课程文件 (*.rve);;所有文件  (*.*)");
}

CommandOutcome xjwj(Workspace& ws, UiPort& ui)
{
    emptySchoolTables(ws);
    ws.documentPath.clear();
    ws.Tr3.reset();
    ws.Text6.clear();
    school::cshjhb(ws);
    ui.showTab(MainTab::Basics);
    ui.giveFocus(FocusTarget::MainWindow);
    return CommandOutcome::Done;
}

CommandOutcome open(Workspace& ws, UiPort& ui)
{
    FileDialogRequest request = dialog(QStringLiteral(u"打开课程设置文件 "));
    request.confirmOverwrite = false;
    if (QCoreApplication::instance())
        request.startFolder = QCoreApplication::applicationDirPath();
    const QString path = ui.openFileName(request);
    if (path.isEmpty())
        return CommandOutcome::Cancelled;

    ws.ioPath = path;
    ui.processEvents();
    QByteArray bytes;
    ReadError error = loadFile(path, bytes);
    Workspace fresh;
    ReadWarning warning;
    if (!error.failed()) {
        copyOpenedTables(ws, fresh);
        error = readSchool(fresh, bytes, &warning);
    }
    if (error.failed()) {
        ui.message(openFailureMessage(path, error), MessageButtons::Ok, {}, MessageIcon::Critical);
        return CommandOutcome::Failed;
    }
    if (warning.any() && ui.message(damagedFileQuestion(path, warning), MessageButtons::YesNo, {},
                                    MessageIcon::Warning) != MessageAnswer::Yes)
        return CommandOutcome::Cancelled;
    copyOpenedTables(fresh, ws);
    ws.documentPath = path;
    ui.showTab(MainTab::Basics);
    ui.giveFocus(FocusTarget::MainWindow);
    return CommandOutcome::Done;
}

CommandOutcome save(Workspace& ws, UiPort& ui)
{
    model::RedrawSuspender planSuspended(ws.jhb);
    model::RedrawSuspender masterSuspended(ws.MSGrid);
    QString path = ws.documentPath;
    if (path.isEmpty()) {
        path = ui.saveFileName(dialog(QStringLiteral(u"新建课程设置文件 ")));
        if (path.isEmpty())
            return CommandOutcome::Cancelled;
    }
    const CommandOutcome outcome = writeTo(ws, ui, path);
    if (outcome == CommandOutcome::Done)
        ws.documentPath = path;
    return outcome;
}

CommandOutcome luw(Workspace& ws, UiPort& ui)
{
    const QString path = ui.saveFileName(dialog(QStringLiteral(u"课程设置文件另存为... ")));
    if (path.isEmpty())
        return CommandOutcome::Cancelled;
    ws.ioPath = path;
    ui.processEvents();
    return writeTo(ws, ui, path);
}

} // namespace orve::fileio
