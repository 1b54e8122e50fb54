#include "filemenu.h"

#include "commandcontext.h"

#include "fileio/filecommands.h"

namespace orve::ui {

FileMenu::FileMenu(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui)
{
    const Actions& actions = context.actions;
    bindAction(actions.newSchool, this, &FileMenu::newSchool);
    bindAction(actions.openSchool, this, &FileMenu::openSchool);
    bindAction(actions.saveSchool, this, &FileMenu::saveSchool);
    bindAction(actions.saveSchoolAs, this, &FileMenu::saveSchoolAs);
}

void FileMenu::newSchool()
{
    fileio::newSchool(ws_, ui_);
}

void FileMenu::openSchool()
{
    fileio::openSchool(ws_, ui_);
}

void FileMenu::saveSchool()
{
    fileio::saveSchool(ws_, ui_);
}

void FileMenu::saveSchoolAs()
{
    fileio::saveSchoolAs(ws_, ui_);
}

} // namespace orve::ui
