#include "exportcommands.h"

#include "filemessages.h"
#include "fileset.h"

#include "model/shownname.h"
#include "uiport.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>

namespace orve::fileio {

namespace {

QStringList namesOf(const std::vector<TimetableFile>& files)
{
    QStringList names;
    for (const TimetableFile& file : files)
        names.append(file.name);
    return names;
}

} // namespace

QString writeTimetableFiles(const QString& folder, const std::vector<TimetableFile>& files)
{
    for (const TimetableFile& file : files)
        if (file.bytes.isEmpty())
            return QStringLiteral(u"“%1”没有导出：无法生成它的内容。")
                .arg(shownPath(QDir(folder).filePath(file.name)));
    const QString refusal = prepareFolder(folder);
    if (!refusal.isEmpty())
        return QStringLiteral(u"无法导出到文件夹“%1”：%2。").arg(shownPath(folder), refusal);
    const FileSetResult result = writeFileSet(folder, files);
    if (result.written())
        return {};
    return QStringLiteral(
               u"“%1”没有导出：%2。\n这一组文件都没有导出，文件夹中原有的文件都没有改变。")
        .arg(shownPath(QDir(folder).filePath(result.failedName)), result.reason);
}

CommandOutcome exportTimetableFiles(Workspace& ws, UiPort& ui, const TableFormat& format)
{
    FileDialogRequest request;
    request.title = format.caption + QStringLiteral(u"：选择文件夹");
    request.startFolder = QFileInfo(ws.session.documentPath).absolutePath();
    if (ws.session.documentPath.isEmpty())
        request.startFolder.clear();
    const QString folder = ui.folderName(request);
    if (folder.isEmpty())
        return CommandOutcome::Cancelled;

    const std::vector<TimetableFile> files =
        timetableFiles(ws.school, ws.session.periodsPerDay, {}, format);
    QStringList existing;
    for (const TimetableFile& file : files)
        if (QFileInfo::exists(QDir(folder).filePath(file.name)))
            existing.append(file.name);
    const QString shownFolder = shownPath(folder);
    if (!existing.isEmpty() &&
        ui.message(QStringLiteral(u"文件夹“%1”中已有同名文件：\n%2\n要替换它们吗？")
                       .arg(shownFolder, model::shownName(existing.join(u'\n'))),
                   MessageButtons::YesNo, {}, MessageIcon::Warning) != MessageAnswer::Yes)
        return CommandOutcome::Cancelled;

    ui.processEvents();
    const QString failure = writeTimetableFiles(folder, files);
    if (!failure.isEmpty()) {
        ui.message(failure, MessageButtons::Ok, {}, MessageIcon::Critical);
        return CommandOutcome::Failed;
    }
    ui.message(QStringLiteral(u"课程表已导出到文件夹“%1”：\n%2")
                   .arg(shownFolder, namesOf(files).join(u'\n')),
               MessageButtons::Ok, {}, MessageIcon::Information);
    return CommandOutcome::Done;
}

} // namespace orve::fileio
