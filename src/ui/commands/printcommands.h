// The print and export menu in the window: 打印预览 and 打印 of the master timetable, the class
// and teacher timetables one to a page, and the export of every timetable as a PDF file, CSV
// tables or HTML pages. The one print window is made at the first print and reused.
#pragma once

#include <QObject>
#include <QStringList>

namespace orve {
class UiPort;
}

namespace orve::ui {

class MainWindow;
class PrintWindow;

class PrintCommands : public QObject
{
    Q_OBJECT

public:
    // Connects the window's menu items of 打印输出.
    PrintCommands(MainWindow& window, UiPort& ui);

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
    void exportCsv();
    void exportHtml();

    // Null until the first print.
    PrintWindow* printWindow() const { return printWindow_; }

private:
    PrintWindow& ensurePrintWindow();
    void printClasses(const QStringList& classes);
    void printTeachers(const QStringList& teachers);
    // Names the window's document after what it was last asked to print.
    void nameDocument();

    MainWindow& window_;
    UiPort& ui_;
    PrintWindow* printWindow_ = nullptr; // a child of the main window, hidden when closed
};

} // namespace orve::ui
