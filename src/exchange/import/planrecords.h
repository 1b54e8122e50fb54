// Reading the rows of a plan sheet or a 任课表 into plan records: one class and course each,
// with the values the sheet gives for it, cleaned. Columns the import does not know are
// refused on the header row and left out.
#pragma once

#include "importpreview.h"
#include "sheetheaders.h"

#include "table/table.h"

#include <array>
#include <vector>

namespace orve::exchange {

struct PlanRecord
{
    int sheetRow = 0; // from 1
    // The sheet's values, cleaned; an empty value keeps what the plan holds.
    std::array<QString, PlanFieldCount> values;
    QStringList refusals;     // why the record is refused
    bool bringsNames = false; // some name of it is new to its list

    const QString& value(PlanField field) const { return values[std::size_t(field)]; }
    QString& value(PlanField field) { return values[std::size_t(field)]; }
};

struct PlanSheetRead
{
    std::vector<PlanRecord> records;
    std::vector<RowResult> headerRefusals; // at most one: the header row's
};

// The plan shape: one record per row below the header that holds anything.
PlanSheetRead readPlanRows(const Table& table, int headerRow);

// The name-list shape: one record per row, holding a name for each list with a column.
PlanSheetRead readNameRows(const Table& table, int headerRow);

// The 任课表: one record per filled cell of a course column; a cell holds the teacher, the
// periods, or both ("张三/5", "张三 5").
PlanSheetRead readGridRows(const Table& table, int headerRow);

} // namespace orve::exchange
