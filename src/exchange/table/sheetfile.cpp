#include "sheetfile.h"

#include "csvtable.h"
#include "xlsxtable.h"

#include "fileio/schoolreader.h"

#include <QFileInfo>

namespace orve::exchange {

namespace {

const QByteArray ZipMagic = QByteArrayLiteral("PK\x03\x04");
// The compound document of Excel 97–2003 (and of WPS's .et).
const QByteArray CompoundDocumentMagic = QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");

SheetRead failed(const QString& error)
{
    SheetRead read;
    read.error = error;
    return read;
}

} // namespace

SheetRead readSheetBytes(const QByteArray& bytes, const QString& fileName,
                         const SheetOptions& options)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"xls" || bytes.startsWith(CompoundDocumentMagic))
        return failed(saveAsXlsxOrCsv());
    if (bytes.startsWith(ZipMagic))
        return readXlsx(bytes, options.sheetName);
    if (suffix == u"xlsx" || suffix == u"xlsm")
        return failed(notAnXlsxWorkbook());
    return readCsv(bytes, options.encoding);
}

SheetRead readSheetFile(const QString& path, const SheetOptions& options)
{
    QByteArray bytes;
    const QString reason = fileio::readRegularFile(path, MaxSheetFileSize, bytes);
    if (!reason.isEmpty())
        return failed(reason);
    if (bytes.size() > MaxSheetFileSize)
        return failed(QStringLiteral(u"文件太大，不是学校的表格。"));
    return readSheetBytes(bytes, path, options);
}

} // namespace orve::exchange
