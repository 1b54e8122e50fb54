#include "plancommands.h"

#include "model/grid.h"
#include "model/numbers.h"
#include "teachingplan.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::school {

namespace {

int firstRowOfClass(const model::Grid& plan, UiPort& ui, const QString& className)
{
    for (int row = PlanHeaderRow + 1; row < plan.rowCount(); ++row) {
        ui.processEvents();
        if (plan.text({row, ClassColumn}) == className)
            return row;
    }
    return -1;
}

} // namespace

void showTeachingPlan(Workspace& ws, UiPort& ui)
{
    ui.showTab(MainTab::TeachingPlan);
    ws.school.plan.setFontSize(PlanFontSize);
    ws.editor.plan.teacherChoices = ws.school.teachers;
    ws.editor.plan.periodChoices.clear();
    for (int count = 1; count <= maxPeriodsPerWeek(ws.school); ++count)
        ws.editor.plan.periodChoices.append(QString::number(count));
    ws.editor.plan.venueChoices = ws.school.venues;
    ws.editor.plan.classFinderChoices = ws.school.classes;
    ws.editor.plan.copySourceChoices = ws.school.classes;
    emit ws.notifier.planEditorChanged();
}

void showMainCourses(Workspace&, UiPort& ui)
{
    ui.showTab(MainTab::TeachingPlan);
}

void copyPlan(Workspace& ws, UiPort& ui, const QString& sourceClass)
{
    model::Grid& plan = ws.school.plan;
    const QString target = plan.text({plan.currentRow(), ClassColumn});
    if (sourceClass.isEmpty() || target.isEmpty() || plan.currentRow() <= PlanHeaderRow)
        return;
    model::RedrawSuspender suspended(plan);
    const int targetRow = firstRowOfClass(plan, ui, target);
    const int sourceRow = firstRowOfClass(plan, ui, sourceClass);
    if (targetRow < 0 || sourceRow < 0 || targetRow == sourceRow)
        return;
    for (int j = 0; j < ws.school.courses.size(); ++j) {
        const int to = targetRow + j;
        const int from = sourceRow + j;
        // Stay inside both blocks even when one is shorter than the course list.
        if (plan.text({to, ClassColumn}) != target || plan.text({from, ClassColumn}) != sourceClass)
            break;
        ui.processEvents();
        for (int column = TeacherColumn; column <= PeriodsBackupColumn; ++column)
            plan.setText({to, column}, plan.text({from, column}));
    }
}

void scrollToClass(Workspace& ws, UiPort& ui, const QString& className)
{
    model::Grid& plan = ws.school.plan;
    model::RedrawSuspender suspended(plan);
    for (int row = PlanHeaderRow + 1; row < plan.rowCount(); ++row) {
        ui.processEvents();
        plan.setCurrentCell({row, ClassColumn});
        if (plan.text({row, ClassColumn}) == className) {
            plan.setTopRow(row);
            return;
        }
    }
}

int classStepPosition(const Workspace& ws, const QString& classNumber)
{
    if (ws.editor.plan.classFinderChoices.isEmpty())
        return -1;
    return model::leadingInteger(classNumber, 0, int(ws.editor.plan.classFinderChoices.size()) - 1);
}

} // namespace orve::school
