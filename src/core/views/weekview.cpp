#include "weekview.h"

#include "markreset.h"
#include "weektimetable.h"

#include "conditions/rulebook.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "model/weekstructure.h"
#include "scheduler/combinedgroups.h"
#include "uiport.h"
#include "workspace.h"

#include <algorithm>

namespace orve::views {

namespace {

using model::CellRef;

constexpr int HeaderTwips = 500;
constexpr int GapTwips = 30;
// Below these a lesson's text no longer fits; the grid scrolls instead.
constexpr int MinimumRowTwips = 450;
constexpr int MinimumColumnTwips = 1200;
constexpr int WeekGridFontSize = 10;

const QStringList& listOf(const Workspace& ws, WeekViewKind kind)
{
    return kind == WeekViewKind::Class ? ws.school.classes : ws.school.teachers;
}

// The share of `total` twips (less the header) that each of `count` sections gets.
int sectionTwips(int total, int count, int minimum)
{
    if (count <= 0)
        return minimum;
    const double share = double(total - HeaderTwips) / count - GapTwips;
    return std::max(model::roundHalfEven(share, 0, total), minimum);
}

void layOutWeekGrid(model::Grid& grid, int days, int periodsPerDay)
{
    grid.setSize(periodsPerDay + 1, days + 1);
    grid.setFixedRows(1);
    grid.setFixedColumns(1);
    grid.setFontSize(WeekGridFontSize);
    grid.clearCells();
    const QStringList dayTexts = dayHeaders(days);
    for (int d = 1; d <= days; ++d)
        grid.setText({0, d}, dayTexts.at(d - 1));
    const QStringList periodTexts = periodHeaders(periodsPerDay);
    for (int k = 1; k <= periodsPerDay; ++k)
        grid.setText({k, 0}, periodTexts.at(k - 1));
    for (int c = 0; c < grid.columnCount(); ++c)
        for (int r = 0; r < grid.rowCount(); ++r)
            if (r == 0 || c == 0)
                grid.setAlignment({r, c}, model::CellAlignment::CenterCenter);
    fitWeekGrid(grid);
    grid.setJoinedWithBelow({});
    // The cursor stays where it was, but never on a header, so the keys act on a lesson.
    const CellRef current = grid.currentCell();
    if (days > 0 && periodsPerDay > 0 && (current.row < 1 || current.column < 1))
        grid.setCurrentCell({1, 1});
}

void joinDoublePeriods(model::Grid& grid, const WeekTimetable& week)
{
    std::vector<CellRef> joined;
    for (int p = 1; p <= week.periodsPerDay(); ++p)
        for (int d = 1; d <= week.days(); ++d)
            if (week.cell({d, p}).joinsNext)
                joined.push_back({p, d});
    grid.setJoinedWithBelow(std::move(joined));
}

// The class's lessons with everything their master cells carry but the alignment, so the
// colours of a pick and the marks of the other views show here as there.
void fillClassWeek(const Workspace& ws, WeekView& view, int periodsPerDay)
{
    const model::Grid& master = ws.school.masterTimetable;
    const int classRow = findClassRow(master, view.shownName());
    if (classRow < 0)
        return;
    const conditions::RuleBook rules(ws.school, periodsPerDay);
    const WeekTimetable week = classWeek(master, classRow, periodsPerDay, &rules);
    for (int c = 1; c < master.columnCount(); ++c) {
        const model::Slot slot = model::slotOfColumn(c, periodsPerDay);
        model::GridCell cell = master.cell({classRow, c});
        cell.text = week.text(slot);
        cell.alignment = model::CellAlignment::CenterCenter;
        view.grid.setCell(weekCellOfColumn(c, periodsPerDay), cell);
    }
    joinDoublePeriods(view.grid, week);
}

void fillTeacherWeek(const Workspace& ws, WeekView& view, int periodsPerDay)
{
    const model::Grid& master = ws.school.masterTimetable;
    const scheduler::CombinedGroups groups(ws.school);
    const conditions::RuleBook rules(ws.school, periodsPerDay);
    const int teacher = rules.teacher(view.shownName());
    const WeekTimetable week = teacherWeek(master, view.shownName(), periodsPerDay, groups,
                                           TeacherCellText::Course, &rules);
    for (int c = 1; c < master.columnCount(); ++c) {
        const WeekCell& lessons = week.cell(model::slotOfColumn(c, periodsPerDay));
        model::GridCell cell;
        cell.text = lessons.text;
        cell.alignment = model::CellAlignment::CenterCenter;
        cell.fontSize = TeacherViewFontSize;
        if (rules.teacherUnavailable(teacher, c - 1))
            cell.backColour = UnavailableColour;
        if (lessons.doubleBooked)
            cell.textColour = DoubleBookedTextColour;
        view.grid.setCell(weekCellOfColumn(c, periodsPerDay), cell);
    }
    joinDoublePeriods(view.grid, week);
}

void showEntry(Workspace& ws, UiPort& ui, WeekView& view, int index)
{
    ui.showTab(MainTab::Basics);
    view.shown = view.entries.isEmpty() ? -1 : std::clamp(index, 0, int(view.entries.size()) - 1);
    view.number = QString::number(std::max(view.shown, 0));
    if (view.kind == WeekViewKind::Class) {
        model::RedrawSuspender suspended(ws.school.masterTimetable);
        dropPickAndColourMarks(ws);
    }
    showWeek(ws, view);
}

} // namespace

QString weekViewCaption(const WeekView& view)
{
    const bool classes = view.kind == WeekViewKind::Class;
    if (view.shown < 0)
        return classes ? QStringLiteral(u"班级课程表(尚未输入班级)")
                       : QStringLiteral(u"教师任课表(尚未输入教师)");
    return classes ? classTimetableCaption(view.shownName())
                   : teacherTimetableCaption(view.shownName());
}

CellRef weekCellOfColumn(int column, int periodsPerDay)
{
    const model::Slot slot = model::slotOfColumn(column, periodsPerDay);
    return {slot.period, slot.day};
}

int columnOfWeekCell(CellRef cell, int periodsPerDay)
{
    if (cell.row < 1 || cell.row > periodsPerDay || cell.column < 1)
        return 0;
    return model::slotColumn({cell.column, cell.row}, periodsPerDay);
}

std::optional<CellRef> masterCellOf(const Workspace& ws, const WeekView& view, CellRef weekCell)
{
    if (view.kind != WeekViewKind::Class)
        return std::nullopt;
    const model::Grid& master = ws.school.masterTimetable;
    const int column = columnOfWeekCell(weekCell, ws.session.periodsPerDay);
    const int row = findClassRow(master, view.shownName());
    if (column < 1 || column >= master.columnCount() || row < 0)
        return std::nullopt;
    return CellRef{row, column};
}

void fitWeekGrid(model::Grid& grid)
{
    grid.setRowHeight(0, HeaderTwips);
    grid.setColumnWidth(0, HeaderTwips);
    const int periods = grid.rowCount() - 1;
    const int days = grid.columnCount() - 1;
    const int rowTwips = sectionTwips(grid.viewHeight(), periods, MinimumRowTwips);
    const int columnTwips = sectionTwips(grid.viewWidth(), days, MinimumColumnTwips);
    for (int k = 1; k <= periods; ++k)
        grid.setRowHeight(k, rowTwips);
    for (int d = 1; d <= days; ++d)
        grid.setColumnWidth(d, columnTwips);
}

void showWeek(const Workspace& ws, WeekView& view)
{
    const int periodsPerDay = std::max(ws.session.periodsPerDay, 0);
    model::RedrawSuspender suspended(view.grid);
    layOutWeekGrid(view.grid, daysOf(ws.school.masterTimetable, periodsPerDay), periodsPerDay);
    if (view.shown < 0 || periodsPerDay == 0)
        return;
    if (view.kind == WeekViewKind::Class)
        fillClassWeek(ws, view, periodsPerDay);
    else
        fillTeacherWeek(ws, view, periodsPerDay);
}

void openWeekView(Workspace& ws, UiPort& ui, WeekView& view, WeekViewKind kind, bool loads)
{
    ws.session.printKind =
        kind == WeekViewKind::Class ? PrintKind::ClassTimetable : PrintKind::TeacherTimetable;
    model::RedrawSuspender suspended(ws.school.masterTimetable);
    dropPickAndColourMarks(ws);
    if (loads || kind == WeekViewKind::Class)
        ui.showTab(MainTab::Basics);
    view.kind = kind;
    view.entries = listOf(ws, kind);
    view.shown = view.entries.isEmpty() ? -1 : 0;
    view.number = QStringLiteral("0");
    showWeek(ws, view);
}

void stepEntry(Workspace& ws, UiPort& ui, WeekView& view, const QString& typed, int delta)
{
    const int last = std::max(int(view.entries.size()) - 1, 0);
    const QString number = model::spinStep(typed, delta, 0, last);
    showEntry(ws, ui, view, model::leadingInteger(number, 0, last));
}

void chooseEntry(Workspace& ws, UiPort& ui, WeekView& view, int index)
{
    showEntry(ws, ui, view, index);
}

void followSchool(const Workspace& ws, WeekView& view)
{
    const QString name = view.shownName();
    view.entries = listOf(ws, view.kind);
    const int kept = int(view.entries.indexOf(name));
    view.shown = kept >= 0 ? kept : (view.entries.isEmpty() ? -1 : 0);
    view.number = QString::number(std::max(view.shown, 0));
    showWeek(ws, view);
}

adjust::ClickResult releaseOnWeekView(Workspace& ws, UiPort& ui, const WeekView& view, CellRef at,
                                      Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button == Qt::RightButton) {
        adjust::dropAllMarks(ws);
        return adjust::ClickResult::MarksCleared;
    }
    const std::optional<CellRef> cell = masterCellOf(ws, view, at);
    if (!cell)
        return adjust::ClickResult::Ignored;
    return adjust::releaseOnTimetable(ws, ui, *cell, button, modifiers,
                                      ClassViewNotSwappableMessage);
}

} // namespace orve::views
