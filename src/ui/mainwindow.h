// Form1, the main window: the menu bar, the toolbar Toolbar1 and the five-tab panel SSTab1
// around the tables of the open school. It connects widgets to core commands and holds no
// rules of its own.
#pragma once

#include "menubar.h"
#include "toolbar.h"
#include "uiport.h"
#include "workspace.h"

#include <QMainWindow>
#include <memory>

class QTabWidget;

namespace orve::ui {

class BasicsPage;
class GridPage;
class NumericGuardFilter;
class QtUiPort;
class SchedulingStatusPanel;
class StepsPage;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return ws_; }
    UiPort& uiPort();

    // A menu item by its design name ("xjwj", "qxtk", …).
    QAction* action(const QString& name) const;
    // Toolbar button 1 to 21; spacers are null.
    QAction* toolbarButton(int number) const { return toolbar_.button(number); }
    QTabWidget* tabs() const { return tabs_; }
    BasicsPage* basicsPage() const { return basicsPage_; }
    GridPage* planPage() const { return planPage_; }
    GridPage* conditionsPage() const { return conditionsPage_; }
    GridPage* schedulingPage() const { return schedulingPage_; }
    StepsPage* stepsPage() const { return stepsPage_; }
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
    void showAbout();
    void showHelpDocument();
    void relayout();
    QWidget* focusTarget(FocusTarget target);

    Workspace ws_;
    NumericGuardFilter* guard_;
    QTabWidget* tabs_;
    BasicsPage* basicsPage_ = nullptr;
    GridPage* planPage_ = nullptr;
    GridPage* conditionsPage_ = nullptr;
    GridPage* schedulingPage_ = nullptr;
    StepsPage* stepsPage_ = nullptr;
    SchedulingStatusPanel* schedulingStatus_ = nullptr;
    MenuActions menu_;
    ToolbarButtons toolbar_;
    std::unique_ptr<QtUiPort> ui_;
};

} // namespace orve::ui
