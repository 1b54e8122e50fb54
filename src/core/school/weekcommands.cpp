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

    if (!ws.session.timetableLoaded) {
        ws.forgetHandChanges();
        layOutEmptyMasterTimetable(ws);
        ws.school.masterTimetable.setRedraw(true);
    }
    if (ws.school.week.exceedsBounds())
        ui.message(QStringLiteral(u"每天最多 %1 节、每周最多 %2 天，超出的部分不排。")
                       .arg(model::MaxPeriodsPerDay)
                       .arg(model::MaxDaysPerWeek),
                   MessageButtons::Ok, {}, MessageIcon::Information);
}

bool relayoutClearsLessons(const Workspace& ws)
{
    if (ws.session.timetableLoaded)
        return false;
    const model::Grid& grid = ws.school.masterTimetable;
    for (int r = grid.fixedRows(); r < grid.rowCount(); ++r)
        for (int c = grid.fixedColumns(); c < grid.columnCount(); ++c)
            if (!grid.text({r, c}).isEmpty())
                return true;
    return false;
}

bool stepWeekField(Workspace& ws, UiPort& ui, model::WeekField field, const QString& text)
{
    if (relayoutClearsLessons(ws) &&
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
    grid.clearCells();
    grid.setRedraw(false);
    model::layOutMasterFrame(grid, ws.school.classes, ws.session.periodsPerDay,
                             ws.school.week.daysPerWeek(), model::masterDayName, true);
    grid.setRedraw(true);
}

} // namespace orve::school
