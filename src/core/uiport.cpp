#include "uiport.h"

namespace orve {

MessageAnswer UiPort::message(const QString&, MessageButtons buttons, const QString&, MessageIcon)
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
    case MessageButtons::SaveDiscardCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

QString UiPort::openFileName(const FileDialogRequest&)
{
    return {};
}

QString UiPort::saveFileName(const FileDialogRequest&)
{
    return {};
}

QString UiPort::folderName(const FileDialogRequest&)
{
    return {};
}

} // namespace orve
