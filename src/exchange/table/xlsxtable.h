// Reading a worksheet of an Excel workbook (.xlsx, Office Open XML): the zip container through
// minizip, the workbook, its relationships, the shared strings and the sheet's cells through
// QXmlStreamReader. Cells keep the text they show for strings, and numbers written without
// a spurious ".0"; a merged block's text stands in each of its cells, as a sheet whose class
// cells are merged over the class's rows means it.
#pragma once

#include "table.h"

#include <QByteArray>
#include <QString>

namespace orve::exchange {

// The worksheet named `sheetName`, or the first visible worksheet when the name is empty.
SheetRead readXlsx(const QByteArray& bytes, const QString& sheetName);

} // namespace orve::exchange
