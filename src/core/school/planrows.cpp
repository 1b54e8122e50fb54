#include "planrows.h"

#include "model/grid.h"
#include "teachingplan.h"
#include "uiport.h"
#include "workspace.h"

#include <algorithm>

namespace orve::school {

namespace {

constexpr int FirstPlanRow = PlanHeaderRow + 1;

void writeRow(model::Grid& jhb, int row, const QString& className, const QString& course)
{
    jhb.setText(row, ClassColumn, className);
    jhb.setText(row, CourseColumn, course);
}

// The row after the run of rows that share the class cell of `start`.
int endOfBlock(const model::Grid& jhb, UiPort& ui, int start)
{
    const QString& className = jhb.text(start, ClassColumn);
    int end = start + 1;
    while (end < jhb.rowCount() && jhb.text(end, ClassColumn) == className) {
        ui.processEvents();
        ++end;
    }
    return end;
}

// Inserts one row for the course into every class block, `offset` rows into the block (at its
// end when the block is shorter). Rows without a class belong to no block.
void insertIntoEveryBlock(model::Grid& jhb, UiPort& ui, int offset, const QString& course)
{
    for (int start = FirstPlanRow; start < jhb.rowCount();) {
        ui.processEvents();
        const int end = endOfBlock(jhb, ui, start);
        const QString className = jhb.text(start, ClassColumn);
        if (className.isEmpty()) {
            start = end;
            continue;
        }
        const int at = std::min(start + offset, end);
        jhb.insertRows(at, 1);
        writeRow(jhb, at, className, course);
        start = end + 1;
    }
}

} // namespace

QString placeholderCourse()
{
    return QStringLiteral(u"空");
}

void appendClassBlock(Workspace& ws, UiPort& ui, const QString& className)
{
    model::Grid& jhb = ws.jhb;
    const int first = jhb.rowCount();
    if (ws.List10.isEmpty()) {
        jhb.insertRows(first, 1);
        writeRow(jhb, first, className, placeholderCourse());
        return;
    }
    jhb.insertRows(first, int(ws.List10.size()));
    for (int k = 0; k < ws.List10.size(); ++k) {
        ui.processEvents();
        writeRow(jhb, first + k, className, ws.List10.at(k));
    }
}

void insertClassBlock(Workspace& ws, UiPort& ui, int position, const QString& className)
{
    const int courses = int(ws.List10.size());
    if (courses == 0)
        return;
    model::Grid& jhb = ws.jhb;
    // Past the end only when an earlier class has no rows; the block then closes the plan.
    const int first = std::min(planRow(position, 0, courses), jhb.rowCount());
    jhb.insertRows(first, courses);
    for (int k = 0; k < courses; ++k) {
        ui.processEvents();
        writeRow(jhb, first + k, className, ws.List10.at(k));
    }
}

void appendCourseRows(Workspace& ws, UiPort& ui, const QString& course)
{
    if (ws.List1.isEmpty())
        return;
    model::Grid& jhb = ws.jhb;
    insertIntoEveryBlock(jhb, ui, jhb.rowCount(), course);
    removeRowsWith(jhb, ui, CourseColumn, placeholderCourse());
}

void insertCourseRows(Workspace& ws, UiPort& ui, int position, const QString& course)
{
    if (ws.List1.isEmpty())
        return;
    insertIntoEveryBlock(ws.jhb, ui, position, course);
}

void replaceInColumn(model::Grid& jhb, UiPort& ui, int column, const QString& text,
                     const QString& replacement)
{
    for (int row = FirstPlanRow; row < jhb.rowCount(); ++row) {
        ui.processEvents();
        if (jhb.text(row, column) == text)
            jhb.setText(row, column, replacement);
    }
}

void removeRowsWith(model::Grid& jhb, UiPort& ui, int column, const QString& text)
{
    // One pass removing runs of matching rows leaves what rescanning from the top after each
    // removal would, without the quadratic rescans.
    for (int row = FirstPlanRow; row < jhb.rowCount();) {
        ui.processEvents();
        if (jhb.text(row, column) != text) {
            ++row;
            continue;
        }
        int end = row + 1;
        while (end < jhb.rowCount() && jhb.text(end, column) == text)
            ++end;
        jhb.removeRows(row, end - row);
    }
}

} // namespace orve::school
