// Open and Save of the largest school users have: 150 classes, 15 courses, 7 days of 10
// periods, a full teaching plan and a full master timetable (a file of about 450 KB).
#include "conditions/combinedclasses.h"
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "model/combinedlesson.h"
#include "school/startup.h"
#include "schoolgenerator.h"
#include "silentuiport.h"
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
    school::startUp(ws, ui);
    bench::generateSchool(ws, bench::SchoolShape{});
    ws.school.venues = QStringList{QStringLiteral(u"操场"), QStringLiteral(u"机房")};
    ws.school.title = QStringLiteral(u"全校课程总表");
    for (int i = 0; i < 10; ++i) {
        const QString entry =
            model::combinedLessonEntry(ws.school.classes.at(i), ws.school.courses.last());
        ws.school.combinedLessons.append(entry);
        // As the group command builds it: the root takes its text as key with the first group.
        conditions::addToGroup(ws.school.combinedGroups, QStringLiteral("1"), entry);
        ws.school.fixedLessons.append(ws.school.classes.at(i) + QStringLiteral(u" 空课 1 1"));
    }

    bench::fillTimetable(ws);
}

struct LargeSchoolFile
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("large.rve"));
    LargeSchoolFile()
    {
        Workspace ws;
        buildLargeSchool(ws);
        ws.session.ioPath = path;
        fileio::writeSchoolFile(ws.school, ws.session.ioPath);
    }
};

void BM_SaveLargeSchool(benchmark::State& state)
{
    Workspace ws;
    buildLargeSchool(ws);
    QTemporaryDir dir;
    ws.session.ioPath = dir.filePath(QStringLiteral("large.rve"));
    for (auto _ : state) {
        const fileio::SaveResult result = fileio::writeSchoolFile(ws.school, ws.session.ioPath);
        if (!result.written())
            state.SkipWithError("save failed");
    }
    state.counters["bytes"] = double(QFile(ws.session.ioPath).size());
}
BENCHMARK(BM_SaveLargeSchool)->Unit(benchmark::kMillisecond);

void BM_OpenLargeSchool(benchmark::State& state)
{
    static LargeSchoolFile file;
    Workspace ws;
    SilentUiPort ui;
    school::startUp(ws, ui);
    for (auto _ : state) {
        const fileio::ReadError error = fileio::openSchoolFile(ws, file.path);
        if (error.failed()) {
            const QByteArray reason = error.reason.toUtf8();
            state.SkipWithError(reason.constData());
        }
    }
    state.counters["lessons"] = double((ws.school.masterTimetable.rowCount() - 2) *
                                       (ws.school.masterTimetable.columnCount() - 1));
}
BENCHMARK(BM_OpenLargeSchool)->Unit(benchmark::kMillisecond);

} // namespace
