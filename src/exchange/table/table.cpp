#include "table.h"

namespace orve::exchange {

QString Table::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return rows[std::size_t(row)].value(column);
}

bool Table::reserveCell(int row, int column)
{
    if (row < 0 || column < 0 || row >= MaxTableRows || column >= MaxTableColumns)
        return false;
    if (row >= rowCount())
        rows.resize(std::size_t(row) + 1);
    QStringList& cells = rows[std::size_t(row)];
    if (column >= cells.size())
        cells.resize(column + 1);
    return true;
}

void Table::setCell(int row, int column, const QString& text)
{
    if (reserveCell(row, column))
        rows[std::size_t(row)][column] = text;
}

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Gbk:
        return QStringLiteral("GBK");
    case TextEncoding::Utf16:
        return QStringLiteral("UTF-16");
    }
    return {};
}

QString tableTooLarge()
{
    return QStringLiteral(u"表格超过 %1 行或 %2 列，无法导入。")
        .arg(MaxTableRows)
        .arg(MaxTableColumns);
}

QString saveAsXlsxOrCsv()
{
    return QStringLiteral(u"请在电子表格程序中另存为 .xlsx 或 .csv 后再导入。");
}

QString notAnXlsxWorkbook()
{
    return QStringLiteral(u"这个文件不是有效的 Excel 工作簿（.xlsx），") + saveAsXlsxOrCsv();
}

} // namespace orve::exchange
