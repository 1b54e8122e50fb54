// The file menu in the window: New, Open, Save and Save As run their core commands. The views
// show the new school from the workspace's notifier.
#pragma once

#include <QObject>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

struct CommandContext;

class FileMenu : public QObject
{
    Q_OBJECT

public:
    FileMenu(const CommandContext& context, QObject* parent);

    void newSchool();
    void openSchool();
    void saveSchool();
    void saveSchoolAs();

private:
    Workspace& ws_;
    UiPort& ui_;
};

} // namespace orve::ui
