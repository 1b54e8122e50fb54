#include "exportcommand.h"

#include "clischool.h"
#include "cliuiport.h"
#include "exitcodes.h"
#include "standardoutput.h"
#include "timetablepdf.h"

#include "fileio/exportcommands.h"
#include "fileio/filemessages.h"
#include "workspace.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <cstring>
#include <optional>

namespace orve::cli {

namespace {

struct ExportOptions
{
    QString in;
    QString pdf;
    QString csvFolder;
    QString htmlFolder;
    print::TimetableSelection what;
    render::Paper paper = render::Paper::A4;
};

std::optional<print::TimetableSelection> parseWhat(const QString& list)
{
    print::TimetableSelection what{false, false, false};
    for (const QString& item : list.split(u',', Qt::SkipEmptyParts)) {
        if (item == QStringLiteral("master"))
            what.master = true;
        else if (item == QStringLiteral("classes"))
            what.classes = true;
        else if (item == QStringLiteral("teachers"))
            what.teachers = true;
        else
            return std::nullopt;
    }
    if (what.isEmpty())
        return std::nullopt;
    return what;
}

std::optional<ExportOptions> parseExport(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments.size() % 2 == 0)
        return std::nullopt;
    ExportOptions options;
    options.in = arguments.at(0);
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        const QString& option = arguments.at(i);
        const QString& value = arguments.at(i + 1);
        if (option == QStringLiteral("--pdf")) {
            options.pdf = value;
        } else if (option == QStringLiteral("--csv")) {
            options.csvFolder = value;
        } else if (option == QStringLiteral("--html")) {
            options.htmlFolder = value;
        } else if (option == QStringLiteral("--paper")) {
            if (value.compare(QStringLiteral("A4"), Qt::CaseInsensitive) == 0)
                options.paper = render::Paper::A4;
            else if (value.compare(QStringLiteral("A3"), Qt::CaseInsensitive) == 0)
                options.paper = render::Paper::A3;
            else
                return std::nullopt;
        } else if (option == QStringLiteral("--what")) {
            const auto what = parseWhat(value);
            if (!what)
                return std::nullopt;
            options.what = *what;
        } else {
            return std::nullopt;
        }
    }
    if (options.pdf.isEmpty() && options.csvFolder.isEmpty() && options.htmlFolder.isEmpty())
        return std::nullopt;
    return options;
}

// Writes the table files into `folder`, made first when missing, as one set; false (reason on
// stderr) when they could not be written.
bool writeTables(const Workspace& ws, const ExportOptions& options, const QString& folder,
                 fileio::TableFormat format, QJsonArray& written)
{
    const std::vector<fileio::TimetableFile> files =
        fileio::timetableFiles(ws.school, ws.session.periodsPerDay, options.what, format);
    const QString failure = fileio::writeTimetableFiles(folder, files);
    if (!failure.isEmpty()) {
        printLine(failure);
        return false;
    }
    for (const fileio::TimetableFile& file : files)
        written.append(QDir(folder).filePath(file.name));
    return true;
}

} // namespace

bool exportNeedsDrawing(int argc, char* argv[])
{
    if (argc < 2 || std::strcmp(argv[1], "export") != 0)
        return false;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0)
            return true;
    return false;
}

int exportTimetables(const QStringList& arguments)
{
    const std::optional<ExportOptions> options = parseExport(arguments);
    if (!options)
        return usage();
    Workspace ws;
    if (!openSchool(ws, options->in))
        return FileFailed;

    QJsonObject summary;
    QJsonArray written;
    if (!options->pdf.isEmpty()) {
        const render::PdfExport pdf =
            render::writeTimetablesPdf(options->pdf, ws.school, ws.session.periodsPerDay,
                                       options->what, QStringLiteral("orve-cli"), options->paper);
        if (!pdf.failure.isEmpty()) {
            printLine(QStringLiteral(u"PDF 文件“%1”没有导出：%2。")
                          .arg(fileio::shownPath(options->pdf), pdf.failure));
            return FileFailed;
        }
        written.append(options->pdf);
        summary.insert(QStringLiteral("pdf_pages"), pdf.pages);
    }
    if (!options->csvFolder.isEmpty() &&
        !writeTables(ws, *options, options->csvFolder, fileio::TableFormat::Csv, written))
        return FileFailed;
    if (!options->htmlFolder.isEmpty() &&
        !writeTables(ws, *options, options->htmlFolder, fileio::TableFormat::Html, written))
        return FileFailed;
    summary.insert(QStringLiteral("written"), written);
    return printJsonLine(summary) ? Done : FileFailed;
}

} // namespace orve::cli
