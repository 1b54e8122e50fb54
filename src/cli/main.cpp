// orve-cli: opens, writes, schedules and checks course-settings files without a window.
//   orve-cli roundtrip IN OUT                        open IN as the Open command does, write OUT
//   orve-cli dump IN                                 open IN and print its tables as JSON
//   orve-cli schedule IN OUT [--seed N] [--runs K] [--optimise ...]
//                                                    schedule IN K times, save the best to OUT
//   orve-cli optimise IN OUT [--seed N] [--time S] [--steps K] [--allow-main-afternoon]
//                                                    remove the double bookings of IN's timetable
//   orve-cli check IN                                the figures of IN's timetable as JSON
//   orve-cli export IN --pdf OUT | --csv DIR | --html DIR … [--what master,classes,teachers]
//                  [--paper A4|A3]                   the timetables as a PDF or table files
//   orve-cli import SCHOOL SHEET OUT [--shape names|plan|grid] [--sheet NAME] [--encoding E]
//                                                    import a CSV or XLSX sheet into SCHOOL
//   orve-cli import-fet IN.fet OUT                   a FET file as a course-settings file
//   orve-cli export-fet IN OUT.fet                   a course-settings file as a FET file
// Exit status: 0 done, 1 a file (standard output included) could not be read or written,
// 2 wrong usage.
#include "exporthandoff.h"
#include "subcommand.h"

#include "fileio/systemerror.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // A PDF needs the window system's libraries and workbooks libxlsxwriter's, which every
    // other call would pay for at its start: orve-cli-export takes over those calls.
    if (orve::cli::exportNeedsHelper(argc, argv))
        return orve::cli::handOverToExportHelper(argv);
    orve::fileio::reportFileSizeLimitAsError();
    return orve::cli::runSubcommand(QCoreApplication::arguments().mid(1));
}
