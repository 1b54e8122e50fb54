// A spreadsheet file to import, whatever its kind: an Excel workbook (.xlsx) is read as one,
// an old binary Excel file (.xls) is refused with the advice to save it again, anything else
// is read as CSV text.
#pragma once

#include "table.h"

#include <QByteArray>
#include <QString>

namespace orve::exchange {

// Spreadsheet files larger than this are no school's lists.
inline constexpr qint64 MaxSheetFileSize = 64 * 1024 * 1024;

struct SheetOptions
{
    QString sheetName;                    // XLSX: empty for the first visible worksheet
    std::optional<TextEncoding> encoding; // CSV: none to detect it
};

// The file's bytes read as its name and its first bytes say.
SheetRead readSheetBytes(const QByteArray& bytes, const QString& fileName,
                         const SheetOptions& options);

SheetRead readSheetFile(const QString& path, const SheetOptions& options = {});

} // namespace orve::exchange
