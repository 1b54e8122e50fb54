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
    ws.session.ioPath = path;
    const SaveResult result = writeSchoolFile(ws.school, ws.session.ioPath);
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

CommandOutcome newSchool(Workspace& ws, UiPort& ui)
{
    // Nothing of the old school stays but its week structure and title; the grids keep
    // their counts.
    model::School empty;
    empty.week = ws.school.week;
    empty.title = ws.school.title;
    empty.masterTimetable = ws.school.masterTimetable;
    empty.masterTimetable.clearCells();
    empty.plan = ws.school.plan;
    empty.plan.clearCells();
    empty.combinedGroups.reset();
    ws.session.timetableLoaded = false;
    ws.session.documentPath.clear();
    ws.editor.forgetSchool();
    ws.editor.names.entry.clear();
    ws.editor.fixedLessonGrid.clearCells();
    ws.replaceSchool(std::move(empty));
    school::rebuildPlanSkeleton(ws.school);
    ws.setModified(false);
    ui.showTab(MainTab::Basics);
    ui.giveFocus(FocusTarget::MainWindow);
    return CommandOutcome::Done;
}

CommandOutcome openSchool(Workspace& ws, UiPort& ui)
{
    FileDialogRequest request = dialog(QStringLiteral(u"打开课程设置文件 "));
    request.confirmOverwrite = false;
    if (QCoreApplication::instance())
        request.startFolder = QCoreApplication::applicationDirPath();
    const QString path = ui.openFileName(request);
    if (path.isEmpty())
        return CommandOutcome::Cancelled;

    ws.session.ioPath = path;
    ui.processEvents();
    QByteArray bytes;
    ReadError error = loadFile(path, bytes);
    OpenedSchool opened = openingFrom(ws);
    ReadWarning warning;
    if (!error.failed())
        error = readSchool(opened, bytes, &warning);
    if (error.failed()) {
        ui.message(openFailureMessage(path, error), MessageButtons::Ok, {}, MessageIcon::Critical);
        return CommandOutcome::Failed;
    }
    if (warning.any() && ui.message(damagedFileQuestion(path, warning), MessageButtons::YesNo, {},
                                    MessageIcon::Warning) != MessageAnswer::Yes)
        return CommandOutcome::Cancelled;
    takeOpenedSchool(ws, std::move(opened));
    ws.session.documentPath = path;
    ws.setModified(false);
    ui.showTab(MainTab::Basics);
    ui.giveFocus(FocusTarget::MainWindow);
    return CommandOutcome::Done;
}

CommandOutcome saveSchool(Workspace& ws, UiPort& ui)
{
    model::RedrawSuspender planSuspended(ws.school.plan);
    model::RedrawSuspender masterSuspended(ws.school.masterTimetable);
    QString path = ws.session.documentPath;
    if (path.isEmpty()) {
        path = ui.saveFileName(dialog(QStringLiteral(u"新建课程设置文件 ")));
        if (path.isEmpty())
            return CommandOutcome::Cancelled;
    }
    const CommandOutcome outcome = writeTo(ws, ui, path);
    if (outcome == CommandOutcome::Done) {
        ws.session.documentPath = path;
        ws.setModified(false);
    }
    return outcome;
}

CommandOutcome saveSchoolAs(Workspace& ws, UiPort& ui)
{
    const QString path = ui.saveFileName(dialog(QStringLiteral(u"课程设置文件另存为... ")));
    if (path.isEmpty())
        return CommandOutcome::Cancelled;
    ws.session.ioPath = path;
    ui.processEvents();
    return writeTo(ws, ui, path);
}

} // namespace orve::fileio
