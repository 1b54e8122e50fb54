#include "subcommand.h"

#include "exitcodes.h"

#include <algorithm>
#include <cstdio>

namespace orve::cli {

int usage()
{
    QString text;
    for (const Subcommand& command : subcommands())
        text +=
            (text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       ")) + command.help;
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return UsageError;
}

int runSubcommand(const QStringList& arguments)
{
    const std::vector<Subcommand>& commands = subcommands();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&arguments](const Subcommand& c) {
            return !arguments.isEmpty() && c.name == arguments.first();
        });
    if (command == commands.end())
        return usage();
    QCommandLineParser parser;
    parser.addOptions(command->options);
    // The parser skips the program's name; the subcommand's name stands in for it.
    if (!parser.parse(arguments) || parser.positionalArguments().size() != command->fileCount)
        return usage();
    return command->run({parser.positionalArguments(), parser});
}

} // namespace orve::cli
