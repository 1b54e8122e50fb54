// The class and teacher timetable window as the core sees it: which class or teacher it shows,
// how its list and its spin choose another, the grid of days by periods it fills from the
// master timetable, and what a click on that grid does there. The window keeps no lessons of
// its own: every view is made afresh from the master timetable, and a swap in the class view
// is made on the master timetable with the rules of a click there.
#pragma once

#include "adjust/lessonswap.h"
#include "model/cellref.h"
#include "model/grid.h"

#include <QString>
#include <QStringList>
#include <Qt>
#include <optional>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::views {

// The window's own wording of the refused swap (清试用, where the main window says 请试用).
inline const QString ClassViewNotSwappableMessage =
    QStringLiteral(u"您要调的课与其他课有冲突,清试用'智能追踪-强行调课'或与灰颜色课想调");

// A teacher's cell with two lessons or more is drawn in this colour.
inline constexpr model::Colour DoubleBookedTextColour = model::rgbColour(200, 0, 0);
inline constexpr int TeacherViewFontSize = 12;
// A period in which the shown teacher may not teach.
inline constexpr model::Colour UnavailableColour = model::rgbColour(210, 210, 210);

enum class WeekViewKind {
    Teacher = 0,
    Class = 1,
};

// What the window shows; the window owns one and hands it to the functions below.
struct WeekView
{
    WeekViewKind kind = WeekViewKind::Class;
    // The classes or the teachers, in list order: the entries of the window's list.
    QStringList entries;
    int shown = -1; // the entry shown; -1 when there are none
    // The spin's number field: the position of the shown entry, from 0.
    QString number = QStringLiteral("0");
    // Row 0 the days, column 0 the periods; the cell of day d and period k is (k, d).
    model::Grid grid{1, 1, 1, 1};

    QString shownName() const { return shown >= 0 ? entries.at(shown) : QString(); }
};

// The title line: "班级课程表(name)" or "教师任课表(name)", or a note that the list is empty.
QString weekViewCaption(const WeekView& view);

// The window's cell of a slot column of the master timetable, and back. A cell outside the
// days and periods (the headers) stands for no column: 0.
model::CellRef weekCellOfColumn(int column, int periodsPerDay);
int columnOfWeekCell(model::CellRef cell, int periodsPerDay);

// The master-timetable cell a cell of the class view stands for; none in the teacher view,
// for a header, or when the shown class has no row in the master timetable.
std::optional<model::CellRef> masterCellOf(const Workspace& ws, const WeekView& view,
                                           model::CellRef weekCell);

// Sizes of the header row and column and of the day columns and period rows, sharing the
// grid's view size out among them.
void fitWeekGrid(model::Grid& grid);

// Lays the grid out for the week of the master timetable (one column per day, also past the
// fifth) and fills it for the shown entry: the class's lessons with the colours and styles of
// their master cells, or the courses the teacher gives, every lesson of a double booking shown.
void showWeek(const Workspace& ws, WeekView& view);

// The opening commands: the print kind becomes the view's, a pick and the colour marks go,
// the entries are read from the class or teacher list and the first is shown. The main window
// shows its first tab for the class view, and for either view when the window `loads` (is
// shown after being closed).
void openWeekView(Workspace& ws, UiPort& ui, WeekView& view, WeekViewKind kind, bool loads);

// The spin: the number typed in its field stepped by `delta` and kept within the entries
// picks the entry to show. The main window shows its first tab; in the class view a pick and
// the colour marks go.
void stepEntry(Workspace& ws, UiPort& ui, WeekView& view, const QString& typed, int delta);
// The list: the entry at `index` is shown, as the spin would show it.
void chooseEntry(Workspace& ws, UiPort& ui, WeekView& view, int index);

// The timetable or the lists changed: the entries are read again and the view rebuilt; the
// shown class or teacher stays while it is in the list, otherwise the first entry is shown.
void followSchool(const Workspace& ws, WeekView& view);

// A release of `button` over cell `at` of the window's grid. A right click drops every mark
// and the pick; in the class view a left click acts as one on the master cell it stands for
// (pick, swap, forced swap, refusals); the teacher view takes no other click.
adjust::ClickResult releaseOnWeekView(Workspace& ws, UiPort& ui, const WeekView& view,
                                      model::CellRef at, Qt::MouseButton button,
                                      Qt::KeyboardModifiers modifiers);

} // namespace orve::views
