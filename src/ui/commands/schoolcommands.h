// The school's lists and teaching plan in the window: the menu 输入与查看, the names panel's
// entry and buttons on the first tab, the plan's cell presses, choosers and class finder on the
// second, and a user's click on the plan tab.
#pragma once

#include "school/namelist.h"

#include <QObject>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

struct CommandContext;
class NamesPanel;
class PlanPage;

class SchoolCommands : public QObject
{
    Q_OBJECT

public:
    SchoolCommands(const CommandContext& context, QObject* parent);

private:
    // The lists and choosers follow the workspace's notifier.
    void followWorkspace();
    void connectMenu(const CommandContext& context);
    void connectNames();
    void connectPlan();
    void connectWeekFields(const CommandContext& context);
    template <typename Command> void runOnNames(Command command);
    void runShowTeachingPlan();
    void stepClassFinder(int delta);
    void scrollTo(const QString& className);

    Workspace& ws_;
    UiPort& ui_;
    NamesPanel* names_;
    PlanPage* plan_;
};

} // namespace orve::ui
