#include "fixedlessons.h"

#include "fixedlessonentry.h"
#include "model/lessoncell.h"
#include "model/numbers.h"
#include "scheduler/planlookups.h"
#include "uiport.h"
#include "workspace.h"

#include <algorithm>
#include <limits>

namespace orve::conditions {

namespace {

constexpr int EditorFontSize = 10; // points

// Row 0 and column 0 carry the day and period labels.
bool isEntryCell(const model::Grid& grid, int row, int column)
{
    return grid.contains({row, column}) && row >= grid.fixedRows() && column >= grid.fixedColumns();
}

// The list position of the entry of a class and course at (day, period); -1 when none.
qsizetype findEntry(const QStringList& entries, QStringView className, QStringView course, int day,
                    int period)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const std::optional<FixedLessonEntry> entry = parseFixedEntry(entries.at(i));
        if (entry && entry->className == className && entry->course == course &&
            entry->day == day && entry->period == period)
            return i;
    }
    return -1;
}

// True when an entry fixed at (day, period) is taught by `teacher`. An empty teacher (a class
// and course without a plan row, such as "空课") is nobody and clashes with no one.
bool teacherBusy(const Workspace& ws, const QString& teacher, int day, int period)
{
    if (teacher.isEmpty())
        return false;
    for (const QString& text : ws.Combo6) {
        const std::optional<FixedLessonEntry> entry = parseFixedEntry(text);
        if (entry && entry->day == day && entry->period == period &&
            scheduler::cxm(ws.jhb, entry->className, entry->course) == teacher)
            return true;
    }
    return false;
}

} // namespace

void gdkyp(Workspace& ws, UiPort& ui)
{
    FixedLessonChoosers& choosers = ws.fixedLessonChoosers;
    choosers.Combo4.clear();
    choosers.Combo11.clear();
    choosers.classIndex = -1;
    ui.showTab(MainTab::SpecialConditions);
    ui.processEvents();

    for (const QString& name : std::as_const(ws.List1)) {
        choosers.Combo4.append(name);
        ui.processEvents();
    }
    for (const QString& course : std::as_const(ws.List10)) {
        choosers.Combo11.append(course);
        ui.processEvents();
    }
    if (ws.List10.isEmpty())
        return;
    choosers.Combo11.append(model::FreePeriodText);
    choosers.Combo4.append(AllClassesText);
    // The grid must show the class the chooser now names, or a click on a cell would act on
    // the entries of another class than the one shown.
    chooseClass(ws, 0);
}

void showClassEntries(Workspace& ws)
{
    FixedLessonChoosers& choosers = ws.fixedLessonChoosers;
    model::Grid& grid = ws.msgrid1;
    {
        model::RedrawSuspender suspended(grid);
        grid.clearRange(1, 1, grid.rowCount() - 1, grid.columnCount() - 1);
        const QString className = choosers.classText();
        for (const QString& text : std::as_const(ws.Combo6)) {
            const std::optional<FixedLessonEntry> entry = parseFixedEntry(text);
            if (!entry || entry->className != className ||
                !isEntryCell(grid, entry->period, entry->day))
                continue;
            grid.setText({entry->period, entry->day}, entry->course.toString());
            grid.setAlignment({entry->period, entry->day}, model::CellAlignment::CenterCenter);
        }
        choosers.Combo6Text.clear();
    }
    choosers.Text10 = QString::number(choosers.classIndex);
}

void chooseClass(Workspace& ws, int index)
{
    FixedLessonChoosers& choosers = ws.fixedLessonChoosers;
    if (index < 0 || index >= choosers.Combo4.size())
        return;
    choosers.classIndex = index;
    showClassEntries(ws);
}

void stepClassChooser(Workspace& ws, int delta)
{
    const int last = int(ws.fixedLessonChoosers.Combo4.size()) - 1;
    if (last < 0)
        return;
    const int at =
        model::leadingInteger(ws.fixedLessonChoosers.Text10, std::numeric_limits<int>::min() / 2,
                              std::numeric_limits<int>::max() / 2);
    chooseClass(ws, std::clamp(at + delta, 0, last));
}

void releaseOnFixedGrid(Workspace& ws, UiPort& ui, int row, int column)
{
    FixedLessonChoosers& choosers = ws.fixedLessonChoosers;
    model::Grid& grid = ws.msgrid1;
    if (!isEntryCell(grid, row, column))
        return;
    // The course chooser acts on the current cell.
    grid.setCurrentCell({row, column});
    const QString shown = grid.text({row, column});
    if (shown.isEmpty()) {
        choosers.courseChooserShown = true;
    } else {
        choosers.courseChooserShown = false;
        const qsizetype at = findEntry(ws.Combo6, choosers.classText(), shown, column, row);
        if (at >= 0)
            ws.Combo6.removeAt(at);
        grid.setText({row, column}, QString());
        choosers.Combo6Text.clear();
    }
    ui.giveFocus(FocusTarget::FixedLessonGrid);
}

void chooseCourse(Workspace& ws, UiPort& ui, int row, int column, const QString& course)
{
    FixedLessonChoosers& choosers = ws.fixedLessonChoosers;
    model::Grid& grid = ws.msgrid1;
    const QString className = choosers.classText();
    // An entry without a class or course could not be read back.
    if (!isEntryCell(grid, row, column) || className.isEmpty() || course.isEmpty())
        return;
    grid.setAlignment({row, column}, model::CellAlignment::CenterCenter);
    grid.setFontSize(EditorFontSize);

    const QString teacher = scheduler::cxm(ws.jhb, className, course);
    if (teacherBusy(ws, teacher, column, row)) {
        ui.message(QStringLiteral(u"该天") + teacher + QStringLiteral(u"教师已有课"));
        return;
    }

    grid.setText({row, column}, course);
    if (className != AllClassesText) {
        ws.Combo6.append(fixedEntryText(className, course, column, row));
    } else {
        for (qsizetype i = 0; i + 1 < choosers.Combo4.size(); ++i)
            ws.Combo6.append(fixedEntryText(choosers.Combo4.at(i), course, column, row));
    }
    choosers.courseChooserShown = false;
    choosers.Combo6Text = ws.Combo6.isEmpty() ? QString() : ws.Combo6.last();
    ui.giveFocus(FocusTarget::FixedLessonGrid);
}

} // namespace orve::conditions
