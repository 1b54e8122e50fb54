#include "sheetshape.h"

#include "sheetheaders.h"

#include "table/cellcleaning.h"

#include <QSet>

namespace orve::exchange {

namespace {

// A header stands within the first rows; a title and a blank row may come before it.
constexpr int HeaderSearchRows = 10;

bool hasField(const QStringList& row, PlanField field)
{
    for (const QString& cell : row)
        if (planFieldOf(cell) == field)
            return true;
    return false;
}

bool isPlanHeader(const QStringList& row)
{
    return hasField(row, PlanField::Class) && hasField(row, PlanField::Course);
}

// Classes down, courses across: the first header is the class column's and another is no
// header the program knows, so it names a course.
bool isGridHeader(const QStringList& row)
{
    int first = 0;
    while (first < row.size() && cleanCell(row[first]).isEmpty())
        ++first;
    if (first == row.size() || planFieldOf(row[first]) != PlanField::Class)
        return false;
    for (int c = first + 1; c < row.size(); ++c)
        if (!cleanCell(row[c]).isEmpty() && !planFieldOf(row[c]) && !nameListOf(row[c]))
            return true;
    return false;
}

bool isNamesHeader(const QStringList& row)
{
    for (const QString& cell : row)
        if (nameListOf(cell))
            return true;
    return false;
}

bool hasPlanOnlyHeader(const QStringList& row)
{
    for (const QString& cell : row)
        if (isPlanOnlyHeader(cell))
            return true;
    return false;
}

// A name list holds each class once; a plan names a class once for each of its courses.
bool classesRepeat(const Table& table, int headerRow)
{
    const QStringList& header = table.rows[std::size_t(headerRow)];
    int column = 0;
    while (column < header.size() && planFieldOf(header[column]) != PlanField::Class)
        ++column;
    QSet<QString> seen;
    for (int r = headerRow + 1; r < table.rowCount(); ++r) {
        const QString name = cleanCell(table.cell(r, column));
        if (name.isEmpty())
            continue;
        if (seen.contains(name))
            return true;
        seen.insert(name);
    }
    return false;
}

bool reads(const Table& table, int row, SheetShape shape)
{
    const QStringList& cells = table.rows[std::size_t(row)];
    switch (shape) {
    case SheetShape::Plan:
        return isPlanHeader(cells);
    case SheetShape::Grid:
        return isGridHeader(cells);
    case SheetShape::Names:
        return isNamesHeader(cells);
    }
    return false;
}

} // namespace

QString shapeName(SheetShape shape)
{
    switch (shape) {
    case SheetShape::Names:
        return QStringLiteral(u"名单");
    case SheetShape::Plan:
        return QStringLiteral(u"教学计划");
    case SheetShape::Grid:
        return QStringLiteral(u"任课表");
    }
    return {};
}

std::optional<SheetLayout> detectShape(const Table& table)
{
    for (int r = 0; r < std::min(table.rowCount(), HeaderSearchRows); ++r) {
        const QStringList& cells = table.rows[std::size_t(r)];
        if (isPlanHeader(cells) && (hasPlanOnlyHeader(cells) || classesRepeat(table, r)))
            return SheetLayout{SheetShape::Plan, r};
        if (isGridHeader(cells))
            return SheetLayout{SheetShape::Grid, r};
        if (isNamesHeader(cells))
            return SheetLayout{SheetShape::Names, r};
    }
    return std::nullopt;
}

int headerRowOf(const Table& table, SheetShape shape)
{
    for (int r = 0; r < std::min(table.rowCount(), HeaderSearchRows); ++r)
        if (reads(table, r, shape))
            return r;
    return -1;
}

} // namespace orve::exchange
