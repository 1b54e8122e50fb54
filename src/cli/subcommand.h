// One shape for every orve-cli subcommand: its name, the files it takes, its lines of the usage
// text, its options (parsed by QCommandLineParser) and what it does with the parsed call.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <functional>
#include <vector>

namespace orve::cli {

// A call as parsed: its files (IN, or IN and OUT) and its options.
struct Call
{
    QStringList files;
    const QCommandLineParser& options;
};

struct Subcommand
{
    QString name;
    int fileCount = 1;
    QString help; // its lines of the usage text, each ending in a line break
    QList<QCommandLineOption> options;
    std::function<int(const Call&)> run; // returns the exit status
};

// Every subcommand, in the order of the usage text.
const std::vector<Subcommand>& subcommands();

// Runs the subcommand named by the first of `arguments` (the program's name left out) with
// the rest; prints the usage text and returns UsageError when the call does not fit its shape.
int runSubcommand(const QStringList& arguments);

} // namespace orve::cli
