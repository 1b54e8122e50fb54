// What every command class of the window is given: the open school, the window port, the menu
// items and the views the commands drive. The main window fills it once it has built its parts;
// no command reaches into the main window itself.
#pragma once

#include "menus/actions.h"
#include "menus/toolbar.h"

#include <QAction>
#include <QObject>
#include <functional>

class QStatusBar;
class QTabWidget;
class QToolBar;
class QWidget;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

class BasicsPage;
class ConditionsPage;
class PlanPage;
class SchedulingPage;
class SchedulingStatusPanel;
class StepsPage;

struct WindowViews
{
    QWidget* window = nullptr; // the main window: parent of the dialogs and the other windows
    QTabWidget* tabs = nullptr;
    QToolBar* toolbar = nullptr;
    QStatusBar* statusBar = nullptr;
    BasicsPage* basics = nullptr;
    PlanPage* plan = nullptr;
    ConditionsPage* conditions = nullptr;
    SchedulingPage* scheduling = nullptr;
    SchedulingStatusPanel* schedulingStatus = nullptr;
    StepsPage* steps = nullptr;
};

struct CommandContext
{
    Workspace& ws;
    UiPort& ui;
    const Actions& actions;
    const ToolbarButtons& toolbar;
    WindowViews views;
};

// Runs `command` whenever `action` is triggered, while `owner` lives.
template <typename Owner, typename Command>
void bindAction(QAction* action, Owner* owner, Command&& command)
{
    QObject::connect(action, &QAction::triggered, owner, std::forward<Command>(command));
}

// Runs `command` when the user clicks tab `tab` (a tab selected by a command does not count).
void bindTabClick(const WindowViews& views, int tab, QObject* owner, std::function<void()> command);

} // namespace orve::ui
