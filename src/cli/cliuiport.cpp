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

MessageAnswer CliUiPort::message(const QString& prompt, MessageButtons buttons,
                                 const QString& title, MessageIcon icon)
{
    printLine(prompt);
    // The file named on the command line is what the user asked for: a question whether to
    // go on with it (a damaged line) is answered yes, its text left on stderr as a warning.
    if (buttons == MessageButtons::YesNo)
        return MessageAnswer::Yes;
    return SilentUiPort::message(prompt, buttons, title, icon);
}

QString CliUiPort::openFileName(const FileDialogRequest&)
{
    return std::exchange(openPath_, QString());
}

} // namespace orve::cli
