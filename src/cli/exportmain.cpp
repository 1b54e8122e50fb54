// orve-cli-export: orve-cli with Qt's drawing and the workbook writer, to which orve-cli hands
// `export --pdf` and `export --xlsx`; the same subcommands and exit statuses.
#include "exportcommand.h"
#include "pdfwriter.h"
#include "subcommand.h"

#include "fileio/systemerror.h"
#include "formats/timetableformats.h"
#include "workbook/sheetworkbook.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    // Drawing needs fonts, and so a GUI application object; the offscreen platform gives it
    // one without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    orve::cli::setPdfWriter(orve::cli::writePdf);
    orve::exchange::setWorkbookWriter(orve::exchange::xlsxOf);
    orve::fileio::reportFileSizeLimitAsError();
    return orve::cli::runSubcommand(QCoreApplication::arguments().mid(1));
}
