// Connects the school-data widgets of the main window to the core commands: the four list
// commands and their buttons on the first tab, the plan commands, the plan cell presses and
// choosers on the second tab, and a user's click on the plan tab.
#pragma once

#include "school/namelist.h"

#include <QObject>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

class MainWindow;
class NamesPanel;
class PlanPage;

class SchoolController : public QObject
{
    Q_OBJECT

public:
    explicit SchoolController(MainWindow& window);

private:
    // The lists and choosers follow the workspace's notifier.
    void followWorkspace();
    void connectMenu();
    void connectNames();
    void connectPlan();
    // Runs a command on the tables, then shows the lists again.
    template <typename Command>
    void runOnNames(Command command);
    void runShowTeachingPlan();
    void stepClassFinder(int delta);
    void scrollTo(const QString& className);

    MainWindow& window_;
    Workspace& ws_;
    UiPort& ui_;
    NamesPanel* names_;
    PlanPage* plan_;
};

} // namespace orve::ui
