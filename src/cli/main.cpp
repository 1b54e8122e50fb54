// orve-cli: opens, writes, schedules and checks course-settings files without a window.
//   orve-cli roundtrip IN OUT                        open IN as the Open command does, write OUT
//   orve-cli dump IN                                 open IN and print its tables as JSON
//   orve-cli schedule IN OUT [--seed N] [--runs K] [--optimise ...]
//                                                    schedule IN K times, save the best to OUT
//   orve-cli optimise IN OUT [--seed N] [--time S] [--steps K] [--allow-main-afternoon]
//                                                    remove the double bookings of IN's timetable
//   orve-cli check IN                                the figures of IN's timetable as JSON
//   orve-cli export IN --pdf OUT | --csv DIR | --html DIR [--what master,classes,teachers]
//                  [--paper A4|A3]                   the timetables as a PDF, CSV or HTML files
// Exit status: 0 done, 1 a file (standard output included) could not be read or written,
// 2 wrong usage.
#include "clischool.h"
#include "exitcodes.h"
#include "exportcommand.h"
#include "fileio/systemerror.h"
#include "schedulecommands.h"
#include "schooljson.h"
#include "standardoutput.h"
#include "workspace.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonDocument>
#include <cstdio>
#include <memory>

namespace orve::cli {

int usage()
{
    std::fputs(
        "usage: orve-cli roundtrip IN OUT   open IN as the program's Open does, write it to OUT\n"
        "       orve-cli dump IN            open IN and print its tables as JSON\n"
        "       orve-cli schedule IN OUT [--seed N] [--runs K] [--optimise [--time S]\n"
        "                                [--steps K] [--allow-main-afternoon]]\n"
        "                                   schedule IN K times (seeds N, N+1, ...), save the\n"
        "                                   timetable with the fewest double bookings to OUT,\n"
        "                                   with --optimise after removing double bookings\n"
        "       orve-cli optimise IN OUT [--seed N] [--time S] [--steps K]\n"
        "                                [--allow-main-afternoon]\n"
        "                                   remove the double bookings of IN's timetable (at\n"
        "                                   most K steps, default by the school's size; S\n"
        "                                   seconds, default 60, is a safety net), save to OUT\n"
        "       orve-cli check IN           print the figures of IN's timetable as JSON\n"
        "       orve-cli export IN [--pdf OUT.pdf] [--csv DIR] [--html DIR]\n"
        "                       [--what master,classes,teachers] [--paper A4|A3]\n"
        "                                   write the timetables (all three kinds unless --what\n"
        "                                   says) as one PDF file (on A4 paper unless --paper\n"
        "                                   says), CSV tables or HTML pages\n",
        stderr);
    return UsageError;
}

} // namespace orve::cli

namespace {

using namespace orve::cli;

int roundTrip(const QString& in, const QString& out)
{
    orve::Workspace ws;
    if (!openSchool(ws, in))
        return FileFailed;
    return saveSchool(ws, out) ? Done : FileFailed;
}

int dump(const QString& in)
{
    orve::Workspace ws;
    if (!openSchool(ws, in))
        return FileFailed;
    const QByteArray json = QJsonDocument(schoolJson(ws)).toJson(QJsonDocument::Indented);
    return writeStandardOutput(json) ? Done : FileFailed;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing a PDF needs fonts, and so a GUI application object; the offscreen platform
    // gives it one without a display. Everything else runs on the core alone.
    std::unique_ptr<QCoreApplication> app;
    if (orve::cli::exportNeedsDrawing(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    orve::fileio::reportFileSizeLimitAsError();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    if (command == QStringLiteral("roundtrip") && arguments.size() == 3)
        return roundTrip(arguments.at(1), arguments.at(2));
    if (command == QStringLiteral("dump") && arguments.size() == 2)
        return dump(arguments.at(1));
    if (command == QStringLiteral("schedule"))
        return schedule(arguments.mid(1));
    if (command == QStringLiteral("optimise"))
        return optimise(arguments.mid(1));
    if (command == QStringLiteral("check") && arguments.size() == 2)
        return check(arguments.at(1));
    if (command == QStringLiteral("export"))
        return exportTimetables(arguments.mid(1));
    return usage();
}
