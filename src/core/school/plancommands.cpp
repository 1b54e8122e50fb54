#include "plancommands.h"

#include "model/grid.h"
#include "model/numbers.h"
#include "teachingplan.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::school {

namespace {

int firstRowOfClass(const model::Grid& jhb, UiPort& ui, const QString& className)
{
    for (int row = PlanHeaderRow + 1; row < jhb.rowCount(); ++row) {
        ui.processEvents();
        if (jhb.text({row, ClassColumn}) == className)
            return row;
    }
    return -1;
}

} // namespace

void jxjh(Workspace& ws, UiPort& ui)
{
    ui.showTab(MainTab::TeachingPlan);
    ws.jhb.setFontSize(PlanFontSize);
    ws.Combo5 = ws.List11;
    ws.Combo8.clear();
    const int slotCount = ws.MSGrid.columnCount() - 1;
    for (int count = 1; count <= slotCount; ++count)
        ws.Combo8.append(QString::number(count));
    ws.Combo9 = ws.List2;
    ws.Combo1 = ws.List1;
    ws.Combo10 = ws.List1;
}

void zfksz(Workspace&, UiPort& ui)
{
    ui.showTab(MainTab::TeachingPlan);
}

void copyPlan(Workspace& ws, UiPort& ui, const QString& sourceClass)
{
    model::Grid& jhb = ws.jhb;
    const QString target = jhb.text({jhb.currentRow(), ClassColumn});
    if (sourceClass.isEmpty() || target.isEmpty() || jhb.currentRow() <= PlanHeaderRow)
        return;
    model::RedrawSuspender suspended(jhb);
    const int targetRow = firstRowOfClass(jhb, ui, target);
    const int sourceRow = firstRowOfClass(jhb, ui, sourceClass);
    if (targetRow < 0 || sourceRow < 0 || targetRow == sourceRow)
        return;
    for (int j = 0; j < ws.List10.size(); ++j) {
        const int to = targetRow + j;
        const int from = sourceRow + j;
        // Stay inside both blocks even when one is shorter than the course list.
        if (jhb.text({to, ClassColumn}) != target || jhb.text({from, ClassColumn}) != sourceClass)
            break;
        ui.processEvents();
        for (int column = TeacherColumn; column <= PeriodsBackupColumn; ++column)
            jhb.setText({to, column}, jhb.text({from, column}));
    }
}

void scrollToClass(Workspace& ws, UiPort& ui, const QString& className)
{
    model::Grid& jhb = ws.jhb;
    model::RedrawSuspender suspended(jhb);
    for (int row = PlanHeaderRow + 1; row < jhb.rowCount(); ++row) {
        ui.processEvents();
        jhb.setCurrentCell({row, ClassColumn});
        if (jhb.text({row, ClassColumn}) == className) {
            jhb.setTopRow(row);
            return;
        }
    }
}

int classStepPosition(const Workspace& ws, const QString& text5)
{
    if (ws.Combo1.isEmpty())
        return -1;
    return model::leadingInteger(text5, 0, int(ws.Combo1.size()) - 1);
}

} // namespace orve::school
