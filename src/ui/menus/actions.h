// The main window's menu items, one named member each, made where the menus are built: a
// command binds to its item by member, so a missing item is a compile error, not a null
// pointer from a misspelt key. The object names are the member names, for tests and docs.
#pragma once

#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace orve::fileio {
struct TableFormat;
}

namespace orve::ui {

// 导出为 … of a format of the timetables as table files (exchange::timetableFormats).
struct ExportTablesItem
{
    const fileio::TableFormat* format;
    QAction* action;
};

struct Actions
{
    // 文件
    QAction* newSchool = nullptr;
    QAction* openSchool = nullptr;
    QAction* saveSchool = nullptr;
    QAction* saveSchoolAs = nullptr;
    QAction* importSheet = nullptr;
    QAction* importFet = nullptr;
    QAction* exportFet = nullptr;
    QAction* exit = nullptr;
    // 输入与查看
    QAction* weekStructure = nullptr;
    QAction* classList = nullptr;
    QAction* courseList = nullptr;
    QAction* teacherList = nullptr;
    QAction* venueList = nullptr;
    QAction* teachingPlan = nullptr;
    QAction* mainCourses = nullptr;
    // 特殊条件考虑
    QAction* blockCourses = nullptr;
    QAction* blockClasses = nullptr;
    QAction* blockTeachers = nullptr;
    QAction* combinedClasses = nullptr;
    QAction* fixedLessons = nullptr;
    // 智能排课
    QAction* autoSchedule = nullptr;
    QAction* removeDoubleBookings = nullptr;
    QAction* masterTimetable = nullptr;
    QAction* classTimetable = nullptr;
    QAction* teacherTimetable = nullptr;
    QAction* forcedSwap = nullptr;
    // 手动操作
    QAction* checkDoubleBookings = nullptr;
    QAction* teacherSpreadSchool = nullptr;
    QAction* teacherSpreadClass = nullptr;
    QAction* courseSpreadSchool = nullptr;
    QAction* courseSpreadClass = nullptr;
    QAction* swappableDisplay = nullptr;
    QAction* undoSwap = nullptr;
    QAction* redoSwap = nullptr;
    // 打印输出
    QAction* printPreview = nullptr;
    QAction* print = nullptr;
    QAction* printClassTimetables = nullptr;
    QAction* printTeacherTimetables = nullptr;
    QAction* exportPdf = nullptr;
    // One item per table format, after exportPdf: "exportCsv", "exportHtml", …
    std::vector<ExportTablesItem> exportTables;
    // 帮助
    QAction* helpTopics = nullptr;
    QAction* about = nullptr;

    // The file menu, where the recently used files are listed above 退出.
    QMenu* fileMenu = nullptr;
};

// Builds the menus into `bar` and returns their items.
Actions buildMenuBar(QMenuBar* bar);

} // namespace orve::ui
