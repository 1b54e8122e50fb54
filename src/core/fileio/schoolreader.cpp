#include "schoolreader.h"

#include "opendata.h"
#include "openlayout.h"
#include "systemerror.h"
#include "workspace.h"

#include <QFile>

#include <cerrno>

namespace orve::fileio {

namespace {

// The view size belongs to whoever shows the grid; a fresh grid lays out for the same view.
void copyGrid(const model::Grid& from, model::Grid& to)
{
    to.setViewSize(from.viewWidth(), from.viewHeight());
    to = from;
}

} // namespace

ReadError loadFile(const QString& path, QByteArray& bytes)
{
    // A pipe or a device would block the read or never end; only regular files are read.
    const QString refusal = pathRefusal(path, FileAccess::Read);
    if (!refusal.isEmpty())
        return {0, refusal};
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) // binary: the lines end in CR LF
        return {0, systemErrorReason(errno, FileAccess::Read, file.errorString())};
    // Read one byte past the limit rather than trust size().
    errno = 0;
    bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {0, systemErrorReason(errno, FileAccess::Read, file.errorString())};
    if (bytes.size() > MaxFileSize)
        return {0, reasons::tooLarge()};
    if (bytes.isEmpty())
        return {0, reasons::emptyFile()};
    return {};
}

void copyOpenedTables(const Workspace& from, Workspace& to)
{
    to.week = from.week;
    to.periodsPerDay = from.periodsPerDay;
    to.chineseNumeral = from.chineseNumeral;
    to.List1 = from.List1;
    to.List10 = from.List10;
    to.List11 = from.List11;
    to.List2 = from.List2;
    to.List1Selected = from.List1Selected;
    to.List10Selected = from.List10Selected;
    to.List11Selected = from.List11Selected;
    to.List2Selected = from.List2Selected;
    to.Combo3 = from.Combo3;
    to.Tr3 = from.Tr3;
    to.Combo6 = from.Combo6;
    to.fixedLessonChoosers = from.fixedLessonChoosers;
    to.Text9 = from.Text9;
    to.timetableLoaded = from.timetableLoaded;
    to.masterColumnCount = from.masterColumnCount;
    to.masterRowCount = from.masterRowCount;
    copyGrid(from.jhb, to.jhb);
    copyGrid(from.msgrid1, to.msgrid1);
    copyGrid(from.MSGrid, to.MSGrid);
}

ReadError readSchool(Workspace& fresh, const QByteArray& bytes, ReadWarning* warning)
{
    const ReadError error = open_data(fresh, bytes, warning);
    if (error.failed())
        return error;
    layOutOpenedGrids(fresh);
    return open_zkcb(fresh, bytes);
}

ReadError openSchoolFile(Workspace& ws, const QString& path, ReadWarning* warning)
{
    QByteArray bytes;
    const ReadError loadError = loadFile(path, bytes);
    if (loadError.failed())
        return loadError;
    Workspace fresh;
    copyOpenedTables(ws, fresh);
    const ReadError error = readSchool(fresh, bytes, warning);
    if (!error.failed())
        copyOpenedTables(fresh, ws);
    return error;
}

} // namespace orve::fileio
