// How long the name-list commands take on the largest school: 150 classes x 15 courses, a
// plan of 2,250 rows. Each case runs on the core alone (argument 0) and with a GridView showing
// the plan, window events processed once per row as the program does (argument 1).
#include "grid/gridview.h"
#include "model/grid.h"
#include "school/namelist.h"
#include "school/namelistcommands.h"
#include "school/startup.h"
#include "uiport.h"
#include "workspace.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace orve;
using school::NameList;

constexpr int Classes = 150;
constexpr int Courses = 15;

// Answers every message with its first button; optionally lets window events run.
class BenchUiPort : public UiPort
{
public:
    explicit BenchUiPort(bool events) : events_(events) {}
    MessageAnswer message(const QString&, MessageButtons, const QString&, MessageIcon) override
    {
        return MessageAnswer::Ok;
    }
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    void processEvents() override
    {
        if (events_)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void showTab(MainTab) override {}
    void giveFocus(FocusTarget) override {}

private:
    bool events_;
};

// A started workspace, with a view of the plan when asked for.
struct Bench
{
    Workspace ws;
    BenchUiPort ui;
    std::unique_ptr<ui::GridView> view;

    explicit Bench(bool withView) : ui(withView)
    {
        school::startUp(ws, ui);
        if (withView) {
            view = std::make_unique<ui::GridView>(ws.school.plan);
            view->resize(1200, 560);
            view->show();
            QApplication::processEvents();
        }
    }

    void run(void (*command)(Workspace&, UiPort&), NameList list, const QString& name = {})
    {
        school::makeListActive(ws, ui, list);
        ws.editor.names.entry = name;
        command(ws, ui);
        if (view)
            QApplication::processEvents();
    }

    void enterSchool()
    {
        for (int i = 0; i < Classes; ++i)
            run(school::addName, NameList::Classes, QStringLiteral(u"初%1班").arg(i + 1));
        for (int k = 0; k < Courses; ++k)
            run(school::addName, NameList::Courses, QStringLiteral(u"课程%1").arg(k + 1));
    }
};

void checkPlan(benchmark::State& state, const Workspace& ws, int rows)
{
    if (ws.school.plan.rowCount() != rows)
        state.SkipWithError("the plan does not have the expected rows");
}

// 150 classes first (each with its placeholder row), then 15 courses.
void BM_EnterSchool(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto bench = std::make_unique<Bench>(state.range(0) != 0);
        state.ResumeTiming();
        bench->enterSchool();
        state.PauseTiming();
        checkPlan(state, bench->ws, Classes * Courses + 1);
        bench.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnterSchool)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// One case times `command` on the full school and undoes it untimed.
template <typename Edit, typename Undo>
void timeEdit(benchmark::State& state, int expectedRows, Edit edit, Undo undo)
{
    Bench bench(state.range(0) != 0);
    bench.enterSchool();
    for (auto _ : state) {
        edit(bench);
        state.PauseTiming();
        checkPlan(state, bench.ws, expectedRows);
        undo(bench);
        state.ResumeTiming();
    }
}

void deleteEntry(Bench& bench, NameList list, int index)
{
    school::makeListActive(bench.ws, bench.ui, list);
    school::selectedEntry(bench.ws, list) = index;
    school::deleteName(bench.ws, bench.ui);
    if (bench.view)
        QApplication::processEvents();
}

void BM_AddCourse(benchmark::State& state)
{
    timeEdit(
        state, Classes * (Courses + 1) + 1,
        [](Bench& b) { b.run(school::addName, NameList::Courses, QStringLiteral(u"新课")); },
        [](Bench& b) { deleteEntry(b, NameList::Courses, Courses); });
}
BENCHMARK(BM_AddCourse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_InsertCourse(benchmark::State& state)
{
    timeEdit(
        state, Classes * (Courses + 1) + 1,
        [](Bench& b) {
            b.ws.editor.names.selectedCourse = 6;
            b.run(school::insertName, NameList::Courses, QStringLiteral(u"新课"));
        },
        [](Bench& b) { deleteEntry(b, NameList::Courses, 7); });
}
BENCHMARK(BM_InsertCourse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DeleteClass(benchmark::State& state)
{
    timeEdit(
        state, (Classes - 1) * Courses + 1,
        [](Bench& b) { deleteEntry(b, NameList::Classes, Classes / 2); },
        [](Bench& b) {
            b.ws.editor.names.selectedClass = Classes / 2 - 1;
            b.run(school::insertName, NameList::Classes,
                  QStringLiteral(u"初%1班").arg(Classes / 2 + 1));
        });
}
BENCHMARK(BM_DeleteClass)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
