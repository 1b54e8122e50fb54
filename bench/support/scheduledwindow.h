// The main window with the generated school of 150 classes (7 days x 10 periods) scheduled
// with seed 1, shown at the size it has on a 1366 x 768 screen: what the window benchmarks
// measure their commands in.
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

    ScheduledWindow()
    {
        window.resize(1280, 700);
        window.show();
        generateSchool(window.workspace(), SchoolShape{});
        scheduler::SeededRandom random(1);
        scheduler::scheduleTimetable(window.workspace(), dialogs, random);
        QApplication::processEvents();
    }

    Workspace& ws() { return window.workspace(); }
};

} // namespace orve::bench
