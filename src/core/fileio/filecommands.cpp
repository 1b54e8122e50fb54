#include "filecommands.h"

#include "conditions/groupmembers.h"
#include "filemessages.h"
#include "opendata.h"
#include "savedata.h"
#include "scheduler/schedulingrun.h"
#include "school/planrowindex.h"
#include "school/teachingplan.h"
#include "schoolreader.h"
#include "uiport.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

namespace orve::fileio {

namespace {

FileDialogRequest dialog(const Workspace& ws, const QString& title)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = fileFilter();
    request.startFolder = dialogFolder(ws);
    // Replacing an existing file is always confirmed.
    request.confirmOverwrite = true;
    return request;
}

// A file the user chose: the next dialog starts in its folder. Once it was opened or written
// it is a recent file too.
void remember(Workspace& ws, const QString& path, bool recent)
{
    const QString folder = QFileInfo(path).absolutePath();
    bool changed = std::exchange(ws.session.lastFolder, folder) != folder;
    if (recent)
        changed = ws.session.recentFiles.add(path) || changed;
    if (changed)
        emit ws.notifier.fileHistoryChanged();
}

CommandOutcome writeTo(Workspace& ws, UiPort& ui, const QString& path)
{
    ws.session.ioPath = path;
    const SaveResult result = writeSchoolFile(ws.school, ws.session.ioPath);
    if (result.written()) {
        remember(ws, path, true);
        emit ws.notifier.saved(path);
        return CommandOutcome::Done;
    }
    ui.message(saveFailureMessage(path, result), MessageButtons::Ok, {}, MessageIcon::Critical);
    return CommandOutcome::Failed;
}

// Combined-group members that cannot take part are told, and kept in the tree as the file has
// them: the scheduling run leaves them out of their groups instead of losing lessons.
void reportLeftOutMembers(const Workspace& ws, UiPort& ui, const QString& path)
{
    if (ws.school.combinedGroups.nodeCount() < 2)
        return;
    const QStringList leftOut =
        conditions::leftOutMembers(ws.school.combinedGroups, school::PlanRowIndex(ws.school.plan));
    if (leftOut.isEmpty())
        return;
    ui.message(scheduler::listMessage(
                   QStringLiteral(u"课程设置文件“%1”中下列合班课成员不能参加合班。自动排课时它们"
                                  u"不合班，教学计划中有的课按各班自己的课排入；文件中的合班课设置"
                                  u"保持不变，可以在“特殊条件考虑”中删除这些成员：")
                       .arg(shownPath(path)),
                   leftOut),
               MessageButtons::Ok, {}, MessageIcon::Warning);
}

// Open once the file is known.
CommandOutcome openFile(Workspace& ws, UiPort& ui, const QString& path)
{
    ws.session.ioPath = path;
    ui.processEvents();
    QByteArray bytes;
    ReadError error = loadFile(path, bytes);
    OpenedSchool opened = openingFrom(ws);
    ReadWarning warning;
    if (!error.failed())
        error = readSchool(opened, bytes, &warning);
    if (error.failed()) {
        if (!QFileInfo::exists(path) && ws.session.recentFiles.remove(path))
            emit ws.notifier.fileHistoryChanged();
        ui.message(openFailureMessage(path, error), MessageButtons::Ok, {}, MessageIcon::Critical);
        return CommandOutcome::Failed;
    }
    if (warning.any() && ui.message(damagedFileQuestion(path, warning), MessageButtons::YesNo, {},
                                    MessageIcon::Warning) != MessageAnswer::Yes)
        return CommandOutcome::Cancelled;
    takeOpenedSchool(ws, std::move(opened));
    reportLeftOutMembers(ws, ui, path);
    if (warning.any()) {
        // What was read of a damaged file is a new school: Save asks for a name rather than
        // write over the only copy of what the file held.
        ws.setDocumentPath({});
        ws.markUnsaved();
    } else {
        ws.setDocumentPath(path);
        ws.markSaved();
        remember(ws, path, true);
    }
    ui.showTab(MainTab::Basics);
    ui.giveFocus(FocusTarget::MainWindow);
    return CommandOutcome::Done;
}

} // namespace

QString fileFilter()
{
    return QStringLiteral(u"课程文件 (*.rve);;所有文件  (*.*)");
}

QString dialogFolder(const Workspace& ws)
{
    if (!ws.session.documentPath.isEmpty())
        return QFileInfo(ws.session.documentPath).absolutePath();
    if (!ws.session.lastFolder.isEmpty() && QFileInfo(ws.session.lastFolder).isDir())
        return ws.session.lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString offeredFileName(const QString& name, const QString& suffix)
{
    QString file = name.trimmed();
    for (QChar& c : file)
        if (QStringView(u"/\\:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = u'_';
    return file + u'.' + suffix;
}

bool askToKeepWork(Workspace& ws, UiPort& ui)
{
    if (!ws.session.modified)
        return true;
    switch (ui.message(QStringLiteral(u"当前课程设置已修改，是否保存？"),
                       MessageButtons::SaveDiscardCancel, {}, MessageIcon::Warning)) {
    case MessageAnswer::Save:
        return saveSchool(ws, ui) == CommandOutcome::Done;
    case MessageAnswer::Discard:
        return true;
    default:
        return false;
    }
}

CommandOutcome newSchool(Workspace& ws, UiPort& ui)
{
    if (!askToKeepWork(ws, ui))
        return CommandOutcome::Cancelled;
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
    ws.setDocumentPath({});
    ws.editor.forgetSchool();
    ws.editor.fixedLessonGrid.clearCells();
    ws.replaceSchool(std::move(empty));
    school::rebuildPlanSkeleton(ws.school);
    ws.markSaved();
    ui.showTab(MainTab::Basics);
    ui.giveFocus(FocusTarget::MainWindow);
    return CommandOutcome::Done;
}

CommandOutcome openSchool(Workspace& ws, UiPort& ui)
{
    if (!askToKeepWork(ws, ui))
        return CommandOutcome::Cancelled;
    FileDialogRequest request = dialog(ws, QStringLiteral(u"打开课程设置文件 "));
    request.confirmOverwrite = false;
    const QString path = ui.openFileName(request);
    if (path.isEmpty())
        return CommandOutcome::Cancelled;
    remember(ws, path, false);
    return openFile(ws, ui, path);
}

CommandOutcome openSchoolPath(Workspace& ws, UiPort& ui, const QString& path)
{
    if (!askToKeepWork(ws, ui))
        return CommandOutcome::Cancelled;
    return openFile(ws, ui, path);
}

CommandOutcome saveSchool(Workspace& ws, UiPort& ui)
{
    model::RedrawSuspender planSuspended(ws.school.plan);
    model::RedrawSuspender masterSuspended(ws.school.masterTimetable);
    QString path = ws.session.documentPath;
    if (path.isEmpty()) {
        path = ui.saveFileName(dialog(ws, QStringLiteral(u"新建课程设置文件 ")));
        if (path.isEmpty())
            return CommandOutcome::Cancelled;
        remember(ws, path, false);
    }
    const CommandOutcome outcome = writeTo(ws, ui, path);
    if (outcome == CommandOutcome::Done) {
        ws.setDocumentPath(path);
        ws.markSaved();
    }
    return outcome;
}

CommandOutcome saveSchoolAs(Workspace& ws, UiPort& ui)
{
    const QString path = ui.saveFileName(dialog(ws, QStringLiteral(u"课程设置文件另存为... ")));
    if (path.isEmpty())
        return CommandOutcome::Cancelled;
    remember(ws, path, false);
    ws.session.ioPath = path;
    ui.processEvents();
    return writeTo(ws, ui, path);
}

} // namespace orve::fileio
