// The window system of orve-cli: it never asks. The open dialog answers with the file named on
// the command line, save dialogs are cancelled, messages go to stderr as one line each, and a
// yes-or-no question is answered yes.
#pragma once

#include "silentuiport.h"

namespace orve::cli {

class CliUiPort : public SilentUiPort
{
public:
    explicit CliUiPort(QString openPath) : openPath_(std::move(openPath)) {}

    MessageAnswer message(const QString& prompt, MessageButtons buttons, const QString& title,
                          MessageIcon icon) override;
    QString openFileName(const FileDialogRequest& request) override;

private:
    QString openPath_;
};

// A message as one line of stderr.
void printLine(const QString& text);

} // namespace orve::cli
