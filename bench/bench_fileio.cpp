// Open and Save of the largest school users have: 150 classes, 15 courses, 7 days of 10
// periods, a full teaching plan and a full master timetable (a file of about 450 KB).
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "model/combinedlesson.h"
#include "model/layouts.h"
#include "model/lessoncell.h"
#include "schoolgenerator.h"
#include "silentuiport.h"
#include "startup.h"
#include "workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace orve;

// The generated school with a title, ten combined lessons in one group, ten free periods and
// a lesson in every slot of every class.
void buildLargeSchool(Workspace& ws)
{
    SilentUiPort ui;
    startUp(ws, ui);
    bench::generateSchool(ws, bench::SchoolShape{});
    ws.List2 = QStringList{QStringLiteral(u"操场"), QStringLiteral(u"机房")};
    ws.Text9 = QStringLiteral(u"全校课程总表");
    const int group = ws.Tr3.addChild(0, QStringLiteral(u"合班课1"), QStringLiteral(u"合班课1"));
    for (int i = 0; i < 10; ++i) {
        const QString entry = model::combinedLessonEntry(ws.List1.at(i), ws.List10.last());
        ws.Combo3.append(entry);
        ws.Tr3.addChild(group, QString::number(i + 1) + QStringLiteral("nkey"), entry);
        ws.Combo6.append(ws.List1.at(i) + QStringLiteral(u" 空课 1 1"));
    }

    model::zkcb(ws);
    const int courses = int(ws.List10.size());
    const int teachers = int(ws.List11.size());
    for (int r = 2; r < ws.MSGrid.rowCount(); ++r)
        for (int c = 1; c < ws.MSGrid.columnCount(); ++c)
            ws.MSGrid.setText({r, c}, model::lessonText(ws.List10.at((r + c) % courses),
                                                        ws.List11.at((r * 7 + c) % teachers)));
}

struct LargeSchoolFile
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("large.rve"));
    LargeSchoolFile()
    {
        Workspace ws;
        buildLargeSchool(ws);
        ws.ioPath = path;
        fileio::save_data(ws);
    }
};

void BM_SaveLargeSchool(benchmark::State& state)
{
    Workspace ws;
    buildLargeSchool(ws);
    QTemporaryDir dir;
    ws.ioPath = dir.filePath(QStringLiteral("large.rve"));
    for (auto _ : state) {
        const fileio::SaveResult result = fileio::save_data(ws);
        if (!result.written())
            state.SkipWithError("save failed");
    }
    state.counters["bytes"] = double(QFile(ws.ioPath).size());
}
BENCHMARK(BM_SaveLargeSchool)->Unit(benchmark::kMillisecond);

void BM_OpenLargeSchool(benchmark::State& state)
{
    static LargeSchoolFile file;
    Workspace ws;
    SilentUiPort ui;
    startUp(ws, ui);
    for (auto _ : state) {
        const fileio::ReadError error = fileio::openSchoolFile(ws, file.path);
        if (error.failed())
            state.SkipWithError("open failed");
    }
    state.counters["lessons"] = double((ws.MSGrid.rowCount() - 2) * (ws.MSGrid.columnCount() - 1));
}
BENCHMARK(BM_OpenLargeSchool)->Unit(benchmark::kMillisecond);

} // namespace
