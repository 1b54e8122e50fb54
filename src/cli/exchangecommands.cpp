#include "exchangecommands.h"

#include "clischool.h"
#include "cliuiport.h"
#include "exitcodes.h"
#include "standardoutput.h"
#include "subcommand.h"

#include "fet/fetcommands.h"
#include "fet/fetexport.h"
#include "fet/fetimport.h"
#include "fileio/filemessages.h"
#include "fileio/savedata.h"
#include "import/sheetimport.h"
#include "table/sheetfile.h"
#include "workspace.h"

#include <QJsonArray>
#include <QJsonObject>
#include <optional>

namespace orve::cli {

namespace {

using exchange::RowOutcome;
using exchange::SheetShape;
using exchange::TextEncoding;

QJsonObject countsOf(const model::School& school)
{
    return {{QStringLiteral("classes"), int(school.classes.size())},
            {QStringLiteral("courses"), int(school.courses.size())},
            {QStringLiteral("teachers"), int(school.teachers.size())},
            {QStringLiteral("venues"), int(school.venues.size())},
            {QStringLiteral("fixed_lessons"), int(school.fixedLessons.size())}};
}

// Reads an option's value, one of `names` (compared without case), into `into` as the matching
// entry of `values`; `into` stays empty when the option is not set. False when the value is not
// one of the names.
template <typename Value>
bool readChoice(const QCommandLineParser& options, const QString& option,
                const QStringList& names, const std::vector<Value>& values,
                std::optional<Value>& into)
{
    if (!options.isSet(option))
        return true;
    const qsizetype at = names.indexOf(options.value(option).toLower());
    if (at < 0)
        return false;
    into = values[size_t(at)];
    return true;
}

QJsonArray refusals(const exchange::ImportPreview& preview)
{
    QJsonArray lines;
    for (const exchange::RowResult& row : preview.rows)
        if (row.outcome == RowOutcome::Refused)
            lines.append(QStringLiteral(u"第 %1 行 %2：%3")
                             .arg(QString::number(row.sheetRow), row.subject,
                                  row.reasons.join(u'；')));
    return lines;
}

QString shapeKey(SheetShape shape)
{
    switch (shape) {
    case SheetShape::Names:
        return QStringLiteral("names");
    case SheetShape::Plan:
        return QStringLiteral("plan");
    case SheetShape::Grid:
        return QStringLiteral("grid");
    }
    return {};
}

} // namespace

QList<QCommandLineOption> importOptions()
{
    return {{QStringLiteral("shape"), QString(), QStringLiteral("names|plan|grid")},
            {QStringLiteral("sheet"), QString(), QStringLiteral("NAME")},
            {QStringLiteral("encoding"), QString(), QStringLiteral("utf-8|gbk|utf-16")}};
}

int importSheet(const Call& call)
{
    const std::vector<SheetShape> shapes{SheetShape::Names, SheetShape::Plan, SheetShape::Grid};
    QStringList shapeKeys;
    for (const SheetShape shape : shapes)
        shapeKeys.append(shapeKey(shape));
    std::optional<SheetShape> shape;
    exchange::SheetOptions sheet{call.options.value(QStringLiteral("sheet")), std::nullopt};
    if (!readChoice(call.options, QStringLiteral("shape"), shapeKeys, shapes, shape) ||
        !readChoice(call.options, QStringLiteral("encoding"),
                    {QStringLiteral("utf-8"), QStringLiteral("gbk"), QStringLiteral("utf-16")},
                    {TextEncoding::Utf8, TextEncoding::Gbk, TextEncoding::Utf16}, sheet.encoding))
        return usage();
    const QString& sheetPath = call.files.at(1);

    Workspace ws;
    if (!openSchool(ws, call.files.at(0)))
        return FileFailed;
    const exchange::SheetRead read =
        exchange::readSheetFile(sheetPath, sheet);
    if (!read.ok()) {
        printLine(QStringLiteral(u"“%1”无法导入：%2").arg(fileio::shownPath(sheetPath), read.error));
        return FileFailed;
    }
    const exchange::ImportPreview preview = exchange::previewImport(ws.school, read.table, shape);
    if (!preview.error.isEmpty()) {
        printLine(QStringLiteral(u"“%1”无法导入：%2").arg(fileio::shownPath(sheetPath), preview.error));
        return FileFailed;
    }
    exchange::applyImport(ws, preview);
    if (!saveSchool(ws, call.files.at(2)))
        return FileFailed;

    QJsonObject summary{{QStringLiteral("shape"), shapeKey(preview.shape)},
                        {QStringLiteral("header_row"), preview.headerRow},
                        {QStringLiteral("added"), preview.count(RowOutcome::Added)},
                        {QStringLiteral("updated"), preview.count(RowOutcome::Updated)},
                        {QStringLiteral("unchanged"), preview.count(RowOutcome::Unchanged)},
                        {QStringLiteral("refused"), preview.count(RowOutcome::Refused)},
                        {QStringLiteral("refusals"), refusals(preview)}};
    if (read.encoding)
        summary.insert(QStringLiteral("encoding"), exchange::encodingName(*read.encoding));
    if (!read.sheetName.isEmpty())
        summary.insert(QStringLiteral("sheet"), read.sheetName);
    return printJsonLine(summary) ? Done : FileFailed;
}

int importFet(const Call& call)
{
    const QString& in = call.files.at(0);
    const QString& out = call.files.at(1);
    const exchange::FetImport imported = exchange::importFetFile(in);
    if (!imported.ok()) {
        printLine(exchange::fetImportFailure(in, imported.error));
        return FileFailed;
    }
    const fileio::SaveResult saved = fileio::writeSchoolFile(imported.opened.school, out);
    if (!saved.written()) {
        printLine(fileio::saveFailureMessage(out, saved));
        return FileFailed;
    }
    QJsonObject summary = countsOf(imported.opened.school);
    summary.insert(QStringLiteral("report"), QJsonArray::fromStringList(imported.report));
    return printJsonLine(summary) ? Done : FileFailed;
}

int exportFet(const Call& call)
{
    const QString& out = call.files.at(1);
    Workspace ws;
    if (!openSchool(ws, call.files.at(0)))
        return FileFailed;
    const exchange::FetExport exported = exchange::exportFet(ws.school);
    const fileio::SaveResult written = fileio::writeSettingsFile(out, exported.bytes);
    if (!written.written()) {
        printLine(exchange::fetExportFailure(out, written.reason));
        return FileFailed;
    }
    QJsonObject summary = countsOf(ws.school);
    summary.insert(QStringLiteral("report"), QJsonArray::fromStringList(exported.report));
    return printJsonLine(summary) ? Done : FileFailed;
}

} // namespace orve::cli
