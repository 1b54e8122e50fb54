#include "mainwindow.h"

#include "widgets/accessiblenames.h"
#include "commands/adjustcommands.h"
#include "pages/basicspage.h"
#include "commands/checkcommands.h"
#include "commands/conditionscommands.h"
#include "pages/conditionspage.h"
#include "widgets/documentstatus.h"
#include "commands/filecommands.h"
#include "fileio/filecommands.h"
#include "grid/gridpage.h"
#include "grid/gridview.h"
#include "windows/helpwindow.h"
#include "platform/icons.h"
#include "pages/namespanel.h"
#include "widgets/numericguardfilter.h"
#include "commands/optimisecommand.h"
#include "pages/planpage.h"
#include "commands/printcommands.h"
#include "platform/programinfo.h"
#include "platform/qtuiport.h"
#include "commands/recentfilesmenu.h"
#include "commands/schedulingcommand.h"
#include "pages/schedulingpage.h"
#include "pages/schedulingstatus.h"
#include "school/startup.h"
#include "school/weekcommands.h"
#include "commands/schoolcontroller.h"
#include "windows/splashwindow.h"
#include "pages/stepspage.h"
#include "commands/timetablecommands.h"
#include "pages/weekfieldsbox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace orve::ui {

MainWindow::MainWindow(UiPort* dialogs, QWidget* parent)
    : QMainWindow(parent), guard_(new NumericGuardFilter(this)), tabs_(new QTabWidget(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programTitle());
    setWindowIcon(programIcon());
    menu_ = buildMenuBar(menuBar());
    auto* toolbar = addToolBar(QStringLiteral(u"工具栏"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar_ = buildToolbar(toolbar);

    tabs_->setObjectName(QStringLiteral("SSTab1"));
    buildTabs();
    setCentralWidget(tabs_);
    ui_ = std::make_unique<QtUiPort>(
        this, tabs_, [this](FocusTarget target) { return focusTarget(target); }, dialogs);
    connectCommands();
    school_ = new SchoolController(*this);
    fileCommands_ = new FileCommands(*this, *ui_);
    new AdjustCommands(*this);
    new RecentFilesMenu(ws_, *ui_, menuBar()->findChild<QMenu*>(QStringLiteral("file")),
                        action(QStringLiteral("exit")));
    // There from the start, so that the first message does not push the tabs up.
    new DocumentStatus(ws_, statusBar());
    printCommands_ = new PrintCommands(*this, *ui_);
    new TimetableCommands(*this, *printCommands_);
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

QAction* MainWindow::action(const QString& name) const
{
    return menu_.value(name);
}

void MainWindow::buildTabs()
{
    basicsPage_ = new BasicsPage(ws_, guard_, tabs_);
    planPage_ = new PlanPage(ws_.school.plan, tabs_);
    conditionsPage_ = new ConditionsPage(ws_, guard_, [this]() -> UiPort& { return *ui_; }, tabs_);
    schedulingPage_ = new SchedulingPage(ws_, tabs_);
    stepsPage_ = new StepsPage(tabs_);
    schedulingStatus_ = new SchedulingStatusPanel(schedulingPage_);
    schedulingPage_->layout()->addWidget(schedulingStatus_);
    tabs_->addTab(basicsPage_, QStringLiteral(u"输入基本要求 "));
    tabs_->addTab(planPage_, QStringLiteral(u"设置教学计划"));
    tabs_->addTab(conditionsPage_, QStringLiteral(u"特殊条件考虑"));
    tabs_->addTab(schedulingPage_, QStringLiteral(u"自动排课"));
    tabs_->addTab(stepsPage_, QStringLiteral(u"排课步骤提示"));
    connect(tabs_->tabBar(), &QTabBar::tabBarClicked, this, &MainWindow::tabClicked);
}

void MainWindow::connectCommands()
{
    const auto on = [this](const char* name, auto&& command) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, command);
    };
    const auto showTab = [this](MainTab tab) { return [this, tab] { ui_->showTab(tab); }; };
    on("exit", [this] { close(); });
    on("weekStructure", showTab(MainTab::Basics));
    on("masterTimetable", showTab(MainTab::Scheduling));
    new SchedulingCommand(ws_, *ui_, this, schedulingPage_, schedulingPage_->view(),
                          schedulingStatus_, action(QStringLiteral("autoSchedule")));
    new OptimiseCommand(ws_, *ui_, this, action(QStringLiteral("removeDoubleBookings")));
    on("forcedSwap", [this] { toggleForcedSwap(); });
    on("helpTopics", [this] { showHelpDocument(); });
    on("about", [this] { showAbout(); });
    connect(stepsPage_->moreInformation(), &QPushButton::clicked, this,
            &MainWindow::showHelpDocument);
    connectConditionsCommands(*this, *conditionsPage_);
    connectCheckCommands(*this);
    connect(basicsPage_->weekFields(), &WeekFieldsBox::stepRequested, this,
            [this](int field, const QString& text) {
                school::stepWeekField(ws_, *ui_, model::WeekField(field), text);
            });
    connect(&ws_.notifier, &Notifier::forcedSwapModeChanged, this, &MainWindow::showForcedSwapMode);

    for (int number = 1; number <= ToolbarButtons::Count; ++number)
        if (QAction* button = toolbar_.button(number))
            connect(button, &QAction::triggered, this,
                    [this, number] { runToolbarButton(number); });
}

void MainWindow::runToolbarButton(int number)
{
    model::RedrawSuspender suspended(ws_.school.masterTimetable);
    if (number == ToolbarButtons::ForcedSwap)
        toggleForcedSwap();
    else if (QAction* command = action(toolbar_.commands.at(std::size_t(number - 1))))
        command->trigger();
}


void MainWindow::toggleForcedSwap()
{
    school::toggleForcedSwapMode(ws_);
}

void MainWindow::showForcedSwapMode(bool on)
{
    action(QStringLiteral("forcedSwap"))->setChecked(on);
    toolbar_.button(ToolbarButtons::ForcedSwap)->setChecked(on);
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, QStringLiteral(u"关于 ") + programTitle(),
                       QStringLiteral(u"<h3>%1</h3><p>版本 %2</p>"
                                      u"<p>为学校编排每周课程表：日制与节次、班级、课程、教师与场地、"
                                      u"教学计划、合班课、固定课预排、自动排课、手动调整、"
                                      u"班级与教师课表、重课检查和打印。</p>")
                           .arg(programTitle().trimmed(), QApplication::applicationVersion()));
}

void MainWindow::showHelpDocument()
{
    showHelp(this, helpFilePath());
}

QWidget* MainWindow::focusTarget(FocusTarget target)
{
    switch (target) {
    case FocusTarget::MainWindow: return this;
    case FocusTarget::TeachingPlan: return planPage_->view();
    case FocusTarget::FixedLessonGrid: return conditionsPage_->view();
    case FocusTarget::MasterTimetable: return schedulingPage_->view();
    case FocusTarget::NameEntry: return basicsPage_->namesPanel()->entry();
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
