#include "filecommands.h"

#include "commandcontext.h"

#include "fileio/filecommands.h"

namespace orve::ui {

FileCommands::FileCommands(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui)
{
    const Actions& actions = context.actions;
    bindAction(actions.newSchool, this, &FileCommands::newSchool);
    bindAction(actions.openSchool, this, &FileCommands::openSchool);
    bindAction(actions.saveSchool, this, &FileCommands::saveSchool);
    bindAction(actions.saveSchoolAs, this, &FileCommands::saveSchoolAs);
}

void FileCommands::newSchool()
{
    fileio::newSchool(ws_, ui_);
}

void FileCommands::openSchool()
{
    fileio::openSchool(ws_, ui_);
}

void FileCommands::saveSchool()
{
    fileio::saveSchool(ws_, ui_);
}

void FileCommands::saveSchoolAs()
{
    fileio::saveSchoolAs(ws_, ui_);
}

} // namespace orve::ui
