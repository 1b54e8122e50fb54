#include "sheetpainter.h"

#include "celltext.h"

#include "print/reportsheet.h"

#include <QHash>
#include <QPainter>
#include <vector>

namespace orve::render {

namespace {

constexpr double CellPadding = 2; // pixels

QColor lineColour(model::Colour colour)
{
    return QColor(model::redOf(colour), model::greenOf(colour), model::blueOf(colour));
}

// Thin rules are hairlines of half a point; heavier ones three quarters of a point per step.
double lineWidthPoints(int weight)
{
    return weight == print::ThinLine ? 0.5 : 0.75 * weight;
}

const print::RuledLine& stronger(const print::RuledLine& a, const print::RuledLine& b)
{
    return b.weight > a.weight ? b : a;
}

std::vector<int> indexes(const std::vector<print::IndexRange>& ranges)
{
    std::vector<int> result;
    for (const print::IndexRange& range : ranges)
        for (int i = range.first; i <= range.last; ++i)
            result.push_back(i);
    return result;
}

// Running positions: edges[i] is where displayed index i starts, edges.back() the far edge.
template <typename Measure>
std::vector<double> edges(const std::vector<int>& shown, double start, double unit, Measure measure)
{
    std::vector<double> result{start};
    for (int index : shown)
        result.push_back(result.back() + measure(index) * unit);
    return result;
}

// Lines are drawn as runs of equal segments so a rule is one stroke, not a dotted chain.
class LineRuns
{
public:
    LineRuns(QPainter& painter, double unitsPerPoint)
        : painter_(painter), unitsPerPoint_(unitsPerPoint)
    {
    }
    void add(QPointF from, QPointF to, const print::RuledLine& line, bool joinsPrevious)
    {
        if (joinsPrevious && line.weight == run_.weight && line.colour == run_.colour &&
            runTo_ == from) {
            runTo_ = to;
            return;
        }
        flush();
        run_ = line;
        runFrom_ = from;
        runTo_ = to;
    }
    void flush()
    {
        if (run_.weight > 0) {
            QPen pen(lineColour(run_.colour), lineWidthPoints(run_.weight) * unitsPerPoint_);
            pen.setCapStyle(Qt::SquareCap);
            painter_.setPen(pen);
            painter_.drawLine(runFrom_, runTo_);
        }
        run_ = {};
    }

private:
    QPainter& painter_;
    double unitsPerPoint_;
    print::RuledLine run_;
    QPointF runFrom_;
    QPointF runTo_;
};

bool sameJoin(const print::ReportSheet& sheet, int column1, int row1, int column2, int row2)
{
    const print::CellBlock* block = sheet.joinedBlockAt({row1, column1});
    return block && block == sheet.joinedBlockAt({row2, column2});
}

} // namespace

QFont printFont(const QString& family, double points)
{
    QFont font;
    QStringList families{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                         QStringLiteral("Noto Sans CJK SC")};
    if (!family.isEmpty())
        families.prepend(family);
    font.setFamilies(families);
    font.setPointSizeF(points);
    return font;
}

QSizeF sheetPartSize(const print::ReportSheet& sheet, const print::SheetPage& page)
{
    QSizeF size;
    for (int c : indexes(page.columns))
        size.rwidth() += sheet.columnWidth(c);
    for (int r : indexes(page.rows))
        size.rheight() += sheet.rowHeight(r);
    return size;
}

void paintSheetPart(QPainter& painter, const print::ReportSheet& sheet,
                    const print::SheetPage& page, QPointF origin, double unitsPerPixel,
                    double scale)
{
    const std::vector<int> columns = indexes(page.columns);
    const std::vector<int> rows = indexes(page.rows);
    if (columns.empty() || rows.empty())
        return;
    const std::vector<double> xs =
        edges(columns, origin.x(), unitsPerPixel, [&](int c) { return sheet.columnWidth(c); });
    const std::vector<double> ys =
        edges(rows, origin.y(), unitsPerPixel, [&](int r) { return sheet.rowHeight(r); });
    const int columnCount = int(columns.size());
    const int rowCount = int(rows.size());

    QHash<QPair<QString, int>, QFont> fonts;
    const double padding = CellPadding * unitsPerPixel;
    for (int ri = 0; ri < rowCount; ++ri) {
        for (int ci = 0; ci < columnCount; ++ci) {
            int lastCi = ci;
            int lastRi = ri;
            const print::CellBlock* block = sheet.joinedBlockAt({rows[ri], columns[ci]});
            const print::SheetCell* cell = &sheet.cell({rows[ri], columns[ci]});
            if (block) {
                // A joined block is drawn once, from the first of its cells on the page.
                if ((ci > 0 && block->contains({rows[ri], columns[ci - 1]})) ||
                    (ri > 0 && block->contains({rows[ri - 1], columns[ci]})))
                    continue;
                while (lastCi + 1 < columnCount && block->contains({rows[ri], columns[lastCi + 1]}))
                    ++lastCi;
                while (lastRi + 1 < rowCount && block->contains({rows[lastRi + 1], columns[ci]}))
                    ++lastRi;
                cell = &sheet.cell({block->firstRow, block->firstColumn});
            }
            if (cell->text.isEmpty())
                continue;
            const QRectF area(QPointF(xs[std::size_t(ci)], ys[std::size_t(ri)]),
                              QPointF(xs[std::size_t(lastCi + 1)], ys[std::size_t(lastRi + 1)]));
            auto font = fonts.find({cell->fontFamily, cell->fontSize});
            if (font == fonts.end())
                font = fonts.insert({cell->fontFamily, cell->fontSize},
                                    printFont(cell->fontFamily, cell->fontSize * scale));
            const QRectF box = area.adjusted(padding, padding, -padding, -padding);
            painter.setPen(cell->textColour == model::StandardColour
                               ? QColor(Qt::black)
                               : lineColour(cell->textColour));
            drawFittedText(painter, box, fitText(cell->text, *font, box.size(), painter.device()),
                           cell->alignment);
        }
    }

    // Each page's table is framed like the sheet: its last row and column take the outer
    // edge of the print range, wherever the page ends.
    const print::CellBlock range = sheet.printRange();
    const double unitsPerPoint = unitsPerPixel * print::PixelsPerPoint;
    LineRuns runs(painter, unitsPerPoint);
    for (int k = 0; k <= rowCount; ++k) {
        for (int ci = 0; ci < columnCount; ++ci) {
            const int c = columns[std::size_t(ci)];
            print::RuledLine line;
            if (k == 0) {
                line = sheet.horizontalLine(c, rows.front());
            } else {
                const int above = rows[std::size_t(k - 1)];
                const int below = k < rowCount ? rows[std::size_t(k)] : range.lastRow + 1;
                if (k < rowCount && sameJoin(sheet, c, above, c, below))
                    line = {};
                else
                    line = stronger(sheet.horizontalLine(c, above + 1),
                                    sheet.horizontalLine(c, below));
            }
            runs.add({xs[std::size_t(ci)], ys[std::size_t(k)]},
                     {xs[std::size_t(ci + 1)], ys[std::size_t(k)]}, line, ci > 0);
        }
        runs.flush();
    }
    for (int k = 0; k <= columnCount; ++k) {
        for (int ri = 0; ri < rowCount; ++ri) {
            const int r = rows[std::size_t(ri)];
            print::RuledLine line;
            if (k == 0) {
                line = sheet.verticalLine(columns.front(), r);
            } else {
                const int left = columns[std::size_t(k - 1)];
                const int right = k < columnCount ? columns[std::size_t(k)] : range.lastColumn + 1;
                if (k < columnCount && sameJoin(sheet, left, r, right, r))
                    line = {};
                else
                    line = stronger(sheet.verticalLine(left + 1, r), sheet.verticalLine(right, r));
            }
            runs.add({xs[std::size_t(k)], ys[std::size_t(ri)]},
                     {xs[std::size_t(k)], ys[std::size_t(ri + 1)]}, line, ri > 0);
        }
        runs.flush();
    }
}

} // namespace orve::render
