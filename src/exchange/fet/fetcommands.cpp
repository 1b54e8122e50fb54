#include "fetcommands.h"

#include "fetexport.h"
#include "fetimport.h"

#include "fileio/filemessages.h"
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "scheduler/schedulingrun.h"
#include "uiport.h"
#include "workspace.h"

#include <QFileInfo>

namespace orve::exchange {

namespace {

QString counts(const model::School& school)
{
    return QStringLiteral(u"%1 个班级，%2 门课程，%3 位教师")
        .arg(school.classes.size())
        .arg(school.courses.size())
        .arg(school.teachers.size());
}

void showReport(UiPort& ui, const QString& heading, const QStringList& report)
{
    ui.message(report.isEmpty()
                   ? heading
                   : scheduler::listMessage(heading + QStringLiteral(u"\n以下内容未能照原样转换："),
                                            report),
               MessageButtons::Ok, {}, MessageIcon::Information);
}

} // namespace

QString fetFileFilter()
{
    return QStringLiteral(u"FET 文件 (*.fet);;所有文件 (*.*)");
}

QString fetImportHeading(const QString& path, const model::School& school)
{
    return QStringLiteral(u"已导入 FET 文件“%1”：%2。请用“保存课程设置文件”为它取名保存。")
        .arg(fileio::shownPath(path), counts(school));
}

QString fetExportHeading(const QString& path, const model::School& school)
{
    return QStringLiteral(u"已导出 FET 文件“%1”：%2。").arg(fileio::shownPath(path), counts(school));
}

QString fetImportFailure(const QString& path, const QString& reason)
{
    return QStringLiteral(u"FET 文件“%1”无法导入：%2").arg(fileio::shownPath(path), reason);
}

QString fetExportFailure(const QString& path, const QString& reason)
{
    return QStringLiteral(u"FET 文件“%1”没有导出：%2。").arg(fileio::shownPath(path), reason);
}

fileio::CommandOutcome importFetSchool(Workspace& ws, UiPort& ui)
{
    using fileio::CommandOutcome;
    if (!fileio::askToKeepWork(ws, ui))
        return CommandOutcome::Cancelled;
    FileDialogRequest request;
    request.title = QStringLiteral(u"导入 FET 文件");
    request.filter = fetFileFilter();
    request.startFolder = fileio::dialogFolder(ws);
    request.confirmOverwrite = false;
    const QString path = ui.openFileName(request);
    if (path.isEmpty())
        return CommandOutcome::Cancelled;
    ui.processEvents();
    FetImport imported = importFetFile(path, fileio::openingFrom(ws));
    if (!imported.ok()) {
        ui.message(fetImportFailure(path, imported.error),
                   MessageButtons::Ok, {}, MessageIcon::Critical);
        return CommandOutcome::Failed;
    }
    fileio::takeOpenedSchool(ws, std::move(imported.opened));
    // The school is not the FET file's and has no file of its own: Save asks for a name.
    ws.setDocumentPath({});
    ws.markUnsaved();
    ui.showTab(MainTab::Basics);
    showReport(ui, fetImportHeading(path, ws.school), imported.report);
    ui.giveFocus(FocusTarget::MainWindow);
    return CommandOutcome::Done;
}

fileio::CommandOutcome exportFetSchool(const Workspace& ws, UiPort& ui)
{
    using fileio::CommandOutcome;
    FileDialogRequest request;
    request.title = QStringLiteral(u"导出 FET 文件");
    request.filter = fetFileFilter();
    request.startFolder = fileio::dialogFolder(ws);
    const QString title = ws.school.title.trimmed();
    request.suggestedName = fileio::offeredFileName(
        title.isEmpty() ? QStringLiteral(u"课程表") : title, QStringLiteral("fet"));
    QString path = ui.saveFileName(request);
    if (path.isEmpty())
        return CommandOutcome::Cancelled;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".fet");
    ui.processEvents();
    const FetExport exported = exportFet(ws.school);
    const fileio::SaveResult written = fileio::writeSettingsFile(path, exported.bytes);
    if (!written.written()) {
        ui.message(fetExportFailure(path, written.reason),
                   MessageButtons::Ok, {}, MessageIcon::Critical);
        return CommandOutcome::Failed;
    }
    showReport(ui, fetExportHeading(path, ws.school), exported.report);
    return CommandOutcome::Done;
}

} // namespace orve::exchange
