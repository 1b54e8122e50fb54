#include "sheetworkbook.h"

#include "print/masterprint.h"
#include "print/pagination.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <memory>

namespace orve::exchange {

namespace {

// Excel's limits on a worksheet's name and on a page header.
constexpr qsizetype MaxSheetNameLength = 31;
constexpr qsizetype MaxHeaderLength = 200;
constexpr int HeadingPoints = 14;
constexpr double HeadingRowPixels = 28;
constexpr std::size_t MaxPageBreaks = 1023;
constexpr lxw_row_t NoRow = 0;

// What sets one cell's format apart from another's.
struct CellLook
{
    QString family;
    int points = 0;
    Qt::Alignment alignment;
    bool bold = false;
    bool wrap = true; // CJK text wraps anywhere in the narrow lesson columns, as printed
    int top = print::NoLine;
    int bottom = print::NoLine;
    int left = print::NoLine;
    int right = print::NoLine;

    QString key() const
    {
        return QStringLiteral("%1|%2|%3|%4%5|%6%7%8%9")
            .arg(family)
            .arg(points)
            .arg(int(alignment))
            .arg(bold)
            .arg(wrap)
            .arg(top)
            .arg(bottom)
            .arg(left)
            .arg(right);
    }
};

uint8_t borderOf(int weight)
{
    switch (weight) {
    case print::ThinLine:
        return LXW_BORDER_THIN;
    case print::ThickLine:
        return LXW_BORDER_MEDIUM;
    default:
        return LXW_BORDER_NONE;
    }
}

uint8_t horizontalAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return LXW_ALIGN_CENTER;
    return alignment & Qt::AlignRight ? LXW_ALIGN_RIGHT : LXW_ALIGN_LEFT;
}

uint8_t verticalAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignTop)
        return LXW_ALIGN_VERTICAL_TOP;
    return alignment & Qt::AlignBottom ? LXW_ALIGN_VERTICAL_BOTTOM : LXW_ALIGN_VERTICAL_CENTER;
}

// Excel refuses a worksheet name with []:*?/\ in it, starting or ending with an apostrophe
// or longer than 31 characters.
QString worksheetName(QString title)
{
    for (const QChar forbidden : QStringView(u"[]:*?/\\"))
        title.replace(forbidden, u'_');
    while (title.startsWith(u'\''))
        title.remove(0, 1);
    title = title.left(MaxSheetNameLength);
    while (title.endsWith(u'\''))
        title.chop(1);
    return title.trimmed().isEmpty() ? QStringLiteral("Sheet1") : title;
}

// A page header shows "&" codes; a literal one is doubled.
QByteArray pageHeader(const QString& title)
{
    QString text = title.left(MaxHeaderLength);
    text.replace(u'&', QStringLiteral("&&"));
    return (QStringLiteral("&C") + text).toUtf8();
}

// A text that is a plain whole number is written as one, as a spreadsheet reads it from the
// CSV file; "01" stays text.
bool isPlainNumber(const QString& text, double& value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    value = number;
    return ok && text == QString::number(number);
}

class WorksheetWriter
{
public:
    WorksheetWriter(lxw_workbook* book, lxw_worksheet* sheet) : book_(book), sheet_(sheet) {}

    // The sheet's rows from `top`; returns the row after them.
    lxw_row_t write(const print::ReportSheet& sheet, lxw_row_t top);
    lxw_row_t writeHeading(const QString& heading, lxw_row_t top);
    void setColumnWidths(const std::vector<print::ReportSheet>& sheets);

private:
    lxw_format* format(const CellLook& look);
    CellLook lookOf(const print::ReportSheet& sheet, model::CellRef at) const;
    void writeCell(lxw_row_t row, lxw_col_t column, const QString& text, lxw_format* format);

    lxw_workbook* book_;
    lxw_worksheet* sheet_;
    QHash<QString, lxw_format*> formats_;
};

lxw_format* WorksheetWriter::format(const CellLook& look)
{
    const QString key = look.key();
    if (lxw_format* known = formats_.value(key))
        return known;
    lxw_format* made = workbook_add_format(book_);
    format_set_font_name(made, look.family.toUtf8().constData());
    format_set_font_size(made, look.points);
    format_set_align(made, horizontalAlignment(look.alignment));
    format_set_align(made, verticalAlignment(look.alignment));
    if (look.wrap)
        format_set_text_wrap(made);
    if (look.bold)
        format_set_bold(made);
    format_set_top(made, borderOf(look.top));
    format_set_bottom(made, borderOf(look.bottom));
    format_set_left(made, borderOf(look.left));
    format_set_right(made, borderOf(look.right));
    formats_.insert(key, made);
    return made;
}

CellLook WorksheetWriter::lookOf(const print::ReportSheet& sheet, model::CellRef at) const
{
    const print::SheetCell& cell = sheet.cell(at);
    CellLook look;
    look.family = cell.fontFamily.isEmpty() ? print::PrintFace : cell.fontFamily;
    look.points = cell.fontSize;
    look.alignment = cell.alignment;
    look.top = sheet.horizontalLine(at.column, at.row).weight;
    look.bottom = sheet.horizontalLine(at.column, at.row + 1).weight;
    look.left = sheet.verticalLine(at.column, at.row).weight;
    look.right = sheet.verticalLine(at.column + 1, at.row).weight;
    return look;
}

void WorksheetWriter::writeCell(lxw_row_t row, lxw_col_t column, const QString& text,
                                lxw_format* format)
{
    double number = 0;
    if (text.isEmpty())
        worksheet_write_blank(sheet_, row, column, format);
    else if (isPlainNumber(text, number))
        worksheet_write_number(sheet_, row, column, number, format);
    else
        worksheet_write_string(sheet_, row, column, text.toUtf8().constData(), format);
}

// The heading stands in the first cell, spilling over the empty cells beside it, as in the
// CSV file.
lxw_row_t WorksheetWriter::writeHeading(const QString& heading, lxw_row_t top)
{
    CellLook look;
    look.family = print::PrintFace;
    look.points = HeadingPoints;
    look.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    look.bold = true;
    look.wrap = false;
    worksheet_write_string(sheet_, top, 0, heading.trimmed().toUtf8().constData(), format(look));
    worksheet_set_row_pixels(sheet_, top, uint32_t(HeadingRowPixels), nullptr);
    return top + 1;
}

lxw_row_t WorksheetWriter::write(const print::ReportSheet& sheet, lxw_row_t top)
{
    for (int r = 0; r < sheet.rowCount(); ++r) {
        worksheet_set_row_pixels(sheet_, top + lxw_row_t(r), uint32_t(sheet.rowHeight(r) + 0.5),
                                 nullptr);
        for (int c = 0; c < sheet.columnCount(); ++c)
            writeCell(top + lxw_row_t(r), lxw_col_t(c), sheet.cell({r, c}).text.trimmed(),
                      format(lookOf(sheet, {r, c})));
    }
    // A merged block shows its first cell's text; each of its cells keeps its own edges.
    for (const print::CellBlock& block : sheet.joinedBlocks()) {
        const lxw_row_t firstRow = top + lxw_row_t(block.firstRow);
        const lxw_col_t firstColumn = lxw_col_t(block.firstColumn);
        const model::CellRef first{block.firstRow, block.firstColumn};
        worksheet_merge_range(sheet_, firstRow, firstColumn, top + lxw_row_t(block.lastRow),
                              lxw_col_t(block.lastColumn),
                              sheet.cell(first).text.trimmed().toUtf8().constData(),
                              format(lookOf(sheet, first)));
        for (int r = block.firstRow; r <= block.lastRow; ++r)
            for (int c = block.firstColumn; c <= block.lastColumn; ++c)
                if (r != block.firstRow || c != block.firstColumn)
                    worksheet_write_blank(sheet_, top + lxw_row_t(r), lxw_col_t(c),
                                          format(lookOf(sheet, {r, c})));
    }
    return top + lxw_row_t(sheet.rowCount());
}

void WorksheetWriter::setColumnWidths(const std::vector<print::ReportSheet>& sheets)
{
    std::vector<double> widths;
    for (const print::ReportSheet& sheet : sheets) {
        widths.resize(std::max(widths.size(), std::size_t(sheet.columnCount())));
        for (int c = 0; c < sheet.columnCount(); ++c)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], sheet.columnWidth(c));
    }
    for (std::size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column_pixels(sheet_, lxw_col_t(c), lxw_col_t(c), uint32_t(widths[c] + 0.5),
                                    nullptr);
}

// Landscape on A4, as wide as the page, centred, the title at the top and the page number at
// the foot of every page.
void setUpPages(lxw_worksheet* sheet, const QString& title)
{
    constexpr uint8_t A4 = 9;
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, A4);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_center_horizontally(sheet);
    worksheet_set_header(sheet, pageHeader(title).constData());
    worksheet_set_footer(sheet, QStringLiteral(u"&C第 &P 页，共 &N 页").toUtf8().constData());
}

// The headers of a single sheet stay in view and are printed on every page.
void keepHeaders(lxw_worksheet* worksheet, const print::ReportSheet& sheet, lxw_row_t top)
{
    const print::IndexRange rows = print::headerRows(sheet);
    const print::IndexRange columns = print::headerColumns(sheet);
    const lxw_row_t frozenRows = rows.isEmpty() ? top : top + lxw_row_t(rows.last + 1);
    const lxw_col_t frozenColumns = columns.isEmpty() ? 0 : lxw_col_t(columns.last + 1);
    worksheet_freeze_panes(worksheet, frozenRows, frozenColumns);
    if (!rows.isEmpty())
        worksheet_repeat_rows(worksheet, top + lxw_row_t(rows.first), top + lxw_row_t(rows.last));
    if (!columns.isEmpty())
        worksheet_repeat_columns(worksheet, lxw_col_t(columns.first), lxw_col_t(columns.last));
}

struct WorkbookCloser
{
    void operator()(lxw_workbook* book) const { workbook_close(book); }
};

} // namespace

QByteArray xlsxOf(const QString& pageTitle, const std::vector<print::ReportSheet>& sheets)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return {};
    const QString path = folder.filePath(QStringLiteral("book.xlsx"));
    std::unique_ptr<lxw_workbook, WorkbookCloser> book(
        workbook_new(QFile::encodeName(path).constData()));
    if (!book)
        return {};
    lxw_worksheet* worksheet =
        workbook_add_worksheet(book.get(), worksheetName(pageTitle).toUtf8().constData());
    if (!worksheet)
        return {};
    WorksheetWriter writer(book.get(), worksheet);
    writer.setColumnWidths(sheets);
    setUpPages(worksheet, pageTitle);

    std::vector<lxw_row_t> pageBreaks;
    lxw_row_t top = 0;
    for (const print::ReportSheet& sheet : sheets) {
        if (top > 0) {
            ++top; // a blank row between sheets, as in the CSV file
            if (pageBreaks.size() < MaxPageBreaks)
                pageBreaks.push_back(top);
        }
        if (!sheet.heading().isEmpty())
            top = writer.writeHeading(sheet.heading(), top);
        if (sheets.size() == 1)
            keepHeaders(worksheet, sheet, top);
        top = writer.write(sheet, top);
    }
    if (!pageBreaks.empty()) {
        pageBreaks.push_back(NoRow); // the list ends with a zero
        worksheet_set_h_pagebreaks(worksheet, pageBreaks.data());
    }
    if (workbook_close(book.release()) != LXW_NO_ERROR)
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace orve::exchange
