// The main window: the menu bar, the toolbar and the five tabs around the tables of the
// open school. It only assembles the parts: the pages show the workspace, the command classes
// (commands/) bind the menu items and controls to the core's commands.
#pragma once

#include "commands/commandcontext.h"
#include "menus/actions.h"
#include "menus/toolbar.h"
#include "uiport.h"
#include "workspace.h"

#include <QMainWindow>
#include <memory>

class QTabWidget;

namespace orve::ui {

class BasicsPage;
class ConditionsPage;
class NumericGuardFilter;
class PlanPage;
class PrintCommands;
class QtUiPort;
class SchedulingPage;
class SchedulingStatusPanel;
class StepsPage;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `dialogs`, when given, answers the window's messages and file dialogs (tests pass their
    // scripted port); otherwise Qt's boxes and dialogs ask the user.
    explicit MainWindow(UiPort* dialogs = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return ws_; }
    UiPort& uiPort();

    const Actions& actions() const { return actions_; }
    // Toolbar button 1 to 21; spacers are null.
    QAction* toolbarButton(int number) const { return toolbar_.button(number); }
    QTabWidget* tabs() const { return tabs_; }
    BasicsPage* basicsPage() const { return views_.basics; }
    PlanPage* planPage() const { return views_.plan; }
    ConditionsPage* conditionsPage() const { return views_.conditions; }
    SchedulingPage* schedulingPage() const { return views_.scheduling; }
    SchedulingStatusPanel* schedulingStatus() const { return views_.schedulingStatus; }
    StepsPage* stepsPage() const { return views_.steps; }
    PrintCommands* printCommands() const { return printCommands_; }

    // Shows the window and the splash, then prepares the tables.
    void startUp();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTabs();
    void makeCommands();
    QWidget* focusTarget(FocusTarget target);

    Workspace ws_;
    NumericGuardFilter* guard_;
    QTabWidget* tabs_;
    Actions actions_;
    ToolbarButtons toolbar_;
    std::unique_ptr<QtUiPort> ui_;
    WindowViews views_;
    PrintCommands* printCommands_ = nullptr;
};

} // namespace orve::ui
