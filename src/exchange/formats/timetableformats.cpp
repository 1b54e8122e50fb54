#include "timetableformats.h"

namespace orve::exchange {

namespace {

fileio::TableFormat::Writer workbookWriter = nullptr;

QByteArray workbookOf(const QString& pageTitle, const std::vector<print::ReportSheet>& sheets)
{
    return workbookWriter ? workbookWriter(pageTitle, sheets) : QByteArray();
}

// One workbook a kind, a sheet a class or teacher; empty bytes when it could not be made.
const fileio::TableFormat& xlsxTables()
{
    static const fileio::TableFormat format{QStringLiteral("xlsx"), QStringLiteral(".xlsx"),
                                            QStringLiteral(u"导出为 Excel 表格"), workbookOf};
    return format;
}

} // namespace

const std::vector<const fileio::TableFormat*>& timetableFormats()
{
    static const std::vector<const fileio::TableFormat*> formats{
        &fileio::csvTables(), &fileio::htmlTables(), &xlsxTables()};
    return formats;
}

void setWorkbookWriter(fileio::TableFormat::Writer writer)
{
    workbookWriter = writer;
}

} // namespace orve::exchange
