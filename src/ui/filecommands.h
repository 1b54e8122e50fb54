// The file menu in the window: New, Open, Save and Save As run their core commands, and after
// New or Open the widgets that copy tables (week fields, lists, choosers, tree, title) show
// the new school.
#pragma once

#include <QObject>

namespace orve {
class UiPort;
}

namespace orve::ui {

class MainWindow;

class FileCommands : public QObject
{
    Q_OBJECT

public:
    // Connects the window's menu items xjwj, open, save and luw.
    FileCommands(MainWindow& window, UiPort& ui);

    void newSchool();
    void openSchool();
    void saveSchool();
    void saveSchoolAs();

signals:
    // New or Open replaced the open school's tables.
    void schoolReplaced();

private:
    void showNewSchool();

    MainWindow& window_;
    UiPort& ui_;
};

} // namespace orve::ui
