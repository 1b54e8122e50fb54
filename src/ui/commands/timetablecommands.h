// Connects 察看或调整班级课程表 and 察看或调整教师任课表 (menu 智能排课, toolbar buttons 18 and
// 19) to the class and teacher timetable window, made at the first opening and reused, and the
// window's print button and Esc key to the print commands and the main window's close.
#pragma once

#include <QObject>

class QWidget;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::views {
enum class WeekViewKind;
}

namespace orve::ui {

struct CommandContext;
class PrintCommands;
class TimetableWindow;

class TimetableCommands : public QObject
{
    Q_OBJECT

public:
    TimetableCommands(const CommandContext& context, PrintCommands& print, QObject* parent);

    // Null until the first opening.
    TimetableWindow* timetableWindow() const { return timetableWindow_; }
    void open(views::WeekViewKind kind);

private:
    Workspace& ws_;
    UiPort& ui_;
    QWidget* window_; // the main window, which owns it
    PrintCommands& print_;
    TimetableWindow* timetableWindow_ = nullptr;
};

} // namespace orve::ui
