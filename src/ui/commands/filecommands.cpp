#include "filecommands.h"

#include "fileio/filecommands.h"
#include "mainwindow.h"

#include <QAction>

namespace orve::ui {

FileCommands::FileCommands(MainWindow& window, UiPort& ui)
    : QObject(&window), window_(window), ui_(ui)
{
    const auto on = [this](const char* name, void (FileCommands::*command)()) {
        if (QAction* action = window_.action(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, command);
    };
    on("newSchool", &FileCommands::newSchool);
    on("openSchool", &FileCommands::openSchool);
    on("saveSchool", &FileCommands::saveSchool);
    on("saveSchoolAs", &FileCommands::saveSchoolAs);
}

void FileCommands::newSchool()
{
    fileio::newSchool(window_.workspace(), ui_);
}

void FileCommands::openSchool()
{
    fileio::openSchool(window_.workspace(), ui_);
}

void FileCommands::saveSchool()
{
    fileio::saveSchool(window_.workspace(), ui_);
}

void FileCommands::saveSchoolAs()
{
    fileio::saveSchoolAs(window_.workspace(), ui_);
}

} // namespace orve::ui
