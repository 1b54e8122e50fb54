#include "timetablefiles.h"

#include "print/pagination.h"
#include "print/printcommand.h"

#include "model/school.h"

namespace orve::fileio {

namespace {

// What a cell shows: a joined block shows its first cell's text.
const QString& shownText(const print::ReportSheet& sheet, model::CellRef at)
{
    const print::CellBlock* block = sheet.joinedBlockAt(at);
    return block ? sheet.cell({block->firstRow, block->firstColumn}).text : sheet.cell(at).text;
}

QString csvField(QString text)
{
    text = text.trimmed();
    // A spreadsheet runs a field that starts like a formula; the apostrophe keeps it text.
    if (!text.isEmpty() && QStringView(u"=+-@").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
        text.contains(u'\r')) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return QChar(u'"') + text + QChar(u'"');
    }
    return text;
}

void appendCsvLine(QString& out, const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted.append(csvField(field));
    out += quoted.join(u',');
    out += QStringLiteral("\r\n");
}

QString htmlText(const QString& text)
{
    return text.trimmed().toHtmlEscaped();
}

void appendHtmlTable(QString& out, const print::ReportSheet& sheet)
{
    const print::IndexRange headerColumns = print::headerColumns(sheet);
    const print::IndexRange headerRows = print::headerRows(sheet);
    out += QStringLiteral("<table>\n");
    for (int r = 0; r < sheet.rowCount(); ++r) {
        out += QStringLiteral("<tr>");
        for (int c = 0; c < sheet.columnCount(); ++c) {
            const print::CellBlock* block = sheet.joinedBlockAt({r, c});
            if (block && (block->firstRow != r || block->firstColumn != c))
                continue;
            const bool header = (r >= headerRows.first && r <= headerRows.last) ||
                                (c >= headerColumns.first && c <= headerColumns.last);
            const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
            out += QChar(u'<') + tag;
            if (block && block->lastColumn > c)
                out += QStringLiteral(" colspan=\"%1\"").arg(block->lastColumn - c + 1);
            if (block && block->lastRow > r)
                out += QStringLiteral(" rowspan=\"%1\"").arg(block->lastRow - r + 1);
            out += QChar(u'>') + htmlText(sheet.cell({r, c}).text) + QStringLiteral("</") + tag +
                   QChar(u'>');
        }
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table>\n");
}

const char* const HtmlHead = R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>%1</title>
<style>
body { font-family: "Noto Sans CJK SC", "Microsoft YaHei", "SimSun", sans-serif; margin: 1em; }
table { border-collapse: collapse; margin: 0 0 2em; }
th, td { border: 1px solid #333; padding: 0.25em 0.5em; text-align: center;
         vertical-align: middle; white-space: pre-wrap; }
th { background: #eee; }
nav ul { columns: 12em; }
</style>
</head>
<body>
<h1>%1</h1>
)";

TimetableFile fileOf(const QString& name, const QString& pageTitle,
                     const std::vector<print::ReportSheet>& sheets, const TableFormat& format)
{
    return {name + format.extension, format.write(pageTitle, sheets)};
}

} // namespace

QByteArray csvOf(const std::vector<print::ReportSheet>& sheets)
{
    QString out;
    for (const print::ReportSheet& sheet : sheets) {
        if (&sheet != &sheets.front())
            out += QStringLiteral("\r\n");
        if (!sheet.heading().isEmpty())
            appendCsvLine(out, {sheet.heading()});
        for (int r = 0; r < sheet.rowCount(); ++r) {
            QStringList fields;
            for (int c = 0; c < sheet.columnCount(); ++c)
                fields.append(shownText(sheet, {r, c}));
            appendCsvLine(out, fields);
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + out.toUtf8();
}

QByteArray htmlOf(const QString& pageTitle, const std::vector<print::ReportSheet>& sheets)
{
    QString out = QString::fromUtf8(HtmlHead).arg(pageTitle.toHtmlEscaped());
    if (sheets.size() > 1) {
        out += QStringLiteral("<nav><ul>\n");
        for (std::size_t i = 0; i < sheets.size(); ++i)
            out += QStringLiteral("<li><a href=\"#t%1\">%2</a></li>\n")
                       .arg(QString::number(i + 1), sheets[i].heading().toHtmlEscaped());
        out += QStringLiteral("</ul></nav>\n");
    }
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        out += QStringLiteral("<section id=\"t%1\">\n").arg(i + 1);
        if (!sheets[i].heading().isEmpty())
            out += QStringLiteral("<h2>%1</h2>\n").arg(sheets[i].heading().toHtmlEscaped());
        appendHtmlTable(out, sheets[i]);
        out += QStringLiteral("</section>\n");
    }
    out += QStringLiteral("</body>\n</html>\n");
    return out.toUtf8();
}

const TableFormat& csvTables()
{
    static const TableFormat format{
        QStringLiteral("csv"), QStringLiteral(".csv"), QStringLiteral(u"导出为 CSV 表格"),
        [](const QString&, const std::vector<print::ReportSheet>& sheets) {
            return csvOf(sheets);
        }};
    return format;
}

const TableFormat& htmlTables()
{
    static const TableFormat format{QStringLiteral("html"), QStringLiteral(".html"),
                                    QStringLiteral(u"导出为 HTML 网页"), htmlOf};
    return format;
}

std::vector<TimetableFile> timetableFiles(const model::School& school, int periodsPerDay,
                                          print::TimetableSelection selection,
                                          const TableFormat& format)
{
    const auto pageTitle = [&school](const QString& kind) {
        return school.title.trimmed().isEmpty() ? kind : school.title.trimmed() + u' ' + kind;
    };
    const QString classesName = print::printKindName(PrintKind::ClassTimetable);
    const QString teachersName = print::printKindName(PrintKind::TeacherTimetable);
    std::vector<TimetableFile> files;
    if (selection.master)
        files.push_back(fileOf(print::printKindName(PrintKind::MasterTimetable),
                               pageTitle(print::MasterTimetableCaption),
                               {print::masterTimetableSheet(school, periodsPerDay)}, format));
    if (selection.classes)
        files.push_back(fileOf(classesName, pageTitle(classesName),
                               print::classTimetableSheets(school, periodsPerDay, school.classes),
                               format));
    if (selection.teachers)
        files.push_back(
            fileOf(teachersName, pageTitle(teachersName),
                   print::teacherTimetableSheets(school, periodsPerDay, school.teachers), format));
    return files;
}

} // namespace orve::fileio
