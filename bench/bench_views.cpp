// How long the double-booking check and the distribution views take on the largest school:
// 150 classes, 7 days of 10 periods, 570 teachers. The check is timed with no double booking
// (every teacher examined) and with one in the last teacher of the list; headless and as the
// menu runs it in the shown window, repaint included.
#include "grid/gridview.h"
#include "mainwindow.h"
#include "model/cellmarks.h"
#include "model/layouts.h"
#include "model/lessoncell.h"
#include "model/slots.h"
#include "pages/schedulingpage.h"
#include "silentuiport.h"
#include "views/distribution.h"
#include "views/doublebookingcheck.h"
#include "workspace.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace orve;

constexpr int Classes = 150;
constexpr int Days = 7;
constexpr int PeriodsPerDay = 10;
constexpr int Teachers = 570;
constexpr int Courses = 15;

// Every slot holds a lesson; within a column no teacher comes twice. Every tenth lesson is
// fixed. With `lastTeacherTwice`, the last teacher of the list is also put into a second class
// in one of its slots.
void makeSchool(Workspace& ws, bool lastTeacherTwice)
{
    model::School& school = ws.school;
    school.classes.clear();
    for (int i = 1; i <= Classes; ++i)
        school.classes.append(QStringLiteral(u"初%1(%2)").arg(i / 20 + 1).arg(i % 20 + 1));
    school.teachers.clear();
    for (int t = 0; t < Teachers; ++t)
        school.teachers.append(QStringLiteral(u"教师%1").arg(t));
    QStringList courses;
    for (int k = 0; k < Courses; ++k)
        courses.append(QStringLiteral(u"课程%1").arg(k));
    ws.session.periodsPerDay = PeriodsPerDay;
    model::Grid& timetable = school.masterTimetable;
    model::RedrawSuspender suspended(timetable);
    timetable.clearCells();
    model::layOutMasterFrame(timetable, school.classes, PeriodsPerDay, Days, model::masterDayName,
                             true);
    const auto teacherOf = [](int classIndex, int column) {
        return (classIndex + 7 * column) % Teachers;
    };
    for (int i = 0; i < Classes; ++i)
        for (int c = 1; c < timetable.columnCount(); ++c) {
            const int row = model::classRow(i);
            timetable.setText({row, c}, model::lessonText(courses.at((i + c) % Courses),
                                                          school.teachers.at(teacherOf(i, c))));
            timetable.setTextStyle({row, c},
                                   (i + c) % 10 == 0 ? model::FixedMark : model::TextStyle::Flat);
        }
    if (!lastTeacherTwice)
        return;
    for (int c = timetable.columnCount() - 1; c >= 1; --c) {
        const int holder = ((Teachers - 1 - 7 * c) % Teachers + Teachers) % Teachers;
        if (holder < Classes) {
            const int other = model::classRow((holder + 1) % Classes);
            timetable.setText({other, c}, model::lessonText(courses.at(0), school.teachers.last()));
            return;
        }
    }
}

void BM_Check(benchmark::State& state)
{
    Workspace ws;
    makeSchool(ws, state.range(0) != 0);
    SilentUiPort ui;
    bool found = false;
    for (auto _ : state)
        found = bool(views::checkDoubleBookings(ws, ui));
    if (found != (state.range(0) != 0))
        state.SkipWithError("the check found what the school does not hold");
}
BENCHMARK(BM_Check)->ArgName("lastTeacherTwice")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The window on the master timetable's tab, shown and painted once.
struct ShownWindow
{
    SilentUiPort answers;
    ui::MainWindow window{&answers};

    explicit ShownWindow(bool lastTeacherTwice)
    {
        window.resize(1280, 700);
        window.show();
        makeSchool(window.workspace(), lastTeacherTwice);
        window.workspace().school.masterTimetable.setCurrentCell({Classes / 2, 35});
        window.tabs()->setCurrentIndex(int(MainTab::Scheduling));
        QApplication::processEvents();
    }

    void run(QAction* ui::Actions::*item)
    {
        (window.actions().*item)->trigger();
        QApplication::processEvents();
    }
};

void BM_CheckInWindow(benchmark::State& state)
{
    ShownWindow shown(state.range(0) != 0);
    for (auto _ : state)
        shown.run(&ui::Actions::checkDoubleBookings);
}
BENCHMARK(BM_CheckInWindow)
    ->ArgName("lastTeacherTwice")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

const std::pair<const char*, QAction * ui::Actions::*> Views[] = {
    {"teacherSpreadSchool", &ui::Actions::teacherSpreadSchool},
    {"teacherSpreadClass", &ui::Actions::teacherSpreadClass},
    {"courseSpreadSchool", &ui::Actions::courseSpreadSchool},
    {"courseSpreadClass", &ui::Actions::courseSpreadClass}};

void BM_DistributionInWindow(benchmark::State& state)
{
    ShownWindow shown(false);
    const auto& [label, item] = Views[state.range(0)];
    state.SetLabel(label);
    for (auto _ : state)
        shown.run(item);
}
BENCHMARK(BM_DistributionInWindow)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
