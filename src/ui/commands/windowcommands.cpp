#include "windowcommands.h"

#include "commandcontext.h"
#include "pages/stepspage.h"
#include "platform/programinfo.h"
#include "windows/helpwindow.h"

#include "model/grid.h"
#include "school/startup.h"
#include "uiport.h"
#include "workspace.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

namespace orve::ui {

WindowCommands::WindowCommands(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), window_(context.views.window)
{
    const Actions& actions = context.actions;
    UiPort& ui = context.ui;
    bindAction(actions.exit, this, [this] { window_->close(); });
    bindAction(actions.weekStructure, this, [&ui] { ui.showTab(MainTab::Basics); });
    bindAction(actions.masterTimetable, this, [&ui] { ui.showTab(MainTab::Scheduling); });
    bindAction(actions.forcedSwap, this, [this] { school::toggleForcedSwapMode(ws_); });
    QAction* forcedSwapButton = context.toolbar.button(ToolbarButtons::ForcedSwap);
    connect(&ws_.notifier, &Notifier::forcedSwapModeChanged, this,
            [menuItem = actions.forcedSwap, forcedSwapButton](bool on) {
                menuItem->setChecked(on);
                forcedSwapButton->setChecked(on);
            });
    bindToolbar(context);
    bindAction(actions.helpTopics, this, &WindowCommands::showHelpDocument);
    connect(context.views.steps->moreInformation(), &QPushButton::clicked, this,
            &WindowCommands::showHelpDocument);
    bindAction(actions.about, this, &WindowCommands::showAbout);
}

void WindowCommands::bindToolbar(const CommandContext& context)
{
    const ToolbarButtons& toolbar = context.toolbar;
    for (int number = 1; number <= ToolbarButtons::Count; ++number) {
        QAction* button = toolbar.button(number);
        if (!button)
            continue;
        QAction* menuItem = toolbar.commands.at(std::size_t(number - 1));
        bindAction(button, this, [this, menuItem] {
            // A button's command redraws the master timetable once, when it has finished.
            model::RedrawSuspender suspended(ws_.school.masterTimetable);
            if (menuItem)
                menuItem->trigger();
            else
                school::toggleForcedSwapMode(ws_);
        });
    }
}

void WindowCommands::showAbout()
{
    QMessageBox::about(
        window_, QStringLiteral(u"关于 ") + programTitle(),
        QStringLiteral(u"<h3>%1</h3><p>版本 %2</p>"
                       u"<p>为学校编排每周课程表：日制与节次、班级、课程、教师与场地、"
                       u"教学计划、合班课、固定课预排、自动排课、手动调整、"
                       u"班级与教师课表、重课检查和打印。</p>")
            .arg(programTitle().trimmed(), QApplication::applicationVersion()));
}

void WindowCommands::showHelpDocument()
{
    showHelp(window_, helpFilePath());
}

} // namespace orve::ui
