#include "fakeuiport.h"

namespace orve::test {

namespace {
MessageAnswer firstButton(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
    case MessageButtons::RetryCancel: return MessageAnswer::Retry;
    case MessageButtons::CancelTryAgainContinue: return MessageAnswer::Cancel;
    // Not 保存: a save would take the file name scripted for the command that asked.
    case MessageButtons::SaveDiscardCancel: return MessageAnswer::Discard;
    }
    return MessageAnswer::Ok;
}
} // namespace

MessageAnswer FakeUiPort::message(const QString& prompt, MessageButtons buttons,
                                  const QString& title, MessageIcon)
{
    messages.append({prompt, buttons, title});
    return answers.isEmpty() ? firstButton(buttons) : answers.takeFirst();
}

QString FakeUiPort::openFileName(const FileDialogRequest& request)
{
    return nextFileName(request);
}

QString FakeUiPort::saveFileName(const FileDialogRequest& request)
{
    if (request.chosenFilter)
        *request.chosenFilter = filtersChosen.isEmpty()
                                    ? request.filter.section(QStringLiteral(";;"), 0, 0)
                                    : filtersChosen.takeFirst();
    return nextFileName(request);
}

QString FakeUiPort::folderName(const FileDialogRequest& request)
{
    return nextFileName(request);
}

QString FakeUiPort::nextFileName(const FileDialogRequest& request)
{
    fileDialogs.append(request);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QStringList FakeUiPort::prompts() const
{
    QStringList result;
    for (const RecordedMessage& message : messages)
        result.append(message.prompt);
    return result;
}

} // namespace orve::test
