// How long the class and teacher timetable window takes on the largest school, 150 classes of
// 7 days x 10 periods, scheduled once: one class view and one teacher view built without
// widgets, the same chosen in the shown window (repaint included), the window following a
// swap on the master timetable, and a step of the spin through all 150 classes. Run with
// QT_QPA_PLATFORM=offscreen where there is no display.
#include "adjust/lessonswap.h"
#include "mainwindow.h"
#include "model/slots.h"
#include "scheduledwindow.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "schoolgenerator.h"
#include "silentuiport.h"
#include "views/weekview.h"
#include "widgets/spinbuttons.h"
#include "windows/timetablewindow.h"
#include "workspace.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QToolButton>
#include <benchmark/benchmark.h>

namespace {

using namespace orve;
using views::WeekViewKind;

// One window with the scheduled school for every benchmark.
struct Scene : bench::ScheduledWindow
{

    ui::TimetableWindow& open(WeekViewKind kind)
    {
        const ui::Actions& actions = window.actions();
        (kind == WeekViewKind::Class ? actions.classTimetable : actions.teacherTimetable)
            ->trigger();
        QApplication::processEvents();
        return *window.findChild<ui::TimetableWindow*>();
    }
};

// Made once and never destroyed: it must not outlive the application object at exit.
Scene& scene()
{
    static Scene* shared = new Scene;
    return *shared;
}

void BM_WeekViewHeadless(benchmark::State& state)
{
    Workspace& ws = scene().ws();
    SilentUiPort ui;
    views::WeekView view;
    const auto kind = WeekViewKind(state.range(0));
    state.SetLabel(kind == WeekViewKind::Class ? "class view" : "teacher view");
    views::openWeekView(ws, ui, view, kind, false);
    int index = 0;
    for (auto _ : state) {
        index = (index + 37) % int(view.entries.size());
        views::chooseEntry(ws, ui, view, index);
    }
}
BENCHMARK(BM_WeekViewHeadless)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// An entry chosen in the list of the shown window and painted.
void BM_WeekViewInWindow(benchmark::State& state)
{
    const auto kind = WeekViewKind(state.range(0));
    state.SetLabel(kind == WeekViewKind::Class ? "class view" : "teacher view");
    ui::TimetableWindow& form2 = scene().open(kind);
    QComboBox* list = form2.entries();
    int index = 0;
    for (auto _ : state) {
        index = (index + 37) % list->count();
        emit list->activated(index);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WeekViewInWindow)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A pick and its right click on the master timetable while the class view shows the class:
// the window follows both.
void BM_ClassViewFollowsAPick(benchmark::State& state)
{
    Scene& shown = scene();
    ui::TimetableWindow& form2 = shown.open(WeekViewKind::Class);
    emit form2.entries()->activated(75);
    const model::CellRef lesson{model::classRow(75), 35};
    for (auto _ : state) {
        adjust::releaseOnTimetable(shown.ws(), shown.window.uiPort(), lesson, Qt::LeftButton,
                                   Qt::NoModifier);
        QApplication::processEvents();
        adjust::releaseOnTimetable(shown.ws(), shown.window.uiPort(), lesson, Qt::RightButton,
                                   Qt::NoModifier);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ClassViewFollowsAPick)->Unit(benchmark::kMillisecond);

// The spin stepped from the first class to the last, each class painted; the time of a step.
void BM_StepThroughAllClasses(benchmark::State& state)
{
    ui::TimetableWindow& form2 = scene().open(WeekViewKind::Class);
    QToolButton* up = form2.spin()->upButton();
    const int classes = form2.entries()->count();
    QElapsedTimer stepping;
    qint64 elapsed = 0;
    for (auto _ : state) {
        emit form2.entries()->activated(0);
        QApplication::processEvents();
        stepping.start();
        for (int i = 1; i < classes; ++i) {
            up->click();
            QApplication::processEvents();
        }
        elapsed += stepping.elapsed();
    }
    if (form2.entries()->currentIndex() != classes - 1)
        state.SkipWithError("the spin did not reach the last class");
    const double steps = double(state.iterations()) * (classes - 1);
    state.counters["msPerStep"] = double(elapsed) / steps;
}
BENCHMARK(BM_StepThroughAllClasses)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
