#include "exportcommand.h"

#include "clischool.h"
#include "cliuiport.h"
#include "exitcodes.h"
#include "standardoutput.h"
#include "subcommand.h"

#include "fileio/exportcommands.h"
#include "fileio/filemessages.h"
#include "formats/timetableformats.h"
#include "workspace.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <optional>

namespace orve::cli {

namespace {

PdfWriter pdfWriter = nullptr;

struct ExportOptions
{
    QString in;
    QString pdf;
    // The folder for each table format asked for (--csv DIR, --html DIR, …).
    std::vector<std::pair<const fileio::TableFormat*, QString>> tables;
    print::TimetableSelection what;
    PaperSize paper = PaperSize::A4;
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

std::optional<ExportOptions> parseExport(const Call& call)
{
    const QCommandLineParser& parsed = call.options;
    ExportOptions options;
    options.in = call.files.at(0);
    options.pdf = parsed.value(QStringLiteral("pdf"));
    for (const fileio::TableFormat* format : exchange::timetableFormats())
        if (parsed.isSet(format->name))
            options.tables.emplace_back(format, parsed.value(format->name));
    if (parsed.isSet(QStringLiteral("paper"))) {
        const QString paper = parsed.value(QStringLiteral("paper"));
        if (paper.compare(QStringLiteral("A4"), Qt::CaseInsensitive) == 0)
            options.paper = PaperSize::A4;
        else if (paper.compare(QStringLiteral("A3"), Qt::CaseInsensitive) == 0)
            options.paper = PaperSize::A3;
        else
            return std::nullopt;
    }
    if (parsed.isSet(QStringLiteral("what"))) {
        const auto what = parseWhat(parsed.value(QStringLiteral("what")));
        if (!what)
            return std::nullopt;
        options.what = *what;
    }
    if (options.pdf.isEmpty() && options.tables.empty())
        return std::nullopt;
    return options;
}

// Writes the table files into `folder`, made first when missing, as one set; false (reason on
// stderr) when they could not be written.
bool writeTables(const Workspace& ws, const ExportOptions& options, const QString& folder,
                 const fileio::TableFormat& format, QJsonArray& written)
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

void setPdfWriter(PdfWriter writer)
{
    pdfWriter = writer;
}

QList<QCommandLineOption> exportOptions()
{
    QList<QCommandLineOption> options{
        {QStringLiteral("pdf"), QString(), QStringLiteral("OUT.pdf")}};
    for (const fileio::TableFormat* format : exchange::timetableFormats())
        options.append({format->name, QString(), QStringLiteral("DIR")});
    options.append({QStringLiteral("what"), QString(), QStringLiteral("master,classes,teachers")});
    options.append({QStringLiteral("paper"), QString(), QStringLiteral("A4|A3")});
    return options;
}

int exportTimetables(const Call& call)
{
    const std::optional<ExportOptions> options = parseExport(call);
    if (!options)
        return usage();
    Workspace ws;
    if (!openSchool(ws, options->in))
        return FileFailed;

    QJsonObject summary;
    QJsonArray written;
    if (!options->pdf.isEmpty()) {
        const PdfOutcome pdf = pdfWriter
                                   ? pdfWriter(options->pdf, ws.school, ws.session.periodsPerDay,
                                               options->what, options->paper)
                                   : PdfOutcome{QStringLiteral(u"这个程序不能绘制 PDF 文件"), 0};
        if (!pdf.failure.isEmpty()) {
            printLine(QStringLiteral(u"PDF 文件“%1”没有导出：%2。")
                          .arg(fileio::shownPath(options->pdf), pdf.failure));
            return FileFailed;
        }
        written.append(options->pdf);
        summary.insert(QStringLiteral("pdf_pages"), pdf.pages);
    }
    for (const auto& [format, folder] : options->tables)
        if (!writeTables(ws, *options, folder, *format, written))
            return FileFailed;
    summary.insert(QStringLiteral("written"), written);
    return printJsonLine(summary) ? Done : FileFailed;
}

} // namespace orve::cli
