// orve-cli: opens and writes course-settings files without a window.
//   orve-cli roundtrip IN OUT   open IN as the Open command does, write it to OUT
//   orve-cli dump IN            open IN and print its tables as JSON
// Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage.
#include "cliuiport.h"
#include "fileio/filecommands.h"
#include "fileio/filemessages.h"
#include "fileio/savedata.h"
#include "schooljson.h"
#include "startup.h"
#include "workspace.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <cstdio>

namespace {

enum ExitCode { Done = 0, FileFailed = 1, UsageError = 2 };

int usage()
{
    std::fputs(
        "usage: orve-cli roundtrip IN OUT   open IN as the program's Open does, write it to OUT\n"
        "       orve-cli dump IN            open IN and print its tables as JSON\n",
        stderr);
    return UsageError;
}

// Opens the file into a started-up workspace exactly as the Open command does.
bool openSchool(orve::Workspace& ws, const QString& path)
{
    orve::cli::CliUiPort ui(path);
    orve::startUp(ws, ui);
    return orve::fileio::open(ws, ui) == orve::fileio::CommandOutcome::Done;
}

int roundTrip(const QString& in, const QString& out)
{
    orve::Workspace ws;
    if (!openSchool(ws, in))
        return FileFailed;
    ws.ioPath = out;
    const orve::fileio::SaveResult result = orve::fileio::save_data(ws);
    if (!result.written()) {
        orve::cli::printLine(orve::fileio::saveFailureMessage(out, result));
        return FileFailed;
    }
    return Done;
}

int dump(const QString& in)
{
    orve::Workspace ws;
    if (!openSchool(ws, in))
        return FileFailed;
    const QByteArray json =
        QJsonDocument(orve::cli::schoolJson(ws)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    return Done;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    if (command == QStringLiteral("roundtrip") && arguments.size() == 3)
        return roundTrip(arguments.at(1), arguments.at(2));
    if (command == QStringLiteral("dump") && arguments.size() == 2)
        return dump(arguments.at(1));
    return usage();
}
