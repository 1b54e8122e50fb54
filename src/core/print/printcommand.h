// The print commands: the master timetable copied into the print window call by call, and the
// class and teacher timetables shown there one to a page.
#pragma once

#include "reportsheet.h"

#include "session.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace orve {
class UiPort;
struct Workspace;
} // namespace orve

namespace orve::model {
class Grid;
}

namespace orve::print {

// What the print window holds of each kind, as a document's and a file's name: "总课表",
// "班级课程表", "教师任课表".
QString printKindName(PrintKind kind);

// The print window as the commands see it. It is shown beside the main window and reused.
class PrintWindowPort
{
public:
    virtual ~PrintWindowPort() = default;

    // Empties the window; the preparation's calls go to the sheet it returns, and the closing
    // redrawAll on that sheet ends the preparation.
    virtual SheetCalls& startPreparation() = 0;
    // Shows the window, not modal; it takes no commands while a preparation runs.
    virtual void showWindow() = 0;
    // Shows ready sheets, each from a new page, under the title line `title`.
    virtual void showSheets(std::vector<ReportSheet> sheets, const QString& title) = 0;
};

// Fills the print window from the master timetable and shows it: the page tabs hidden, the
// timetable's redrawing off while the window is shown and filled, the closing repaint.
// `days` is the rounded number of the days field.
void printMasterTimetable(PrintWindowPort& window, model::Grid& masterTimetable, int days,
                          int periodsPerDay, const QString& title,
                          const std::function<void()>& letEventsRun);

// 打印预览 and 打印: the print kind becomes the master timetable's, then the master timetable
// of the open school goes to the window with the school's title and the days of its days
// field; pending events run during the copy.
void printTimetable(Workspace& ws, PrintWindowPort& window, UiPort& ui);

// The weeks of the classes (or teachers) named, one to a page, under the school's title; the
// print kind becomes the class (teacher) timetable's. With no name there is nothing to print:
// the user is told, and the window and the print kind stay as they were.
void printClassTimetables(Workspace& ws, PrintWindowPort& window, UiPort& ui,
                          const QStringList& classes);
void printTeacherTimetables(Workspace& ws, PrintWindowPort& window, UiPort& ui,
                            const QStringList& teachers);

} // namespace orve::print
