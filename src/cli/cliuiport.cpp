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
    return SilentUiPort::message(prompt, buttons, title, icon);
}

QString CliUiPort::openFileName(const FileDialogRequest&)
{
    return std::exchange(openPath_, QString());
}

} // namespace orve::cli
