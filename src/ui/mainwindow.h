// Form1, the main window: the menu bar, the toolbar Toolbar1 and the five-tab panel SSTab1
// around the tables of the open school. It connects widgets to core commands and holds no
// rules of its own.
#pragma once

#include "menus/menubar.h"
#include "menus/toolbar.h"
#include "uiport.h"
#include "workspace.h"

#include <QMainWindow>
#include <memory>

class QTabWidget;

namespace orve::ui {

class BasicsPage;
class ConditionsPage;
class FileCommands;
class GridPage;
class NumericGuardFilter;
class PlanPage;
class PrintCommands;
class QtUiPort;
class SchedulingPage;
class SchoolController;
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

    // A menu item by its design name ("newSchool", "forcedSwap", …).
    QAction* action(const QString& name) const;
    // Toolbar button 1 to 21; spacers are null.
    QAction* toolbarButton(int number) const { return toolbar_.button(number); }
    QTabWidget* tabs() const { return tabs_; }
    BasicsPage* basicsPage() const { return basicsPage_; }
    PlanPage* planPage() const { return planPage_; }
    ConditionsPage* conditionsPage() const { return conditionsPage_; }
    SchedulingPage* schedulingPage() const { return schedulingPage_; }
    FileCommands* fileCommands() const { return fileCommands_; }
    PrintCommands* printCommands() const { return printCommands_; }
    StepsPage* stepsPage() const { return stepsPage_; }
    // Shows the name lists and plan choosers again after the tables were replaced.
    SchoolController* school() const { return school_; }
    SchedulingStatusPanel* schedulingStatus() const { return schedulingStatus_; }

    // Shows the window and the splash, then prepares the tables.
    void startUp();

signals:
    // The user selected a tab by clicking it (tabs selected by commands do not count).
    void tabClicked(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTabs();
    void connectCommands();
    void runToolbarButton(int number);
    void toggleForcedSwap();
    void showForcedSwapMode(bool on);
    void showAbout();
    void showHelpDocument();
    QWidget* focusTarget(FocusTarget target);

    Workspace ws_;
    NumericGuardFilter* guard_;
    QTabWidget* tabs_;
    BasicsPage* basicsPage_ = nullptr;
    PlanPage* planPage_ = nullptr;
    ConditionsPage* conditionsPage_ = nullptr;
    SchedulingPage* schedulingPage_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    PrintCommands* printCommands_ = nullptr;
    StepsPage* stepsPage_ = nullptr;
    SchedulingStatusPanel* schedulingStatus_ = nullptr;
    MenuActions menu_;
    ToolbarButtons toolbar_;
    std::unique_ptr<QtUiPort> ui_;
    SchoolController* school_ = nullptr;
};

} // namespace orve::ui
