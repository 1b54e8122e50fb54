// The commands of the window itself: 退出, the items that show a tab, 智能追踪(强行调课) with
// its check mark and toolbar button, the toolbar buttons that run menu items, the help document
// (帮助主题 and 更多信息 on the last tab) and 关于本软件.
#pragma once

#include <QObject>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

struct CommandContext;

class WindowCommands : public QObject
{
    Q_OBJECT

public:
    WindowCommands(const CommandContext& context, QObject* parent);

private:
    void bindToolbar(const CommandContext& context);
    void showAbout();
    void showHelpDocument();

    Workspace& ws_;
    QWidget* window_;
};

} // namespace orve::ui
