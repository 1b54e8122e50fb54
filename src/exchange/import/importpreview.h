// What importing a sheet would do, shown before anything changes: each row's outcome with the
// reasons a row is refused, the counts, and the school as the import would leave it. Applying
// the preview is one change of the open school.
#pragma once

#include "sheetshape.h"

#include "model/school.h"

#include <QStringList>
#include <vector>

namespace orve {
struct Workspace;
}

namespace orve::exchange {

enum class RowOutcome { Added, Updated, Unchanged, Refused };

// "新增", "更新", "不变", "拒绝".
QString outcomeName(RowOutcome outcome);

struct RowResult
{
    int sheetRow = 0; // from 1, as spreadsheet programs number their rows
    QString subject;  // what the row is about: "初一(1) 语文", "初一(1)", "张三、语文"
    RowOutcome outcome = RowOutcome::Unchanged;
    QStringList reasons; // why it was refused, one reason a line
};

struct ImportPreview
{
    SheetShape shape = SheetShape::Names;
    int headerRow = -1;          // from 1; -1 when the sheet has no header of its shape
    QString error;               // why nothing can be imported; empty when the rows were read
    std::vector<RowResult> rows; // in sheet order; the header row first when it has a refusal
    model::School school;        // the school as the import leaves it

    int count(RowOutcome outcome) const;
    // Whether applying the preview changes the school: some row was added or updated.
    bool changesSchool() const;
};

// Replaces the open school's name lists, teaching plan, combined lessons and groups by the
// preview's, which the import made from a copy of them, and tells the views once; the week,
// the fixed lessons, the title and the timetable are not the import's and stay. Nothing
// happens when the preview changes nothing.
void applyImport(Workspace& ws, const ImportPreview& preview);

} // namespace orve::exchange
