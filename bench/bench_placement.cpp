// How long the busy-teacher scan test::scannedRowWithTeacher takes on the master timetable of
// the largest schools: 150 classes, 7 days of 10 periods (71 columns), every slot holding a
// lesson of one of 60 teachers. The scheduler calls it once per candidate slot.
#include "model/grid.h"
#include "model/lessoncell.h"
#include "placementscans.h"
#include "scheduler/placementtests.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

constexpr int Classes = 150;
constexpr int Columns = 71;
constexpr int Teachers = 60;

QString teacherName(int n)
{
    return QStringLiteral(u"教师%1").arg(n);
}

// Teacher (r + c) mod 60 teaches class row r in column c, so every teacher appears in every
// column, first in row 2 + ((n - c) mod 60).
const orve::model::Grid& timetable()
{
    static orve::model::Grid grid(Classes + 2, Columns, 2, 1);
    if (grid.text({2, 0}).isEmpty()) {
        for (int r = 2; r < Classes + 2; ++r) {
            grid.setText({r, 0}, QStringLiteral(u"初一(%1)").arg(r - 1));
            for (int c = 1; c < Columns; ++c)
                grid.setText({r, c}, orve::model::lessonText(QStringLiteral(u"语文"),
                                                             teacherName((r + c) % Teachers)));
        }
    }
    return grid;
}

// A teacher who teaches nowhere: every class row of the column is read.
void BM_FhywTeacherFree(benchmark::State& state)
{
    const orve::model::Grid& grid = timetable();
    const QString teacher = QStringLiteral(u"外聘教师");
    int column = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(orve::test::scannedRowWithTeacher(grid, teacher, column));
        column = column % (Columns - 1) + 1;
    }
}
BENCHMARK(BM_FhywTeacherFree);

// Teachers found on average halfway down the first 60 rows.
void BM_FhywTeacherBusy(benchmark::State& state)
{
    const orve::model::Grid& grid = timetable();
    QStringList teachers;
    for (int n = 0; n < Teachers; ++n)
        teachers.append(teacherName(n));
    int column = 1;
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(orve::test::scannedRowWithTeacher(grid, teachers.at(n), column));
        n = (n + 7) % Teachers;
        column = column % (Columns - 1) + 1;
    }
}
BENCHMARK(BM_FhywTeacherBusy);

// The swap-conflict code of two cells of one class: four reads and two column scans.
void BM_Znzz(benchmark::State& state)
{
    const orve::model::Grid& grid = timetable();
    int column = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            orve::test::scannedSwapConflict(grid, {77, column}, {77, column % 70 + 1}));
        column = column % (Columns - 1) + 1;
    }
}
BENCHMARK(BM_Znzz);

} // namespace

