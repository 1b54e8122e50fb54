#include "cliuiport.h"

#include <QRegularExpression>
#include <cstdio>

namespace orve::cli {

void printLine(const QString& text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    QString line = text;
    line.replace(lineBreaks, QStringLiteral(" "));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

MessageAnswer CliUiPort::message(const QString& prompt, MessageButtons buttons, const QString&,
                                 MessageIcon)
{
    printLine(prompt);
    // The answer that changes least.
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

QString CliUiPort::openFileName(const FileDialogRequest&)
{
    return std::exchange(openPath_, QString());
}

QString CliUiPort::saveFileName(const FileDialogRequest&)
{
    return {};
}

} // namespace orve::cli
