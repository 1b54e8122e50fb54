// 文件 → 导入..., 导入 FET 文件... and 导出 FET 文件...: a spreadsheet through the import dialog
// into the open school's lists and plan; FET files through the exchange library's commands.
#pragma once

#include <QObject>

class QWidget;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

struct CommandContext;

class ExchangeCommands : public QObject
{
    Q_OBJECT

public:
    ExchangeCommands(const CommandContext& context, QObject* parent);

    // Asks for the sheet, shows its preview and applies it on 导入 as one change.
    void importSheet();
    void importFet();
    void exportFet();

private:
    Workspace& ws_;
    UiPort& ui_;
    QWidget* window_;
};

} // namespace orve::ui
