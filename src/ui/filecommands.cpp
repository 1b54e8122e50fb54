#include "filecommands.h"

#include "basicspage.h"
#include "conditionspage.h"
#include "fileio/filecommands.h"
#include "mainwindow.h"
#include "schedulingpage.h"
#include "schoolcontroller.h"
#include "weekfieldsbox.h"

#include <QAction>

namespace orve::ui {

FileCommands::FileCommands(MainWindow& window, UiPort& ui)
    : QObject(&window), window_(window), ui_(ui)
{
    const auto on = [this](const char* name, void (FileCommands::*command)()) {
        if (QAction* action = window_.action(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, command);
    };
    on("xjwj", &FileCommands::newSchool);
    on("open", &FileCommands::openSchool);
    on("save", &FileCommands::saveSchool);
    on("luw", &FileCommands::saveSchoolAs);
}

void FileCommands::newSchool()
{
    fileio::xjwj(window_.workspace(), ui_);
    showNewSchool();
}

void FileCommands::openSchool()
{
    if (fileio::open(window_.workspace(), ui_) == fileio::CommandOutcome::Done)
        showNewSchool();
}

void FileCommands::saveSchool()
{
    fileio::save(window_.workspace(), ui_);
}

void FileCommands::saveSchoolAs()
{
    fileio::luw(window_.workspace(), ui_);
}

void FileCommands::showNewSchool()
{
    window_.basicsPage()->weekFields()->refresh();
    window_.school()->refresh();
    window_.conditionsPage()->refresh();
    window_.schedulingPage()->refresh();
    emit schoolReplaced();
}

} // namespace orve::ui
