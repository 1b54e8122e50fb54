#include "xlsxtable.h"

#include "ziparchive.h"

#include <QDir>
#include <QHash>
#include <QXmlStreamReader>

#include <cmath>

namespace orve::exchange {

namespace {

// Shared strings beyond this many characters are no school's sheet.
constexpr qint64 MaxSharedCharacters = 64 * 1024 * 1024;

struct SheetEntry
{
    QString name;
    QString path; // inside the zip
    bool hidden = false;
};

QString damagedPart(const QString& part)
{
    return QStringLiteral(u"工作簿中的“%1”已损坏，无法导入。").arg(part);
}

// An attribute by its local name, whatever its namespace prefix.
QStringView attribute(const QXmlStreamReader& xml, QStringView localName)
{
    for (const QXmlStreamAttribute& a : xml.attributes())
        if (a.name() == localName)
            return a.value();
    return {};
}

// The texts of the <t> elements inside the current element, rich-text runs joined, phonetic
// guides left out. Ends on the current element's end.
QString textOf(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t")
            text += xml.readElementText();
        else if (xml.name() == u"r")
            text += textOf(xml);
        else
            xml.skipCurrentElement();
    }
    return text;
}

QString parseError(const QXmlStreamReader& xml, const QString& part)
{
    return xml.hasError() ? damagedPart(part) : QString();
}

QString readRelationships(ZipArchive& zip, QHash<QString, QString>& targets)
{
    const QString part = QStringLiteral("xl/_rels/workbook.xml.rels");
    const std::unique_ptr<QIODevice> entry = zip.openEntry(part);
    if (!entry)
        return notAnXlsxWorkbook();
    QXmlStreamReader xml(entry.get());
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement() || xml.name() != u"Relationship" ||
            !attribute(xml, u"Type").endsWith(u"/worksheet"))
            continue;
        const QString target = attribute(xml, u"Target").toString();
        targets.insert(attribute(xml, u"Id").toString(),
                       target.startsWith(u'/') ? target.mid(1)
                                               : QDir::cleanPath(QStringLiteral("xl/") + target));
    }
    return parseError(xml, part);
}

QString readSheetEntries(ZipArchive& zip, std::vector<SheetEntry>& sheets)
{
    QHash<QString, QString> targets;
    if (const QString error = readRelationships(zip, targets); !error.isEmpty())
        return error;
    const QString part = QStringLiteral("xl/workbook.xml");
    const std::unique_ptr<QIODevice> entry = zip.openEntry(part);
    if (!entry)
        return notAnXlsxWorkbook();
    QXmlStreamReader xml(entry.get());
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement() || xml.name() != u"sheet")
            continue;
        const auto target = targets.constFind(attribute(xml, u"id").toString());
        if (target == targets.cend()) // a chart sheet
            continue;
        const QStringView state = attribute(xml, u"state");
        sheets.push_back({attribute(xml, u"name").toString(), *target,
                          state == u"hidden" || state == u"veryHidden"});
    }
    return parseError(xml, part);
}

QString readSharedStrings(ZipArchive& zip, QStringList& strings)
{
    const QString part = QStringLiteral("xl/sharedStrings.xml");
    const std::unique_ptr<QIODevice> entry = zip.openEntry(part);
    if (!entry) // a workbook without strings has none
        return {};
    QXmlStreamReader xml(entry.get());
    qint64 characters = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement() || xml.name() != u"si")
            continue;
        strings.append(textOf(xml));
        characters += strings.back().size();
        if (characters > MaxSharedCharacters)
            return tableTooLarge();
    }
    return parseError(xml, part);
}

// "BC12" as a zero-based column and row; false when it is not a cell reference.
bool cellPosition(QStringView ref, int& row, int& column)
{
    qsizetype i = 0;
    qint64 c = 0;
    while (i < ref.size() && ref[i].isUpper() && ref[i].unicode() <= u'Z' && c <= MaxTableColumns)
        c = c * 26 + (ref[i++].unicode() - u'A' + 1);
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    if (i == 0 || !ok || r < 1)
        return false;
    row = r - 1;
    column = int(std::min<qint64>(c, MaxTableColumns + 1)) - 1;
    return true;
}

// A number as the sheet shows it in a general format: integers without a decimal point.
QString numberText(const QString& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return value;
    if (std::floor(number) == number && std::abs(number) < 1e15)
        return QString::number(qint64(number));
    return QString::number(number, 'g', 15);
}

QString cellText(QXmlStreamReader& xml, const QStringList& shared)
{
    const QString type = attribute(xml, u"t").toString();
    QString value;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v")
            value = xml.readElementText();
        else if (xml.name() == u"is")
            value = textOf(xml);
        else
            xml.skipCurrentElement();
    }
    if (type == u"s") {
        bool ok = false;
        const int index = value.toInt(&ok);
        return ok ? shared.value(index) : QString();
    }
    if (type == u"b")
        return value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (type == u"inlineStr" || type == u"str" || type == u"e")
        return value;
    return numberText(value);
}

void fillMergedBlock(Table& table, QStringView range)
{
    const qsizetype colon = range.indexOf(u':');
    int firstRow = 0, firstColumn = 0, lastRow = 0, lastColumn = 0;
    if (colon < 0 || !cellPosition(range.left(colon), firstRow, firstColumn) ||
        !cellPosition(range.mid(colon + 1), lastRow, lastColumn))
        return;
    const QString text = table.cell(firstRow, firstColumn);
    if (text.isEmpty())
        return;
    lastRow = std::min(lastRow, MaxTableRows - 1);
    lastColumn = std::min(lastColumn, MaxTableColumns - 1);
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstColumn; c <= lastColumn; ++c)
            if (table.cell(r, c).isEmpty())
                table.setCell(r, c, text);
}

QString readCells(ZipArchive& zip, const SheetEntry& sheet, const QStringList& shared, Table& table)
{
    const std::unique_ptr<QIODevice> entry = zip.openEntry(sheet.path);
    if (!entry)
        return damagedPart(sheet.name);
    QXmlStreamReader xml(entry.get());
    int row = -1;
    int nextColumn = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"row") {
            bool ok = false;
            const int number = attribute(xml, u"r").toInt(&ok);
            row = ok && number >= 1 ? number - 1 : row + 1;
            nextColumn = 0;
        } else if (xml.name() == u"c") {
            int cellRow = row;
            int column = nextColumn;
            const QStringView ref = attribute(xml, u"r");
            if (!ref.isEmpty() && !cellPosition(ref, cellRow, column))
                return damagedPart(sheet.name);
            nextColumn = column + 1;
            const QString text = cellText(xml, shared);
            // Only cells that show something count: formats alone reach to the sheet's end.
            if (text.isEmpty())
                continue;
            if (!table.reserveCell(cellRow, column))
                return tableTooLarge();
            table.setCell(cellRow, column, text);
        } else if (xml.name() == u"mergeCell") {
            fillMergedBlock(table, attribute(xml, u"ref"));
        }
    }
    return parseError(xml, sheet.name);
}

} // namespace

SheetRead readXlsx(const QByteArray& bytes, const QString& sheetName)
{
    SheetRead read;
    ZipArchive zip(bytes);
    if (!zip.isOpen()) {
        read.error = notAnXlsxWorkbook();
        return read;
    }
    std::vector<SheetEntry> sheets;
    read.error = readSheetEntries(zip, sheets);
    if (!read.ok())
        return read;
    const SheetEntry* chosen = nullptr;
    for (const SheetEntry& sheet : sheets) {
        read.sheetNames.append(sheet.name);
        const bool wanted = sheetName.isEmpty() ? !sheet.hidden : sheet.name == sheetName;
        if (wanted && !chosen)
            chosen = &sheet;
    }
    if (!chosen) {
        read.error = sheetName.isEmpty()
                         ? QStringLiteral(u"工作簿中没有可以导入的工作表。")
                         : QStringLiteral(u"工作簿中没有名为“%1”的工作表。").arg(sheetName);
        return read;
    }
    read.sheetName = chosen->name;
    QStringList shared;
    read.error = readSharedStrings(zip, shared);
    if (read.ok())
        read.error = readCells(zip, *chosen, shared, read.table);
    if (!read.ok())
        read.table = {};
    return read;
}

} // namespace orve::exchange
