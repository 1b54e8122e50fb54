// A window system that is not there, for headless runs of the commands (the command-line tool,
// benchmarks, the fuzz target): a message is answered unseen with the choice that changes
// least, file dialogs are cancelled, nothing else happens.
#pragma once

#include "uiport.h"

namespace orve {

class SilentUiPort : public UiPort
{
public:
    MessageAnswer message(const QString&, MessageButtons buttons, const QString&,
                          MessageIcon) override
    {
        switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
        case MessageButtons::RetryCancel:
        case MessageButtons::CancelTryAgainContinue:
            return MessageAnswer::Cancel;
        }
        return MessageAnswer::Cancel;
    }
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    void processEvents() override {}
    void showTab(MainTab) override {}
    void giveFocus(FocusTarget) override {}
};

} // namespace orve
