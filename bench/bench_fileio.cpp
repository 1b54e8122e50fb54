// Open and Save of the largest school users have: 150 classes, 15 courses, 7 days of 10
// periods, a full teaching plan and a full master timetable.
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "model/layouts.h"
#include "model/lessoncell.h"
#include "school/teachingplan.h"
#include "startup.h"
#include "uiport.h"
#include "workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace orve;

constexpr int Classes = 150;
constexpr int Courses = 15;
constexpr int Teachers = 60;

class QuietUiPort : public UiPort
{
public:
    MessageAnswer message(const QString&, MessageButtons, const QString&, MessageIcon) override
    {
        return MessageAnswer::Ok;
    }
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    void processEvents() override {}
    void showTab(MainTab) override {}
    void giveFocus(FocusTarget) override {}
};

void buildLargeSchool(Workspace& ws)
{
    QuietUiPort ui;
    ws.week.Text1 = QStringLiteral("5");
    ws.week.Text2 = QStringLiteral("4");
    ws.week.Text4 = QStringLiteral("1");
    ws.week.Text8 = QStringLiteral("7");
    startUp(ws, ui);
    for (int i = 0; i < Classes; ++i)
        ws.List1.append(QStringLiteral(u"高%1(%2)").arg(i / 50 + 1).arg(i % 50 + 1));
    for (int k = 0; k < Courses; ++k)
        ws.List10.append(QStringLiteral(u"课程%1").arg(k + 1));
    for (int t = 0; t < Teachers; ++t)
        ws.List11.append(QStringLiteral(u"教师%1").arg(t + 1));
    ws.List2 = QStringList{QStringLiteral(u"操场"), QStringLiteral(u"机房")};
    ws.Text9 = QStringLiteral(u"全校课程总表");

    school::cshjhb(ws);
    for (int i = 0; i < Classes; ++i)
        for (int k = 0; k < Courses; ++k) {
            const int row = school::planRow(i, k, Courses);
            ws.jhb.setText(row, school::TeacherColumn, ws.List11.at((i * 3 + k) % Teachers));
            ws.jhb.setText(row, school::PeriodsColumn, QStringLiteral("5"));
            ws.jhb.setText(row, school::PeriodsBackupColumn, QStringLiteral("5"));
            if (k < 3)
                ws.jhb.setText(row, school::MainMarkColumn, QStringLiteral(u"主"));
        }
    const QChar separator(0xF8F5);
    const int group = ws.Tr3.addChild(0, QStringLiteral(u"合班课1"), QStringLiteral(u"合班课1"));
    for (int i = 0; i < 10; ++i) {
        const QString entry = ws.List1.at(i) + separator + ws.List10.at(14);
        ws.Combo3.append(entry);
        ws.Tr3.addChild(group, QString::number(i + 1) + QStringLiteral("nkey"), entry);
        ws.Combo6.append(ws.List1.at(i) + QStringLiteral(u" 空课 1 1"));
    }

    model::zkcb(ws);
    for (int r = 2; r < ws.MSGrid.rowCount(); ++r)
        for (int c = 1; c < ws.MSGrid.columnCount(); ++c)
            ws.MSGrid.setText(r, c,
                              model::lessonText(ws.List10.at((r + c) % Courses),
                                                ws.List11.at((r * 7 + c) % Teachers)));
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
    QuietUiPort ui;
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

BENCHMARK_MAIN();
