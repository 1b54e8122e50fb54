// The print and export menu in the window: 打印预览 and 打印 of the master timetable, the class
// and teacher timetables one to a page, and the export of every timetable as a PDF file or as
// table files of each format. The one print window is made at the first print and reused.
#pragma once

#include <QObject>
#include <QStringList>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

struct CommandContext;
class PrintWindow;

class PrintCommands : public QObject
{
    Q_OBJECT

public:
    PrintCommands(const CommandContext& context, QObject* parent);

    // 打印预览: the master timetable in the print window.
    void printPreview();
    // 打印: the same, and the print dialog straight away.
    void print();
    void printClassTimetables();
    void printTeacherTimetables();
    // For the class and teacher timetable window: the week of the one class (teacher) it
    // shows, in the print window.
    void printClassTimetable(const QString& className);
    void printTeacherTimetable(const QString& teacher);
    void exportPdf();

    // Null until the first print.
    PrintWindow* printWindow() const { return printWindow_; }

private:
    PrintWindow& ensurePrintWindow();
    void printClasses(const QStringList& classes);
    void printTeachers(const QStringList& teachers);
    // Names the window's document after what it was last asked to print.
    void nameDocument();

    Workspace& ws_;
    UiPort& ui_;
    QWidget* window_;                    // the print window's owner
    PrintWindow* printWindow_ = nullptr; // a child of the main window, hidden when closed
};

} // namespace orve::ui
