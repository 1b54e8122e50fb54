// The main window with the generated school of 150 classes (7 days x 10 periods) scheduled
// with seed 1, shown at the size it has on a 1366 x 768 screen: what the window benchmarks
// measure their commands in. With `dailyRules` the school keeps bench::addDailyRules.
#pragma once

#include "mainwindow.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "schoolgenerator.h"
#include "silentuiport.h"
#include "workspace.h"

#include <QApplication>

namespace orve::bench {

struct ScheduledWindow
{
    SilentUiPort dialogs;
    ui::MainWindow window{&dialogs};

    explicit ScheduledWindow(bool dailyRules = false)
    {
        window.resize(1280, 700);
        window.show();
        generateSchool(window.workspace(), SchoolShape{});
        if (dailyRules)
            addDailyRules(window.workspace().school);
        scheduler::SeededRandom random(1);
        scheduler::scheduleTimetable(window.workspace(), dialogs, random);
        QApplication::processEvents();
    }

    Workspace& ws() { return window.workspace(); }
};

} // namespace orve::bench
