#include "fixedlessons.h"

#include "model/fixedlessonentry.h"
#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/shownname.h"
#include "school/planlookups.h"
#include "school/schoollimits.h"
#include "uiport.h"
#include "workspace.h"

#include <algorithm>
#include <limits>

namespace orve::conditions {

using model::AllClassesText;
using model::fixedEntryText;
using model::FixedLessonEntry;
using model::parseFixedEntry;

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
    for (const QString& text : ws.school.fixedLessons) {
        const std::optional<FixedLessonEntry> entry = parseFixedEntry(text);
        if (entry && entry->day == day && entry->period == period &&
            school::planTeacher(ws.school.plan, entry->className, entry->course) == teacher)
            return true;
    }
    return false;
}

} // namespace

void prepareFixedLessons(Workspace& ws, UiPort& ui)
{
    FixedLessonChoosers& choosers = ws.editor.fixedLessons;
    choosers.classChoices.clear();
    choosers.courseChoices.clear();
    choosers.classIndex = -1;
    ui.showTab(MainTab::SpecialConditions);
    ui.processEvents();

    for (const QString& name : std::as_const(ws.school.classes)) {
        choosers.classChoices.append(name);
        ui.processEvents();
    }
    for (const QString& course : std::as_const(ws.school.courses)) {
        choosers.courseChoices.append(course);
        ui.processEvents();
    }
    if (ws.school.courses.isEmpty()) {
        emit ws.notifier.fixedLessonEditorChanged();
        return;
    }
    choosers.courseChoices.append(model::FreePeriodText);
    choosers.classChoices.append(AllClassesText);
    // The grid must show the class the chooser now names, or a click on a cell would act on
    // the entries of another class than the one shown.
    chooseClass(ws, 0);
}

void showClassEntries(Workspace& ws)
{
    FixedLessonChoosers& choosers = ws.editor.fixedLessons;
    model::Grid& grid = ws.editor.fixedLessonGrid;
    {
        model::RedrawSuspender suspended(grid);
        grid.clearRange(1, 1, grid.rowCount() - 1, grid.columnCount() - 1);
        const QString className = choosers.classText();
        for (const QString& text : std::as_const(ws.school.fixedLessons)) {
            const std::optional<FixedLessonEntry> entry = parseFixedEntry(text);
            if (!entry || entry->className != className ||
                !isEntryCell(grid, entry->period, entry->day))
                continue;
            grid.setText({entry->period, entry->day}, entry->course.toString());
            grid.setAlignment({entry->period, entry->day}, model::CellAlignment::CenterCenter);
        }
        choosers.listText.clear();
    }
    choosers.classNumber = QString::number(choosers.classIndex);
    emit ws.notifier.fixedLessonEditorChanged();
}

void chooseClass(Workspace& ws, int index)
{
    FixedLessonChoosers& choosers = ws.editor.fixedLessons;
    if (index < 0 || index >= choosers.classChoices.size())
        return;
    choosers.classIndex = index;
    showClassEntries(ws);
}

void stepClassChooser(Workspace& ws, int delta)
{
    const int last = int(ws.editor.fixedLessons.classChoices.size()) - 1;
    if (last < 0)
        return;
    const int at = model::leadingInteger(ws.editor.fixedLessons.classNumber,
                                         std::numeric_limits<int>::min() / 2,
                                         std::numeric_limits<int>::max() / 2);
    chooseClass(ws, std::clamp(at + delta, 0, last));
}

void releaseOnFixedGrid(Workspace& ws, UiPort& ui, model::CellRef at)
{
    FixedLessonChoosers& choosers = ws.editor.fixedLessons;
    model::Grid& grid = ws.editor.fixedLessonGrid;
    if (!isEntryCell(grid, at.row, at.column))
        return;
    // The course chooser acts on the current cell.
    grid.setCurrentCell(at);
    const QString shown = grid.text(at);
    if (shown.isEmpty()) {
        choosers.courseChooserShown = true;
    } else {
        choosers.courseChooserShown = false;
        const qsizetype found =
            findEntry(ws.school.fixedLessons, choosers.classText(), shown, at.column, at.row);
        if (found >= 0) {
            ws.school.fixedLessons.removeAt(found);
            emit ws.notifier.conditionsChanged();
        }
        grid.setText(at, QString());
        choosers.listText.clear();
    }
    emit ws.notifier.fixedLessonEditorChanged();
    ui.giveFocus(FocusTarget::FixedLessonGrid);
}

void chooseCourse(Workspace& ws, UiPort& ui, model::CellRef at, const QString& course)
{
    FixedLessonChoosers& choosers = ws.editor.fixedLessons;
    model::Grid& grid = ws.editor.fixedLessonGrid;
    const QString className = choosers.classText();
    // An entry without a class or course could not be read back.
    if (!isEntryCell(grid, at.row, at.column) || className.isEmpty() || course.isEmpty())
        return;
    grid.setAlignment(at, model::CellAlignment::CenterCenter);
    grid.setFontSize(EditorFontSize);

    const QString teacher = school::planTeacher(ws.school.plan, className, course);
    if (teacherBusy(ws, teacher, at.column, at.row)) {
        ui.message(QStringLiteral(u"该天") + model::shownName(teacher) +
                   QStringLiteral(u"教师已有课"));
        return;
    }
    const bool allClasses = className == AllClassesText;
    const qsizetype adding = allClasses ? choosers.classChoices.size() - 1 : 1;
    const QString refusal = school::fixedLessonsRefusal(ws.school.fixedLessons.size() + adding);
    if (!refusal.isEmpty()) {
        ui.message(refusal + QStringLiteral(u"，这节课没有固定。"), MessageButtons::Ok, {},
                   MessageIcon::Warning);
        return;
    }

    grid.setText(at, course);
    if (!allClasses) {
        ws.school.fixedLessons.append(fixedEntryText(className, course, at.column, at.row));
    } else {
        for (qsizetype i = 0; i + 1 < choosers.classChoices.size(); ++i)
            ws.school.fixedLessons.append(
                fixedEntryText(choosers.classChoices.at(i), course, at.column, at.row));
    }
    choosers.courseChooserShown = false;
    choosers.listText =
        ws.school.fixedLessons.isEmpty() ? QString() : ws.school.fixedLessons.last();
    emit ws.notifier.conditionsChanged();
    emit ws.notifier.fixedLessonEditorChanged();
    ui.giveFocus(FocusTarget::FixedLessonGrid);
}

} // namespace orve::conditions
