#include "mainwindow.h"

#include "commands/adjustcommands.h"
#include "commands/checkcommands.h"
#include "commands/conditionscommands.h"
#include "commands/exchangecommands.h"
#include "commands/filemenu.h"
#include "commands/printcommands.h"
#include "commands/recentfilesmenu.h"
#include "commands/removedoublebookingscommand.h"
#include "commands/schedulingcommand.h"
#include "commands/schoolcommands.h"
#include "commands/timetablecommands.h"
#include "commands/windowcommands.h"
#include "grid/gridview.h"
#include "pages/basicspage.h"
#include "pages/conditionspage.h"
#include "pages/dailyrulesbox.h"
#include "pages/namespanel.h"
#include "pages/planpage.h"
#include "pages/schedulingpage.h"
#include "pages/schedulingstatus.h"
#include "pages/stepspage.h"
#include "platform/icons.h"
#include "platform/programinfo.h"
#include "platform/qtuiport.h"
#include "widgets/accessiblenames.h"
#include "widgets/documentstatus.h"
#include "widgets/numericguardfilter.h"
#include "windows/splashwindow.h"

#include "fileio/filecommands.h"
#include "school/startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace orve::ui {

MainWindow::MainWindow(UiPort* dialogs, QWidget* parent)
    : QMainWindow(parent), guard_(new NumericGuardFilter(this)), tabs_(new QTabWidget(this))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(programTitle());
    setWindowIcon(programIcon());
    actions_ = buildMenuBar(menuBar());
    auto* toolbar = addToolBar(QStringLiteral(u"工具栏"));
    nameControl(toolbar, "toolbar", QStringLiteral(u"工具栏"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar_ = buildToolbar(toolbar, actions_);
    nameControl(tabs_, "tabs", QStringLiteral(u"功能选项卡"));
    ui_ = std::make_unique<QtUiPort>(
        this, tabs_, [this](FocusTarget target) { return focusTarget(target); }, dialogs);

    views_.window = this;
    views_.tabs = tabs_;
    views_.toolbar = toolbar;
    views_.statusBar = statusBar();
    buildTabs();
    setCentralWidget(tabs_);
    makeCommands();
    // There from the start, so that the first message does not push the tabs up.
    new DocumentStatus(ws_, statusBar());
    nameForScreenReaders(this);

    // The window fits a 1366 x 768 screen; the grids scroll.
    QSize size(1280, 700);
    if (const QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    resize(size);
}

MainWindow::~MainWindow() = default;

UiPort& MainWindow::uiPort()
{
    return *ui_;
}

void MainWindow::buildTabs()
{
    views_.basics = new BasicsPage(ws_, guard_, tabs_);
    views_.plan = new PlanPage(ws_.school.plan, tabs_);
    views_.plan->layout()->addWidget(new DailyRulesBox(ws_, views_.plan));
    views_.conditions = new ConditionsPage(ws_, *ui_, guard_, tabs_);
    views_.scheduling = new SchedulingPage(ws_, tabs_);
    views_.steps = new StepsPage(tabs_);
    views_.schedulingStatus = new SchedulingStatusPanel(ws_, views_.scheduling);
    views_.scheduling->layout()->addWidget(views_.schedulingStatus);
    tabs_->addTab(views_.basics, QStringLiteral(u"输入基本要求 "));
    tabs_->addTab(views_.plan, QStringLiteral(u"设置教学计划"));
    tabs_->addTab(views_.conditions, QStringLiteral(u"特殊条件考虑"));
    tabs_->addTab(views_.scheduling, QStringLiteral(u"自动排课"));
    tabs_->addTab(views_.steps, QStringLiteral(u"排课步骤提示"));
}

void MainWindow::makeCommands()
{
    const CommandContext context{ws_, *ui_, actions_, toolbar_, views_};
    new WindowCommands(context, this);
    new FileMenu(context, this);
    new ExchangeCommands(context, this);
    new RecentFilesMenu(context, this);
    new SchoolCommands(context, this);
    bindConditionsCommands(context, this);
    new SchedulingCommand(context, this);
    new RemoveDoubleBookingsCommand(context, this);
    new AdjustCommands(context, this);
    bindCheckCommands(context, this);
    printCommands_ = new PrintCommands(context, this);
    new TimetableCommands(context, *printCommands_, this);
}

QWidget* MainWindow::focusTarget(FocusTarget target)
{
    switch (target) {
    case FocusTarget::MainWindow: return this;
    case FocusTarget::TeachingPlan:
        return views_.plan->view();
    case FocusTarget::FixedLessonGrid:
        return views_.conditions->view();
    case FocusTarget::MasterTimetable:
        return views_.scheduling->view();
    case FocusTarget::NameEntry:
        return views_.basics->namesPanel()->entry();
    }
    return nullptr;
}

void MainWindow::startUp()
{
    show();
    auto* splash = new SplashWindow(this);
    splash->showOver(this);
    school::startUp(ws_, *ui_);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Exit ends the program at once, unless unsaved changes are to be kept.
    if (!fileio::askToKeepWork(ws_, *ui_)) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

} // namespace orve::ui
