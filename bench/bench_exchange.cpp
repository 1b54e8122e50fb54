// Data exchange on the largest school: importing a 150-class plan (14 courses, 2,100 rows) as
// CSV and as an Excel workbook into a new school, with the preview (target: under 300 ms), and
// the same files through the window's import dialog, from the file chosen to the preview shown;
// the master and class timetables of 150 classes, 7 days of 10 periods, as Excel workbooks
// (target: under a second); every FET example of Debian's fet-data read, counting those
// imported and those refused; and every distinct example scheduled and optimised with seed 1,
// as read (with its teachers' rules) and as bench's fet-schools writes it (main courses
// marked, no rules), counting what ends above its lower bounds.
#include "fetexamples.h"
#include "schoolgenerator.h"

#include "fet/fetimport.h"
#include "fileio/schoolreader.h"
#include "fileio/timetablefiles.h"
#include "import/plansheet.h"
#include "import/sheetimport.h"
#include "optimiser/optimisecommand.h"
#include "print/timetablebook.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "school/startup.h"
#include "silentuiport.h"
#include "table/csvtable.h"
#include "table/xlsxtable.h"
#include "workbook/sheetworkbook.h"
#include "windows/importdialog.h"
#include "workspace.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace orve;

constexpr int Classes = 150;
constexpr int Courses = 14;

void startUp(Workspace& ws)
{
    SilentUiPort ui;
    school::startUp(ws, ui);
}

// The generated school's plan as a sheet, and a started school of the same week to import it
// into.
struct PlanSheets
{
    QByteArray csv;
    QByteArray workbook;
    Workspace fresh;

    PlanSheets()
    {
        Workspace ws;
        startUp(ws);
        bench::SchoolShape shape;
        shape.classes = Classes;
        shape.courses = Courses;
        bench::generateSchool(ws, shape);
        bench::fillTimetable(ws);
        const std::vector<print::ReportSheet> plan = {exchange::planSheet(ws.school)};
        csv = fileio::csvOf(plan);
        workbook = exchange::xlsxOf(QStringLiteral(u"教学计划"), plan);
        startUp(fresh);
        fresh.school.week = ws.school.week;
        fresh.school.masterTimetable = ws.school.masterTimetable;
    }
};

const PlanSheets& planSheets()
{
    static const PlanSheets sheets;
    return sheets;
}

void preview(benchmark::State& state, const exchange::SheetRead& read, const model::School& school)
{
    const exchange::ImportPreview preview = exchange::previewImport(school, read.table);
    state.counters["rows"] = double(preview.rows.size());
    if (!read.ok() || preview.count(exchange::RowOutcome::Added) != Classes * Courses)
        state.SkipWithError("the plan was not read whole");
}

void BM_ImportPlanCsv(benchmark::State& state)
{
    const PlanSheets& sheets = planSheets();
    for (auto _ : state)
        preview(state, exchange::readCsv(sheets.csv, std::nullopt), sheets.fresh.school);
}
BENCHMARK(BM_ImportPlanCsv)->Unit(benchmark::kMillisecond);

void BM_ImportPlanXlsx(benchmark::State& state)
{
    const PlanSheets& sheets = planSheets();
    for (auto _ : state)
        preview(state, exchange::readXlsx(sheets.workbook, {}), sheets.fresh.school);
}
BENCHMARK(BM_ImportPlanXlsx)->Unit(benchmark::kMillisecond);

// The dialog reads the file, previews it and fills its table; the events that follow lay the
// table out and paint it.
void previewInDialog(benchmark::State& state, const QByteArray& bytes, const QString& name)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("the sheet could not be written");
        return;
    }
    file.close();
    SilentUiPort ui;
    ui::ImportDialog dialog(planSheets().fresh.school, ui, folder.path());
    dialog.show();
    for (auto _ : state) {
        dialog.openFile(file.fileName());
        QApplication::processEvents();
        if (dialog.preview().count(exchange::RowOutcome::Added) != Classes * Courses)
            state.SkipWithError("the plan was not read whole");
    }
}

void BM_ImportDialogCsv(benchmark::State& state)
{
    previewInDialog(state, planSheets().csv, QStringLiteral("plan.csv"));
}
BENCHMARK(BM_ImportDialogCsv)->Unit(benchmark::kMillisecond);

void BM_ImportDialogXlsx(benchmark::State& state)
{
    previewInDialog(state, planSheets().workbook, QStringLiteral("plan.xlsx"));
}
BENCHMARK(BM_ImportDialogXlsx)->Unit(benchmark::kMillisecond);

// The two workbooks an export writes for the master and the class timetables.
void BM_ExportTimetablesXlsx(benchmark::State& state)
{
    Workspace ws;
    startUp(ws);
    bench::generateSchool(ws, bench::SchoolShape{});
    bench::fillTimetable(ws);
    const int periods = ws.session.periodsPerDay;
    for (auto _ : state) {
        const QByteArray master = exchange::xlsxOf(
            QStringLiteral(u"总课表"), {print::masterTimetableSheet(ws.school, periods)});
        const QByteArray classes =
            exchange::xlsxOf(QStringLiteral(u"班级课程表"),
                             print::classTimetableSheets(ws.school, periods, ws.school.classes));
        if (master.isEmpty() || classes.isEmpty())
            state.SkipWithError("no workbook");
        state.counters["kB"] = double(master.size() + classes.size()) / 1024;
    }
}
BENCHMARK(BM_ExportTimetablesXlsx)->Unit(benchmark::kMillisecond);

void BM_ImportFetExamples(benchmark::State& state)
{
    QStringList files;
    QDirIterator found(QStringLiteral("/usr/share/doc/fet-data/examples"),
                       {QStringLiteral("*.fet")}, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext())
        files.append(found.next());
    if (files.isEmpty()) {
        state.SkipWithError("FET's examples (Debian package fet-data) are not installed");
        return;
    }
    for (auto _ : state) {
        int imported = 0;
        for (const QString& file : files)
            imported += exchange::importFetFile(file).ok() ? 1 : 0;
        state.counters["files"] = double(files.size());
        state.counters["imported"] = imported;
    }
}
BENCHMARK(BM_ImportFetExamples)->Unit(benchmark::kMillisecond)->Iterations(1);

// Arg 0: as read; 1: main courses marked and the rules dropped, as fet-schools writes them.
void BM_OptimiseFetExamples(benchmark::State& state)
{
    const QStringList files = bench::fetFiles(bench::FetExamplesFolder);
    if (files.isEmpty()) {
        state.SkipWithError("FET's examples (Debian package fet-data) are not installed");
        return;
    }
    const bool marked = state.range(0) == 1;
    std::vector<fileio::OpenedSchool> schools;
    QSet<QByteArray> seen;
    for (const QString& file : files) {
        exchange::FetImport imported = exchange::importFetFile(file);
        if (!imported.ok())
            continue;
        if (marked) {
            imported.opened.school.rules = {};
            bench::markMainCourses(imported.opened.school);
        }
        const QByteArray key = bench::contentKey(imported.opened.school);
        if (!seen.contains(key)) {
            seen.insert(key);
            schools.push_back(std::move(imported.opened));
        }
    }
    for (auto _ : state) {
        int doubleBookingsAbove = 0;
        int zeroBoundMissed = 0;
        int unplacedAbove = 0;
        for (const fileio::OpenedSchool& school : schools) {
            Workspace ws;
            fileio::takeOpenedSchool(ws, school);
            SilentUiPort ui;
            scheduler::SeededRandom random(1);
            scheduler::scheduleTimetable(ws, ui, random);
            optimiser::OptimiserOptions options;
            options.seed = 1;
            const optimiser::OptimiseOutcome outcome = optimiser::removeDoubleBookings(ws, options);
            if (!outcome.ran)
                continue;
            const optimiser::OptimiserReport& report = outcome.report;
            doubleBookingsAbove += outcome.after.double_bookings - report.doubleBookingLowerBound;
            zeroBoundMissed +=
                report.doubleBookingLowerBound == 0 && outcome.after.double_bookings > 0 ? 1 : 0;
            unplacedAbove += outcome.after.unplaced - report.unplacedLowerBound;
        }
        state.counters["schools"] = double(schools.size());
        state.counters["double_bookings_above_bound"] = doubleBookingsAbove;
        state.counters["bound_0_above_0"] = zeroBoundMissed;
        state.counters["unplaced_above_bound"] = unplacedAbove;
    }
}
BENCHMARK(BM_OptimiseFetExamples)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
