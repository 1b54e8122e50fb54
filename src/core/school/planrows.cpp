#include "planrows.h"

#include "model/grid.h"
#include "teachingplan.h"
#include "model/school.h"
#include "uiport.h"

#include <algorithm>

namespace orve::school {

namespace {

constexpr int FirstPlanRow = PlanHeaderRow + 1;

void writeRow(model::Grid& plan, int row, const QString& className, const QString& course)
{
    plan.setText({row, ClassColumn}, className);
    plan.setText({row, CourseColumn}, course);
}

// The row after the run of rows that share the class cell of `start`.
int endOfBlock(const model::Grid& plan, UiPort& ui, int start)
{
    const QString& className = plan.text({start, ClassColumn});
    int end = start + 1;
    while (end < plan.rowCount() && plan.text({end, ClassColumn}) == className) {
        ui.processEvents();
        ++end;
    }
    return end;
}

// Inserts one row for the course into every class block, `offset` rows into the block (at its
// end when the block is shorter). Rows without a class belong to no block.
void insertIntoEveryBlock(model::Grid& plan, UiPort& ui, int offset, const QString& course)
{
    for (int start = FirstPlanRow; start < plan.rowCount();) {
        ui.processEvents();
        const int end = endOfBlock(plan, ui, start);
        const QString className = plan.text({start, ClassColumn});
        if (className.isEmpty()) {
            start = end;
            continue;
        }
        const int at = std::min(start + offset, end);
        plan.insertRows(at, 1);
        writeRow(plan, at, className, course);
        start = end + 1;
    }
}

// Inserts a class block starting at row `first`: one row per course, or the placeholder row
// while there are no courses (a class without rows would never get any, and every block after
// it would be out of step).
void insertBlockAt(model::School& school, UiPort& ui, int first, const QString& className)
{
    const QStringList courses =
        school.courses.isEmpty() ? QStringList{placeholderCourse()} : school.courses;
    school.plan.insertRows(first, int(courses.size()));
    for (int k = 0; k < courses.size(); ++k) {
        ui.processEvents();
        writeRow(school.plan, first + k, className, courses.at(k));
    }
}

} // namespace

QString placeholderCourse()
{
    return QStringLiteral(u"空");
}

void appendClassBlock(model::School& school, UiPort& ui, const QString& className)
{
    insertBlockAt(school, ui, school.plan.rowCount(), className);
}

void insertClassBlock(model::School& school, UiPort& ui, int position, const QString& className)
{
    const int count = std::max(int(school.courses.size()), 1);
    insertBlockAt(school, ui, std::min(planRow(position, 0, count), school.plan.rowCount()),
                  className);
}

void appendCourseRows(model::School& school, UiPort& ui, const QString& course)
{
    if (school.classes.isEmpty())
        return;
    model::Grid& plan = school.plan;
    insertIntoEveryBlock(plan, ui, plan.rowCount(), course);
    removeRowsWith(plan, ui, CourseColumn, placeholderCourse());
}

void insertCourseRows(model::School& school, UiPort& ui, int position, const QString& course)
{
    if (school.classes.isEmpty())
        return;
    insertIntoEveryBlock(school.plan, ui, position, course);
}

void replaceInColumn(model::Grid& plan, UiPort& ui, int column, const QString& text,
                     const QString& replacement)
{
    for (int row = FirstPlanRow; row < plan.rowCount(); ++row) {
        ui.processEvents();
        if (plan.text({row, column}) == text)
            plan.setText({row, column}, replacement);
    }
}

void removeRowsWith(model::Grid& plan, UiPort& ui, int column, const QString& text)
{
    // One pass removing runs of matching rows leaves what rescanning from the top after each
    // removal would, without the quadratic rescans.
    for (int row = FirstPlanRow; row < plan.rowCount();) {
        ui.processEvents();
        if (plan.text({row, column}) != text) {
            ++row;
            continue;
        }
        int end = row + 1;
        while (end < plan.rowCount() && plan.text({end, column}) == text)
            ++end;
        plan.removeRows(row, end - row);
    }
}

} // namespace orve::school
