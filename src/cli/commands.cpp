// The table of orve-cli's subcommands, shared by orve-cli and orve-cli-export.
#include "clischool.h"
#include "exchangecommands.h"
#include "exitcodes.h"
#include "exportcommand.h"
#include "formats/timetableformats.h"
#include "schedulecommands.h"
#include "schooljson.h"
#include "standardoutput.h"
#include "subcommand.h"
#include "workspace.h"

#include <QJsonDocument>

namespace orve::cli {

namespace {

int roundTrip(const Call& call)
{
    Workspace ws;
    if (!openSchool(ws, call.files.at(0)))
        return FileFailed;
    return saveSchool(ws, call.files.at(1)) ? Done : FileFailed;
}

int dump(const Call& call)
{
    Workspace ws;
    if (!openSchool(ws, call.files.at(0)))
        return FileFailed;
    const QByteArray json = QJsonDocument(schoolJson(ws)).toJson(QJsonDocument::Indented);
    return writeStandardOutput(json) ? Done : FileFailed;
}

QString exportHelp()
{
    QString tables;
    for (const fileio::TableFormat* format : exchange::timetableFormats())
        tables += QStringLiteral(" [--%1 DIR]").arg(format->name);
    return QStringLiteral("orve-cli export IN [--pdf OUT.pdf]") + tables +
           QStringLiteral(
               "\n"
               "                       [--what master,classes,teachers] [--paper A4|A3]\n"
               "                                   write the timetables (all three kinds unless "
               "--what\n"
               "                                   says) as one PDF file (on A4 paper unless "
               "--paper\n"
               "                                   says) or as table files of the formats asked "
               "for\n");
}

} // namespace

const std::vector<Subcommand>& subcommands()
{
    static const std::vector<Subcommand> commands{
        {QStringLiteral("roundtrip"),
         2,
         QStringLiteral(
             "orve-cli roundtrip IN OUT   open IN as the program's Open does, write it to OUT\n"),
         {},
         roundTrip},
        {QStringLiteral("dump"),
         1,
         QStringLiteral("orve-cli dump IN            open IN and print its tables as JSON\n"),
         {},
         dump},
        {QStringLiteral("schedule"), 2,
         QStringLiteral(
             "orve-cli schedule IN OUT [--seed N] [--runs K] [--optimise [--time S]\n"
             "                                [--steps K] [--allow-main-afternoon]]\n"
             "                                   schedule IN K times (seeds N, N+1, ...), save "
             "the\n"
             "                                   timetable with the fewest double bookings to "
             "OUT,\n"
             "                                   with --optimise after removing double bookings\n"),
         scheduleOptions(), schedule},
        {QStringLiteral("optimise"), 2,
         QStringLiteral(
             "orve-cli optimise IN OUT [--seed N] [--time S] [--steps K]\n"
             "                                [--allow-main-afternoon]\n"
             "                                   remove the double bookings of IN's timetable (at\n"
             "                                   most K steps, default by the school's size; S\n"
             "                                   seconds, default 60, is a safety net), save to "
             "OUT\n"),
         optimiseOptions(), optimise},
        {QStringLiteral("check"),
         1,
         QStringLiteral(
             "orve-cli check IN           print the figures of IN's timetable as JSON\n"),
         {},
         check},
        {QStringLiteral("export"), 1, exportHelp(), exportOptions(), exportTimetables},
        {QStringLiteral("import"), 3,
         QStringLiteral(
             "orve-cli import SCHOOL.rve SHEET OUT.rve [--shape names|plan|grid] [--sheet NAME]\n"
             "                                [--encoding utf-8|gbk|utf-16]\n"
             "                                   import a CSV or XLSX sheet (names, plan or "
             "任课表)\n"
             "                                   into SCHOOL, save to OUT; refused rows are left "
             "out\n"),
         importOptions(), importSheet},
        {QStringLiteral("import-fet"),
         2,
         QStringLiteral("orve-cli import-fet IN.fet OUT.rve  read a FET file, save it as OUT\n"),
         {},
         importFet},
        {QStringLiteral("export-fet"),
         2,
         QStringLiteral("orve-cli export-fet IN.rve OUT.fet  write IN as a FET file\n"),
         {},
         exportFet},
    };
    return commands;
}

} // namespace orve::cli
