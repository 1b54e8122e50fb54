// The lesson swap on the master timetable: the handler of a mouse release (or of the keys that
// stand for one) and the pick it keeps in the session. The first click picks a lesson and
// shows with which lessons of its class it can change places; a second click on a green
// lesson of that class exchanges the two (in forced-swap mode: any lesson of the class, the
// clash repaired elsewhere); a right click drops every mark. A combined group's lessons move
// together; a fixed lesson or "空课" is never picked or swapped, and the status bar says why.
// Any view of the timetable calls it with the master-timetable cell the user chose.
#pragma once

#include "model/cellref.h"

#include <QString>
#include <Qt>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::scheduler {
class RandomSource;
}

namespace orve::adjust {

inline const QString OtherClassMessage = QStringLiteral(u"班级之间没必要调课!");
inline const QString NotSwappableMessage =
    QStringLiteral(u"您要调的课与其他课有冲突,请试用'智能追踪-强行调课'或与灰颜色课想调");
inline const QString NothingPickedMessage =
    QStringLiteral(u"请先在课程总表中选定一节课，再选“可调课显示”。");

enum class ClickResult {
    Ignored,      // not a button or cell that does anything
    Picked,       // first click: the class row shows what can be swapped
    Unpicked,     // the picked lesson again: its row is plain again
    Refused,      // another class, or not green: the pick and its colours stay
    Swapped,      // a plain swap
    ForcedSwap,   // a forced swap ran (refused with code 3 included)
    MarksCleared, // right click
};

// A release of `button` over master-timetable cell `cell` (made current by the press).
// Shift alone held makes a left click do nothing; other modifiers do not matter. Redrawing is
// suspended throughout. A forced swap draws from `random`; the overload without it seeds a
// generator from the clock. A view of one class that stands for these cells tells a refused
// second click in its own words (`notSwappable`).
ClickResult releaseOnTimetable(Workspace& ws, UiPort& ui, model::CellRef cell,
                               Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                               scheduler::RandomSource& random,
                               const QString& notSwappable = NotSwappableMessage);
ClickResult releaseOnTimetable(Workspace& ws, UiPort& ui, model::CellRef cell,
                               Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                               const QString& notSwappable = NotSwappableMessage);

// The menu command: the current cell of the master timetable is picked and its class row
// coloured, so the next click on a green lesson of that class exchanges it. A pick pending in
// another row is dropped with its colours.
void showSwappableForCurrent(Workspace& ws, UiPort& ui);

// What a right click does: every mark of the master timetable goes, and any pick.
void dropAllMarks(Workspace& ws);

// Exchanges two lessons of one class as one step of the history, with the lessons of every
// class a combined lesson among them is taught with and a double period's other lesson
// (SwapRules), without testing for double bookings or lessons held in place.
void swapLessons(Workspace& ws, model::CellRef first, model::CellRef second);

} // namespace orve::adjust
