// A sheet as the import reads it from a CSV or XLSX file: rows of cell texts as the file holds
// them, not yet cleaned, with what is known about where they came from.
#pragma once

#include <QStringList>
#include <optional>
#include <vector>

namespace orve::exchange {

// Bounds no school's sheet comes near, so that a small file cannot ask for much memory.
inline constexpr int MaxTableRows = 100000;
inline constexpr int MaxTableColumns = 1000;

struct Table
{
    // Rows may differ in length; a cell beyond a row's end is empty.
    std::vector<QStringList> rows;

    int rowCount() const { return int(rows.size()); }
    QString cell(int row, int column) const;
    // Grows the table so that the cell lies inside it; false, and nothing grows, when the cell
    // lies beyond the bounds.
    bool reserveCell(int row, int column);
    void setCell(int row, int column, const QString& text);
};

enum class TextEncoding { Utf8, Gbk, Utf16 };

QString encodingName(TextEncoding encoding);

struct SheetRead
{
    Table table;
    QStringList sheetNames;               // XLSX: the workbook's worksheets in order
    QString sheetName;                    // XLSX: the worksheet read
    std::optional<TextEncoding> encoding; // CSV: the encoding the text was read in
    QString error;                        // why nothing was read; empty when read

    bool ok() const { return error.isEmpty(); }
};

// "表格超过 100000 行或 1000 列，无法导入。"
QString tableTooLarge();
// "请在电子表格程序中另存为 .xlsx 或 .csv 后再导入。"
QString saveAsXlsxOrCsv();
// A file that should be an Excel workbook and is not one.
QString notAnXlsxWorkbook();

} // namespace orve::exchange
