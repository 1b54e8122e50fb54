// The menus of the main window from one table of items: object names, members, captions,
// shortcuts and separator lines.
#include "actions.h"

#include "formats/timetableformats.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace orve::ui {

namespace {

struct Item
{
    const char* name; // nullptr: a separator line
    QAction* Actions::*member;
    const char16_t* caption;
    QKeySequence shortcut;
};

struct Menu
{
    const char* name;
    const char16_t* caption;
    std::vector<Item> items;
};

const Item separator{nullptr, nullptr, u"", {}};

std::vector<Menu> menus()
{
    return {
        {"file",
         u"  文件 (&F)",
         {{"newSchool", &Actions::newSchool, u"新建课程设置文件",
           QKeySequence(Qt::CTRL | Qt::Key_N)},
          {"openSchool", &Actions::openSchool, u"打开课程设置文件",
           QKeySequence(Qt::CTRL | Qt::Key_O)},
          separator,
          {"saveSchool", &Actions::saveSchool, u"保存课程设置文件",
           QKeySequence(Qt::CTRL | Qt::Key_S)},
          {"saveSchoolAs", &Actions::saveSchoolAs, u"课程文件另存为...",
           QKeySequence(Qt::CTRL | Qt::Key_A)},
          separator,
          {"importSheet", &Actions::importSheet, u"导入...", QKeySequence(Qt::CTRL | Qt::Key_I)},
          {"importFet", &Actions::importFet, u"导入 FET 文件...", {}},
          {"exportFet", &Actions::exportFet, u"导出 FET 文件...", {}},
          separator,
          {"exit", &Actions::exit, u"退出 ", QKeySequence(Qt::CTRL | Qt::Key_X)}}},
        {"input",
         u"  输入与查看(&S)",
         {{"weekStructure", &Actions::weekStructure, u"日制与天数设置 (&R)", {}},
          separator,
          {"classList", &Actions::classList, u"输入或察看班级名单",
           QKeySequence(Qt::CTRL | Qt::Key_B)},
          {"courseList", &Actions::courseList, u"输入或察看开课课程",
           QKeySequence(Qt::CTRL | Qt::Key_K)},
          {"teacherList", &Actions::teacherList, u"输入或察看教师姓名",
           QKeySequence(Qt::CTRL | Qt::Key_J)},
          {"venueList", &Actions::venueList, u"输入或察看公用场地", {}},
          separator,
          {"teachingPlan", &Actions::teachingPlan, u"输入或察看学校教学计划", {}},
          {"mainCourses", &Actions::mainCourses, u"主副课设置 ", QKeySequence(Qt::Key_F5)}}},
        {"conditions",
         u"特殊条件考虑 (&T)",
         {{"blockCourses", &Actions::blockCourses, u"设置某些课程不排时间 (&K)", {}},
          {"blockClasses", &Actions::blockClasses, u"设置某些班级不排时间 (&B)", {}},
          {"blockTeachers", &Actions::blockTeachers, u"设置某些教师不排时间 (&J)", {}},
          {"combinedClasses", &Actions::combinedClasses, u"合班课设置 (&H)", {}},
          separator,
          {"fixedLessons", &Actions::fixedLessons, u"固定课预排(如班队) (&G)", {}}}},
        {"scheduling",
         u"智能排课 (&K)",
         {{"autoSchedule", &Actions::autoSchedule, u"自动排课", QKeySequence(Qt::CTRL | Qt::Key_Z)},
          {"removeDoubleBookings", &Actions::removeDoubleBookings, u"消除重课",
           QKeySequence(Qt::CTRL | Qt::Key_E)},
          separator,
          {"masterTimetable", &Actions::masterTimetable, u"察看或调整全校课程表", {}},
          {"classTimetable", &Actions::classTimetable, u"察看或调整班级课程表", {}},
          {"teacherTimetable", &Actions::teacherTimetable, u"察看或调整教师任课表", {}},
          separator,
          {"forcedSwap", &Actions::forcedSwap, u"智能追踪(强行调课)", {}}}},
        {"manual",
         u"手动操作 (&C)",
         {{"checkDoubleBookings", &Actions::checkDoubleBookings, u"检查是否重课 ",
           QKeySequence(Qt::CTRL | Qt::Key_F9)},
          separator,
          {"teacherSpreadSchool",
           &Actions::teacherSpreadSchool,
           u"课程按教师名称全校分布 (&Q)",
           {}},
          {"teacherSpreadClass", &Actions::teacherSpreadClass, u"课程按教师名称班级分布 (&J)", {}},
          {"courseSpreadSchool", &Actions::courseSpreadSchool, u"课程按课目名称全校分布 (&M)", {}},
          {"courseSpreadClass", &Actions::courseSpreadClass, u"课程按课目名称班级分布 (&B)", {}},
          separator,
          {"swappableDisplay", &Actions::swappableDisplay, u"可调课显示 (&T)", {}},
          separator,
          // Ctrl+Z is the scheduling run's; U for undo, and Y as in most programs for redo.
          {"undoSwap", &Actions::undoSwap, u"撤销调课", QKeySequence(Qt::CTRL | Qt::Key_U)},
          {"redoSwap", &Actions::redoSwap, u"重做调课", QKeySequence(Qt::CTRL | Qt::Key_Y)}}},
        {"output",
         u"打印输出 (&P)",
         {{"printPreview", &Actions::printPreview, u"打印预览", QKeySequence(Qt::Key_F9)},
          {"print", &Actions::print, u"打印", QKeySequence(Qt::CTRL | Qt::Key_P)},
          separator,
          {"printClassTimetables", &Actions::printClassTimetables, u"打印班级课程表", {}},
          {"printTeacherTimetables", &Actions::printTeacherTimetables, u"打印教师任课表", {}},
          separator,
          {"exportPdf", &Actions::exportPdf, u"导出为 PDF 文件...", {}}}},
        {"help",
         u"帮助 (&H)",
         {{"helpTopics", &Actions::helpTopics, u"帮助主题 &H", {}},
          separator,
          {"about", &Actions::about, u"关于本软件 &A", {}}}},
    };
}

// 导出为 CSV 表格... and the other table formats, named "export" and the format's name.
void addExportTablesItems(QMenu* menu, Actions& actions)
{
    for (const fileio::TableFormat* format : exchange::timetableFormats()) {
        QAction* action = menu->addAction(format->caption + QStringLiteral("..."));
        action->setObjectName(QStringLiteral("export") + format->name.left(1).toUpper() +
                              format->name.mid(1));
        actions.exportTables.push_back({format, action});
    }
}

} // namespace

Actions buildMenuBar(QMenuBar* bar)
{
    Actions actions;
    for (const Menu& menu : menus()) {
        QMenu* qmenu = bar->addMenu(QString::fromUtf16(menu.caption));
        qmenu->setObjectName(QString::fromLatin1(menu.name));
        for (const Item& item : menu.items) {
            if (!item.name) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(QString::fromUtf16(item.caption));
            const QString name = QString::fromLatin1(item.name);
            action->setObjectName(name);
            action->setShortcut(item.shortcut);
            actions.*item.member = action;
        }
        if (qstrcmp(menu.name, "file") == 0)
            actions.fileMenu = qmenu;
        if (qstrcmp(menu.name, "output") == 0)
            addExportTablesItems(qmenu, actions);
    }
    actions.forcedSwap->setCheckable(true);
    return actions;
}

} // namespace orve::ui
