#include "planrecords.h"

#include "headerrow.h"

#include "table/cellcleaning.h"

#include "school/namecheck.h"

#include <QSet>

namespace orve::exchange {

namespace {

using school::NameList;

bool isBlankRow(const QStringList& row)
{
    for (const QString& cell : row)
        if (!cleanCell(cell).isEmpty())
            return false;
    return true;
}

// "张三/5", "张三／5", "张三 5", "张三" or "5": the teacher and the periods of a grid cell.
void splitGridCell(const QString& text, QString& teacher, QString& periods)
{
    qsizetype cut = text.lastIndexOf(u'/');
    if (cut < 0)
        cut = text.lastIndexOf(u'\uFF0F');
    if (cut >= 0) {
        teacher = text.left(cut).trimmed();
        periods = text.mid(cut + 1).trimmed();
        return;
    }
    const qsizetype space = text.lastIndexOf(u' ');
    const QString last = text.mid(space + 1);
    bool number = false;
    last.toInt(&number);
    if (number) {
        teacher = text.left(std::max<qsizetype>(space, 0)).trimmed();
        periods = last;
    } else {
        teacher = text;
        periods.clear();
    }
}

// The header's columns that `fieldOf` knows, each field once; the others are refused.
template <typename FieldOf>
std::vector<std::pair<int, PlanField>> knownColumns(const Table& table, int headerRow,
                                                    FieldOf fieldOf, PlanSheetRead& read)
{
    const QStringList& header = table.rows[std::size_t(headerRow)];
    std::vector<std::pair<int, PlanField>> columns;
    QSet<int> seen;
    for (int c = 0; c < header.size(); ++c) {
        const QString text = cleanCell(header[c]);
        if (text.isEmpty())
            continue;
        const std::optional<PlanField> field = fieldOf(text);
        if (!field)
            refuseColumn(read.headerRefusals, headerRow, unknownColumn(text, c));
        else if (seen.contains(int(*field)))
            refuseColumn(read.headerRefusals, headerRow, repeatedColumn(text, c));
        else {
            seen.insert(int(*field));
            columns.emplace_back(c, *field);
        }
    }
    return columns;
}

// One record per row that holds anything, with the values of the known columns.
PlanSheetRead recordsOfRows(const Table& table, int headerRow,
                            std::vector<std::pair<int, PlanField>> columns, PlanSheetRead read)
{
    for (int r = headerRow + 1; r < table.rowCount(); ++r) {
        if (isBlankRow(table.rows[std::size_t(r)]))
            continue;
        PlanRecord record;
        record.sheetRow = r + 1;
        for (const auto& [column, field] : columns)
            record.value(field) = cleanCell(table.cell(r, column));
        read.records.push_back(std::move(record));
    }
    return read;
}

std::optional<PlanField> nameFieldOf(QStringView header)
{
    const std::optional<NameList> list = nameListOf(header);
    if (!list)
        return std::nullopt;
    switch (*list) {
    case NameList::Classes:
        return PlanField::Class;
    case NameList::Courses:
        return PlanField::Course;
    case NameList::Teachers:
        return PlanField::Teacher;
    case NameList::Venues:
        return PlanField::Venue;
    }
    return std::nullopt;
}

} // namespace

PlanSheetRead readPlanRows(const Table& table, int headerRow)
{
    PlanSheetRead read;
    auto columns = knownColumns(table, headerRow, planFieldOf, read);
    return recordsOfRows(table, headerRow, std::move(columns), std::move(read));
}

PlanSheetRead readNameRows(const Table& table, int headerRow)
{
    PlanSheetRead read;
    auto columns = knownColumns(table, headerRow, nameFieldOf, read);
    return recordsOfRows(table, headerRow, std::move(columns), std::move(read));
}

PlanSheetRead readGridRows(const Table& table, int headerRow)
{
    PlanSheetRead read;
    const QStringList& header = table.rows[std::size_t(headerRow)];
    int classColumn = 0;
    while (classColumn < header.size() && planFieldOf(header[classColumn]) != PlanField::Class)
        ++classColumn;
    std::vector<std::pair<int, QString>> courses;
    QSet<QString> seen;
    for (int c = classColumn + 1; c < header.size(); ++c) {
        const QString course = cleanCell(header[c]);
        if (course.isEmpty())
            continue;
        const QString refusal = school::nameRefusal(NameList::Courses, course);
        if (!refusal.isEmpty())
            refuseColumn(read.headerRefusals, headerRow,
                         QStringLiteral(u"第 %1 列的课程“%2”：%3这一列没有导入。")
                             .arg(c + 1)
                             .arg(course, refusal));
        else if (seen.contains(course))
            refuseColumn(read.headerRefusals, headerRow, repeatedColumn(course, c));
        else {
            seen.insert(course);
            courses.emplace_back(c, course);
        }
    }
    for (int r = headerRow + 1; r < table.rowCount(); ++r) {
        const QString className = cleanCell(table.cell(r, classColumn));
        for (const auto& [column, course] : courses) {
            const QString text = cleanCell(table.cell(r, column));
            if (text.isEmpty())
                continue;
            PlanRecord record;
            record.sheetRow = r + 1;
            record.value(PlanField::Class) = className;
            record.value(PlanField::Course) = course;
            splitGridCell(text, record.value(PlanField::Teacher), record.value(PlanField::Periods));
            read.records.push_back(std::move(record));
        }
    }
    return read;
}

} // namespace orve::exchange
