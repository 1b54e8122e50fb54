#include "pagination.h"

#include "reportsheet.h"

#include <algorithm>

namespace orve::print {

namespace {

// Lets the rounding of fractional pixel measures not push a band onto a page of its own.
constexpr double Slack = 0.01;

// One axis of the sheet: columns or rows, seen the same way.
struct Axis
{
    const ReportSheet& sheet;
    bool columns;

    double size(int index) const
    {
        return columns ? sheet.columnWidth(index) : sheet.rowHeight(index);
    }
    double total(IndexRange range) const
    {
        double sum = 0;
        for (int i = range.first; i <= range.last; ++i)
            sum += size(i);
        return sum;
    }
    int first(const CellBlock& block) const { return columns ? block.firstColumn : block.firstRow; }
    int last(const CellBlock& block) const { return columns ? block.lastColumn : block.lastRow; }
    // True when a joined block spans indexes i and i + 1, so no page may end between them.
    bool joined(int index) const
    {
        return std::any_of(
            sheet.joinedBlocks().begin(), sheet.joinedBlocks().end(),
            [&](const CellBlock& block) { return first(block) <= index && last(block) > index; });
    }
};

IndexRange headerRange(const Axis& axis, int bodyStart, int end)
{
    int last = std::min(bodyStart, end + 1) - 1;
    if (last < 0)
        return {};
    while (last < end && axis.joined(last))
        ++last;
    return {0, last};
}

// Unbreakable runs of the body: consecutive indexes tied together by joined blocks.
std::vector<IndexRange> unbreakableGroups(const Axis& axis, IndexRange body)
{
    std::vector<IndexRange> groups;
    for (int i = body.first; i <= body.last; ++i) {
        if (groups.empty() || !axis.joined(i - 1))
            groups.push_back({i, i});
        else
            groups.back().last = i;
    }
    return groups;
}

// Packs whole groups onto pages of `room` pixels. Always at least one (maybe empty) band.
std::vector<IndexRange> bands(const Axis& axis, const std::vector<IndexRange>& groups, double room)
{
    std::vector<IndexRange> result;
    double used = 0;
    for (const IndexRange& group : groups) {
        const double size = axis.total(group);
        if (!result.empty() && used + size <= room + Slack) {
            result.back().last = group.last;
            used += size;
        } else {
            result.push_back(group);
            used = size;
        }
    }
    if (result.empty())
        result.push_back({});
    return result;
}

double largest(const Axis& axis, const std::vector<IndexRange>& groups)
{
    double size = 0;
    for (const IndexRange& group : groups)
        size = std::max(size, axis.total(group));
    return size;
}

std::vector<IndexRange> drawn(IndexRange header, IndexRange body)
{
    std::vector<IndexRange> ranges;
    if (!header.isEmpty())
        ranges.push_back(header);
    if (!body.isEmpty())
        ranges.push_back(body);
    return ranges;
}

} // namespace

IndexRange headerColumns(const ReportSheet& sheet)
{
    const CellBlock range = sheet.printRange();
    return headerRange({sheet, true}, range.firstColumn, range.lastColumn);
}

IndexRange headerRows(const ReportSheet& sheet)
{
    const CellBlock range = sheet.printRange();
    return headerRange({sheet, false}, range.firstRow, range.lastRow);
}

PageLayout paginate(const ReportSheet& sheet, QSizeF tableArea)
{
    const Axis across{sheet, true};
    const Axis down{sheet, false};
    const CellBlock range = sheet.printRange();
    const double width = std::max(tableArea.width(), 1.0) * PixelsPerPoint;
    const double height = std::max(tableArea.height(), 1.0) * PixelsPerPoint;

    PageLayout layout;
    layout.headerColumns = headerColumns(sheet);
    layout.headerRows = headerRows(sheet);
    const IndexRange bodyColumns{std::max(range.firstColumn, layout.headerColumns.last + 1),
                                 range.lastColumn};
    const IndexRange bodyRows{std::max(range.firstRow, layout.headerRows.last + 1), range.lastRow};
    if (sheet.pageFit() == PageFit::OnePage) {
        const double neededWidth = across.total(layout.headerColumns) + across.total(bodyColumns);
        const double neededHeight = down.total(layout.headerRows) + down.total(bodyRows);
        layout.scale = std::min({MaxFitScale, neededWidth > 0 ? width / neededWidth : 1.0,
                                 neededHeight > 0 ? height / neededHeight : 1.0});
        layout.pages.push_back(
            {drawn(layout.headerColumns, bodyColumns), drawn(layout.headerRows, bodyRows)});
        return layout;
    }

    const auto columnGroups = unbreakableGroups(across, bodyColumns);
    const auto rowGroups = unbreakableGroups(down, bodyRows);

    const double neededWidth = across.total(layout.headerColumns) + largest(across, columnGroups);
    const double neededHeight = down.total(layout.headerRows) + largest(down, rowGroups);
    layout.scale = std::min({1.0, neededWidth > 0 ? width / neededWidth : 1.0,
                             neededHeight > 0 ? height / neededHeight : 1.0});

    const auto columnBands =
        bands(across, columnGroups, width / layout.scale - across.total(layout.headerColumns));
    const auto rowBands =
        bands(down, rowGroups, height / layout.scale - down.total(layout.headerRows));
    for (const IndexRange& rows : rowBands) {
        for (const IndexRange& columns : columnBands)
            layout.pages.push_back(
                {drawn(layout.headerColumns, columns), drawn(layout.headerRows, rows)});
    }
    return layout;
}

} // namespace orve::print
