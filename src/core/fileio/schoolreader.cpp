#include "schoolreader.h"

#include "opendata.h"
#include "openlayout.h"
#include "scheduler/fixedmarks.h"
#include "systemerror.h"
#include "workspace.h"

#include <QFile>

#include <cerrno>

namespace orve::fileio {

QString readRegularFile(const QString& path, qint64 limit, QByteArray& bytes)
{
    // A pipe or a device would block the read or never end; only regular files are read.
    const QString refusal = pathRefusal(path, FileAccess::Read);
    if (!refusal.isEmpty())
        return refusal;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) // binary: the lines end in CR LF
        return systemErrorReason(errno, FileAccess::Read, file.errorString());
    // Read one byte past the limit rather than trust size().
    errno = 0;
    bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return systemErrorReason(errno, FileAccess::Read, file.errorString());
    return {};
}

ReadError loadFile(const QString& path, QByteArray& bytes)
{
    const QString reason = readRegularFile(path, MaxFileSize, bytes);
    if (!reason.isEmpty())
        return {0, reason};
    if (bytes.size() > MaxFileSize)
        return {0, reasons::tooLarge()};
    if (bytes.isEmpty())
        return {0, reasons::emptyFile()};
    return {};
}

OpenedSchool openingFrom(const Workspace& ws)
{
    return {ws.school, ws.editor.fixedLessonGrid, ws.session.chineseNumeral,
            ws.session.periodsPerDay, ws.session.timetableLoaded};
}

ReadError readSchool(OpenedSchool& opened, const QByteArray& bytes, ReadWarning* warning)
{
    const ReadError error = readTaggedValues(opened, bytes, warning);
    if (error.failed())
        return error;
    layOutOpenedGrids(opened);
    const ReadError cellsError = readGridCells(opened, bytes);
    if (!cellsError.failed())
        scheduler::restoreFixedMarks(opened.school, opened.periodsPerDay);
    return cellsError;
}

void takeOpenedSchool(Workspace& ws, OpenedSchool opened)
{
    ws.session.periodsPerDay = opened.periodsPerDay;
    ws.session.timetableLoaded = opened.timetableLoaded;
    ws.session.chineseNumeral = opened.numerals;
    ws.editor.fixedLessonGrid = std::move(opened.fixedLessonGrid);
    ws.editor.forgetSchool();
    ws.editor.fixedLessons.classNumber = QStringLiteral("0");
    ws.replaceSchool(std::move(opened.school));
}

ReadError openSchoolFile(Workspace& ws, const QString& path, ReadWarning* warning)
{
    QByteArray bytes;
    const ReadError loadError = loadFile(path, bytes);
    if (loadError.failed())
        return loadError;
    OpenedSchool opened = openingFrom(ws);
    const ReadError error = readSchool(opened, bytes, warning);
    if (!error.failed())
        takeOpenedSchool(ws, std::move(opened));
    return error;
}

} // namespace orve::fileio
