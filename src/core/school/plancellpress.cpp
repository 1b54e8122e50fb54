#include "plancellpress.h"

#include "model/combinedlesson.h"
#include "model/grid.h"
#include "plancommands.h"
#include "teachingplan.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::school {

namespace {

// Twips the wide choosers stick out beyond the cell, and the copy-plan chooser to its left.
constexpr int ChooserOverhang = 300;
constexpr int ChooserFontReduction = 2;

QString toggled(const QString& text, const QString& marker)
{
    return text.isEmpty() ? marker : QString();
}

void toggleCombined(Workspace& ws, int row)
{
    model::Grid& plan = ws.school.plan;
    const QString entry =
        model::combinedLessonEntry(plan.text({row, ClassColumn}), plan.text({row, CourseColumn}));
    if (plan.text({row, CombinedColumn}).isEmpty()) {
        plan.setText({row, CombinedColumn}, CombinedMark);
        ws.school.combinedLessons.append(entry);
    } else {
        plan.setText({row, CombinedColumn}, QString());
        ws.school.combinedLessons.removeAll(entry);
    }
    emit ws.notifier.conditionsChanged();
}

ChooserRequest chooserOver(const model::Grid& plan, PlanChooser chooser, int row, int column)
{
    ChooserRequest request;
    request.chooser = chooser;
    request.row = row;
    request.column = column;
    request.fontSize = plan.fontSize() - ChooserFontReduction;
    if (chooser == PlanChooser::CopyPlan) {
        request.text = copyPlanPrompt();
        request.leftOffset = -ChooserOverhang;
        request.leftInsideTable = true;
        request.fontSize = 0; // keeps its own font
        return request;
    }
    request.text = plan.text({row, column});
    request.extraWidth = chooser == PlanChooser::Venue ? 0 : ChooserOverhang;
    return request;
}

} // namespace

QString copyPlanPrompt()
{
    return QStringLiteral(u"请选择与哪班教学计划相同");
}

ChooserRequest pressPlanCell(Workspace& ws, int row, int column, Qt::KeyboardModifiers modifiers)
{
    model::Grid& plan = ws.school.plan;
    // The header is no plan row: a press there must not act on the cell that was current.
    if (!plan.contains({row, column}) || row < plan.fixedRows())
        return {};
    plan.setCurrentCell({row, column});

    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        // Emptying a "合班" cell this way leaves the combined-lesson list as it is.
        plan.setText({row, column}, QString());
        if (column == PeriodsColumn)
            plan.setText({row, PeriodsBackupColumn}, QString());
        return {};
    }
    if (column < TeacherColumn)
        return chooserOver(plan, PlanChooser::CopyPlan, row, column);

    switch (column) {
    case TeacherColumn: return chooserOver(plan, PlanChooser::Teacher, row, column);
    case PeriodsColumn: return chooserOver(plan, PlanChooser::Periods, row, column);
    case VenueColumn: return chooserOver(plan, PlanChooser::Venue, row, column);
    case MainMarkColumn:
        plan.setText({row, column}, toggled(plan.text({row, column}), QStringLiteral(u"主")));
        break;
    case ProgressColumn:
        plan.setText({row, column}, toggled(plan.text({row, column}), QStringLiteral(u"一致")));
        break;
    case CombinedColumn:
        toggleCombined(ws, row);
        break;
    default:
        // Column 8 has no action. Its press hides every chooser too, so that none is left over
        // another cell to write into this one.
        break;
    }
    return {};
}

void pickChooser(Workspace& ws, UiPort& ui, PlanChooser chooser, const QString& text)
{
    model::Grid& plan = ws.school.plan;
    const int row = plan.currentRow();
    const bool onPlanRow = row >= plan.fixedRows();
    switch (chooser) {
    case PlanChooser::Teacher:
    case PlanChooser::Venue:
        if (onPlanRow)
            plan.setText({row, plan.currentColumn()}, text);
        break;
    case PlanChooser::Periods:
        if (!onPlanRow)
            break;
        plan.setText({row, plan.currentColumn()}, text);
        plan.setText({row, PeriodsBackupColumn}, text);
        ui.giveFocus(FocusTarget::TeachingPlan);
        break;
    case PlanChooser::CopyPlan:
        copyPlan(ws, ui, text);
        break;
    case PlanChooser::None:
        break;
    }
}

} // namespace orve::school
