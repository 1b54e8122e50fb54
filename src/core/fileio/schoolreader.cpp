#include "schoolreader.h"

#include "opendata.h"
#include "openlayout.h"
#include "workspace.h"

#include <QFile>

namespace orve::fileio {

namespace {

void copyGrid(const model::Grid& from, model::Grid& to)
{
    to.setViewSize(from.viewWidth(), from.viewHeight());
    to.copyFrom(from);
}

} // namespace

ReadError loadFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) // binary: the lines end in CR LF
        return {0, file.errorString()};
    // Read one byte past the limit rather than trust size(), which devices do not report.
    bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {0, file.errorString()};
    if (bytes.size() > MaxFileSize)
        return {0, reasons::tooLarge()};
    return {};
}

void prepareFresh(const Workspace& current, Workspace& fresh)
{
    copyGrid(current.jhb, fresh.jhb);
    copyGrid(current.MSGrid, fresh.MSGrid);
    copyGrid(current.msgrid1, fresh.msgrid1);
    fresh.week = current.week;
    fresh.chineseNumeral = current.chineseNumeral;
    fresh.Text9 = current.Text9;
    fresh.fixedLessonChoosers = current.fixedLessonChoosers;
    fresh.periodsPerDay = current.periodsPerDay;
    fresh.masterColumnCount = current.masterColumnCount;
    fresh.masterRowCount = current.masterRowCount;
}

ReadError readSchool(Workspace& fresh, const QByteArray& bytes)
{
    const ReadError error = open_data(fresh, bytes);
    if (error.failed())
        return error;
    layOutOpenedGrids(fresh);
    return open_zkcb(fresh, bytes);
}

void adoptSchool(Workspace& ws, const Workspace& opened)
{
    ws.week = opened.week;
    ws.periodsPerDay = opened.periodsPerDay;
    ws.chineseNumeral = opened.chineseNumeral;
    ws.List1 = opened.List1;
    ws.List10 = opened.List10;
    ws.List11 = opened.List11;
    ws.List2 = opened.List2;
    ws.Combo3 = opened.Combo3;
    ws.Tr3 = opened.Tr3;
    ws.Combo6 = opened.Combo6;
    clearListSelections(ws);
    ws.fixedLessonChoosers.Combo4 = opened.fixedLessonChoosers.Combo4;
    ws.fixedLessonChoosers.classIndex = opened.fixedLessonChoosers.classIndex;
    ws.fixedLessonChoosers.Text10 = opened.fixedLessonChoosers.Text10;
    ws.fixedLessonChoosers.Combo6Text = opened.fixedLessonChoosers.Combo6Text;
    ws.Text9 = opened.Text9;
    ws.timetableLoaded = opened.timetableLoaded;
    ws.masterColumnCount = opened.masterColumnCount;
    ws.masterRowCount = opened.masterRowCount;
    ws.jhb.copyFrom(opened.jhb);
    ws.msgrid1.copyFrom(opened.msgrid1);
    ws.MSGrid.copyFrom(opened.MSGrid);
}

ReadError openSchoolFile(Workspace& ws, const QString& path)
{
    QByteArray bytes;
    const ReadError loadError = loadFile(path, bytes);
    if (loadError.failed())
        return loadError;
    Workspace fresh;
    prepareFresh(ws, fresh);
    const ReadError error = readSchool(fresh, bytes);
    if (!error.failed())
        adoptSchool(ws, fresh);
    return error;
}

} // namespace orve::fileio
