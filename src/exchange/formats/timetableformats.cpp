#include "timetableformats.h"

#include "workbook/sheetworkbook.h"

namespace orve::exchange {

namespace {

// One workbook a kind, a sheet a class or teacher; empty bytes when it could not be made.
const fileio::TableFormat& xlsxTables()
{
    static const fileio::TableFormat format{QStringLiteral("xlsx"), QStringLiteral(".xlsx"),
                                            QStringLiteral(u"导出为 Excel 表格"), xlsxOf};
    return format;
}

} // namespace

const std::vector<const fileio::TableFormat*>& timetableFormats()
{
    static const std::vector<const fileio::TableFormat*> formats{
        &fileio::csvTables(), &fileio::htmlTables(), &xlsxTables()};
    return formats;
}

} // namespace orve::exchange
