// Connects the manual adjustment to the main window: clicks and keys on the master timetable,
// the swappable display, undo and redo of changes made by hand (menu 手动操作 and two toolbar
// buttons), and the status-bar count of double bookings.
#pragma once

#include "platform/oneatatime.h"

#include <QObject>
#include <Qt>

class QAction;
class QStatusBar;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::adjust {
class DoubleBookingCount;
}

namespace orve::ui {

class GridView;
struct CommandContext;

class AdjustCommands : public QObject
{
    Q_OBJECT

public:
    AdjustCommands(const CommandContext& context, QObject* parent);

    const adjust::DoubleBookingCount& doubleBookings() const { return *count_; }

protected:
    // Keys on the master timetable: Space or Enter act as a left click on the current cell,
    // Esc as a right click; the arrow keys move the current cell as in any table.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void release(int row, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void addToolbarButtons(const CommandContext& context);
    void showHistory();
    void showPick();

    Workspace& ws_;
    UiPort& ui_;
    GridView* timetable_;
    QStatusBar* statusBar_;
    QAction* undo_;
    QAction* redo_;
    adjust::DoubleBookingCount* count_;
    OneAtATime oneAtATime_;
};

} // namespace orve::ui
