#include "weekcommands.h"

#include "model/layouts.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::school {

namespace {
constexpr int FixedLessonGap = 15; // twips off every period row and day column
}

void setWeekField(Workspace& ws, model::WeekField field, const QString& text)
{
    QString& stored = model::weekField(ws.school.week, field);
    if (stored == text)
        return;
    stored = text;
    emit ws.notifier.weekChanged();
}

void relayoutWeek(Workspace& ws, UiPort& ui)
{
    ws.session.periodsPerDay = ws.school.week.periodsPerDay();
    ui.processEvents();

    model::Grid& grid = ws.editor.fixedLessonGrid;
    {
        model::RedrawSuspender suspended(grid);
        grid.clearCells();
        grid.setFontSize(10);
        grid.setText({0, 0}, QStringLiteral(u" ★"));
    }
    ui.processEvents();
    model::layOutFixedLessonFrame(grid, ws.session.chineseNumeral, ws.session.periodsPerDay,
                                  ws.school.week.daysPerWeek(), FixedLessonGap);
    emit ws.notifier.fixedLessonEditorChanged();

    ws.forgetHandChanges();
    ws.session.timetableLoaded = false;
    layOutEmptyMasterTimetable(ws);
    if (ws.school.week.exceedsBounds())
        ui.message(QStringLiteral(u"每天最多 %1 节、每周最多 %2 天，超出的部分不排。")
                       .arg(model::MaxPeriodsPerDay)
                       .arg(model::MaxDaysPerWeek),
                   MessageButtons::Ok, {}, MessageIcon::Information);
}

bool masterHoldsLessons(const Workspace& ws)
{
    const model::Grid& grid = ws.school.masterTimetable;
    for (int r = grid.fixedRows(); r < grid.rowCount(); ++r)
        for (int c = grid.fixedColumns(); c < grid.columnCount(); ++c)
            if (!grid.text({r, c}).isEmpty())
                return true;
    return false;
}

bool stepWeekField(Workspace& ws, UiPort& ui, model::WeekField field, const QString& text)
{
    model::WeekStructure stepped = ws.school.week;
    model::weekField(stepped, field) = text;
    // The same number written another way ("05") changes no slot of the week.
    if (stepped.periodsPerDay() == ws.school.week.periodsPerDay() &&
        stepped.daysPerWeek() == ws.school.week.daysPerWeek()) {
        setWeekField(ws, field, text);
        return true;
    }
    // Cells keep their columns while the days and periods those columns stand for change: every
    // lesson would move to another day and period, so a timetable however it got there is
    // cleared, and only when the user agrees.
    if (masterHoldsLessons(ws) &&
        ui.message(QStringLiteral(u"重新设置日制将清除已排好的课程表，是否继续？"),
                   MessageButtons::YesNo, {}, MessageIcon::Warning) != MessageAnswer::Yes)
        return false;
    setWeekField(ws, field, text);
    relayoutWeek(ws, ui);
    return true;
}

void layOutEmptyMasterTimetable(Workspace& ws)
{
    model::Grid& grid = ws.school.masterTimetable;
    model::RedrawSuspender suspended(grid);
    grid.clearCells();
    model::layOutMasterFrame(grid, ws.school.classes, ws.session.periodsPerDay,
                             ws.school.week.daysPerWeek(), model::masterDayName, true);
}

} // namespace orve::school
