#include "exchangecommands.h"

#include "commandcontext.h"
#include "windows/importdialog.h"

#include "fet/fetcommands.h"
#include "fileio/filecommands.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::ui {

ExchangeCommands::ExchangeCommands(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui), window_(context.views.window)
{
    const Actions& actions = context.actions;
    bindAction(actions.importSheet, this, &ExchangeCommands::importSheet);
    bindAction(actions.importFet, this, &ExchangeCommands::importFet);
    bindAction(actions.exportFet, this, &ExchangeCommands::exportFet);
}

void ExchangeCommands::importSheet()
{
    ImportDialog dialog(ws_.school, ui_, fileio::dialogFolder(ws_), window_);
    // The file is chosen before the dialog shows, as Open chooses it; the dialog can change it.
    dialog.chooseFile();
    if (dialog.fileName().isEmpty() || dialog.exec() != QDialog::Accepted)
        return;
    exchange::applyImport(ws_, dialog.preview());
    ui_.showStatus(QStringLiteral(u"已导入：新增 %1 行，更新 %2 行。")
                       .arg(dialog.preview().count(exchange::RowOutcome::Added))
                       .arg(dialog.preview().count(exchange::RowOutcome::Updated)));
}

void ExchangeCommands::importFet()
{
    exchange::importFetSchool(ws_, ui_);
}

void ExchangeCommands::exportFet()
{
    exchange::exportFetSchool(ws_, ui_);
}

} // namespace orve::ui
