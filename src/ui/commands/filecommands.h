// The file menu in the window: New, Open, Save and Save As run their core commands. The views
// show the new school from the workspace's notifier.
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
    // Connects the window's menu items newSchool, open, save and saveSchoolAs.
    FileCommands(MainWindow& window, UiPort& ui);

    void newSchool();
    void openSchool();
    void saveSchool();
    void saveSchoolAs();

private:
    MainWindow& window_;
    UiPort& ui_;
};

} // namespace orve::ui
