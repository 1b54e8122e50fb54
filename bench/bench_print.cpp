// How long printing the largest school takes: copying a master timetable of 150 classes,
// 7 days of 10 periods into the report sheet, laying it out on A4 pages, and drawing the
// first page (the preview shows it first); the print window's preview shown from the
// command; the PDF of all 150 class timetables. Targets: the preview's first page within a
// second, the class timetables' PDF within three seconds.
#include "timetablegrid.h"

#include "sheetdocument.h"
#include "timetablepdf.h"
#include "windows/printwindow.h"

#include "model/school.h"
#include "print/masterprint.h"
#include "print/printcommand.h"
#include "print/reportsheet.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

constexpr int Classes = 150;
constexpr int Days = 7;
constexpr int Periods = 10;
constexpr int PreviewDpi = 150;

const QPageLayout A4Landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                              QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);

const orve::model::Grid& largeTimetable()
{
    static orve::model::Grid grid;
    if (grid.rowCount() != Classes + 2)
        orve::test::layOutTimetable(grid, orve::test::classNames(Classes), Days, Periods, true);
    return grid;
}

orve::print::ReportSheet fillSheet()
{
    orve::print::ReportSheet sheet;
    orve::print::fillMasterTimetable(sheet, largeTimetable(), Days, Periods,
                                     QStringLiteral(u"2024-2025学年第一学期 总课表"), [] {});
    return sheet;
}

void BM_FillSheet(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fillSheet());
}
BENCHMARK(BM_FillSheet)->Unit(benchmark::kMillisecond);

// From the master timetable to the first page drawn at preview resolution.
void BM_FirstPage(benchmark::State& state)
{
    const QSize pixels = A4Landscape.paintRectPixels(PreviewDpi).size();
    for (auto _ : state) {
        const orve::print::ReportSheet sheet = fillSheet();
        const orve::render::SheetDocument document(sheet, A4Landscape, {sheet.title(), true});
        QImage image(pixels, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(PreviewDpi / 0.0254));
        image.setDotsPerMeterY(int(PreviewDpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        document.paintPage(painter, 0, PreviewDpi);
        state.counters["pages"] = document.pageCount();
    }
}
BENCHMARK(BM_FirstPage)->Unit(benchmark::kMillisecond);

// Every page into a PDF in memory, as "另存为 PDF" writes it.
void BM_AllPagesToPdf(benchmark::State& state)
{
    const orve::print::ReportSheet sheet = fillSheet();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(A4Landscape);
        orve::render::printSheet(writer, sheet, {sheet.title(), true});
        state.counters["bytes"] = double(buffer.size());
    }
}
BENCHMARK(BM_AllPagesToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// 打印预览 as the user sees it: the print window filled from the master timetable, its
// preview laid out and the window with the first page painted.
void BM_PreviewWindowFirstPage(benchmark::State& state)
{
    orve::model::Grid grid = largeTimetable();
    orve::ui::PrintWindow window;
    for (auto _ : state) {
        orve::print::printMasterTimetable(window, grid, Days, Periods,
                                          QStringLiteral(u"2024-2025学年第一学期 总课表"),
                                          [] { QCoreApplication::processEvents(); });
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
        state.counters["pages"] = window.pageCount();
    }
}
BENCHMARK(BM_PreviewWindowFirstPage)->Unit(benchmark::kMillisecond)->Iterations(3);

// The export of every class timetable: 150 sheets made from the school and written as one
// PDF file (contents pages and one page per class).
void BM_ClassTimetablesPdf(benchmark::State& state)
{
    orve::model::School school;
    school.classes = orve::test::classNames(Classes);
    school.week.days = QString::number(Days);
    school.masterTimetable = largeTimetable();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("classes.pdf"));
    for (auto _ : state) {
        const orve::render::PdfExport written =
            orve::render::writeTimetablesPdf(path, school, Periods, {false, true, false}, {});
        state.counters["pages"] = written.pages;
        state.counters["bytes"] = double(QFileInfo(path).size());
    }
}
BENCHMARK(BM_ClassTimetablesPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
