#include "menubar.h"

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
    const char16_t* caption;
    QKeySequence shortcut;
};

struct Menu
{
    const char* name;
    const char16_t* caption;
    std::vector<Item> items;
};

const Item separator{nullptr, u"", {}};

std::vector<Menu> menus()
{
    return {
        {"file",
         u"  文件 (&F)",
         {{"xjwj", u"新建课程设置文件", QKeySequence(Qt::CTRL | Qt::Key_N)},
          {"open", u"打开课程设置文件", QKeySequence(Qt::CTRL | Qt::Key_O)},
          separator,
          {"save", u"保存课程设置文件", QKeySequence(Qt::CTRL | Qt::Key_S)},
          {"luw", u"课程文件另存为...", QKeySequence(Qt::CTRL | Qt::Key_A)},
          separator,
          {"tc", u"退出 ", QKeySequence(Qt::CTRL | Qt::Key_X)}}},
        {"input",
         u"  输入与查看(&S)",
         {{"rzts", u"日制与天数设置 (&R)", {}},
          separator,
          {"md", u"输入或察看班级名单", QKeySequence(Qt::CTRL | Qt::Key_B)},
          {"kkkc", u"输入或察看开课课程", QKeySequence(Qt::CTRL | Qt::Key_K)},
          {"qxjsxm", u"输入或察看教师姓名", QKeySequence(Qt::CTRL | Qt::Key_J)},
          {"gycd", u"输入或察看公用场地", {}},
          separator,
          {"jxjh", u"输入或察看学校教学计划", {}},
          {"zfksz", u"主副课设置 ", QKeySequence(Qt::Key_F5)}}},
        {"dstj",
         u"特殊条件考虑 (&T)",
         {{"kcbp", u"设置某些课程不排时间 (&K)", {}},
          {"bjbp", u"设置某些班级不排时间 (&B)", {}},
          {"jsbp", u"设置某些教师不排时间 (&J)", {}},
          {"hbk", u"合班课设置 (&H)", {}},
          separator,
          {"gdkyp", u"固定课预排(如班队) (&G)", {}}}},
        {"zdpk",
         u"智能排课 (&K)",
         {{"zdpk1", u"自动排课", QKeySequence(Qt::CTRL | Qt::Key_Z)},
          separator,
          {"qxkcb", u"察看或调整全校课程表", {}},
          {"cktzkc", u"察看或调整班级课程表", {}},
          {"jsrkb", u"察看或调整教师任课表", {}},
          separator,
          {"qxtk", u"智能追踪(强行调课)", {}}}},
        {"sdcz",
         u"手动操作 (&C)",
         {{"sfzk", u"检查是否重课 ", QKeySequence(Qt::CTRL | Qt::Key_F9)},
          separator,
          {"qxfb", u"课程按教师名称全校分布 (&Q)", {}},
          {"bjfb", u"课程按教师名称班级分布 (&J)", {}},
          {"kmqx", u"课程按课目名称全校分布 (&M)", {}},
          {"kmbj", u"课程按课目名称班级分布 (&B)", {}},
          separator,
          {"hbkxs", u"可调课显示 (&T)", {}}}},
        {"dysc",
         u"打印输出 (&P)",
         {{"dyyl", u"打印预览", QKeySequence(Qt::Key_F9)},
          {"dyb", u"打印", QKeySequence(Qt::CTRL | Qt::Key_P)}}},
        {"help",
         u"帮助 (&H)",
         {{"bzzt", u"帮助主题 &H", {}}, separator, {"gy", u"关于本软件 &A", {}}}},
    };
}

} // namespace

MenuActions buildMenuBar(QMenuBar* bar)
{
    MenuActions actions;
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
            actions.insert(name, action);
        }
    }
    actions.value(QStringLiteral("qxtk"))->setCheckable(true);
    return actions;
}

} // namespace orve::ui
