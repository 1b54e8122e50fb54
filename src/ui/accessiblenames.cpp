#include "accessiblenames.h"

#include "programinfo.h"
#include "spinbuttons.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

namespace orve::ui {

namespace {

const QHash<QString, QString>& namesByObject()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("SSTab1"), QStringLiteral(u"功能选项卡")},
        {QStringLiteral("Toolbar1"), QStringLiteral(u"工具栏")},
        {QStringLiteral("Text1"), QStringLiteral(u"上午节数")},
        {QStringLiteral("UpDown1"), QStringLiteral(u"上午节数")},
        {QStringLiteral("Text2"), QStringLiteral(u"下午节数")},
        {QStringLiteral("UpDown2"), QStringLiteral(u"下午节数")},
        {QStringLiteral("Text4"), QStringLiteral(u"晚上节数")},
        {QStringLiteral("UpDown5"), QStringLiteral(u"晚上节数")},
        {QStringLiteral("Text8"), QStringLiteral(u"每周天数")},
        {QStringLiteral("UpDown8"), QStringLiteral(u"每周天数")},
        {QStringLiteral("List1"), QStringLiteral(u"班级名单")},
        {QStringLiteral("List10"), QStringLiteral(u"开课课程名单")},
        {QStringLiteral("List11"), QStringLiteral(u"教师名单")},
        {QStringLiteral("List2"), QStringLiteral(u"公用场地名单")},
        {QStringLiteral("Text6"), QStringLiteral(u"名称输入框")},
        {QStringLiteral("jhb"), QStringLiteral(u"教学计划表")},
        {QStringLiteral("Combo5"), QStringLiteral(u"选择任课教师")},
        {QStringLiteral("Combo8"), QStringLiteral(u"选择每周节数")},
        {QStringLiteral("Combo9"), QStringLiteral(u"选择上课场地")},
        {QStringLiteral("Combo10"), QStringLiteral(u"选择复制教学计划的班级")},
        {QStringLiteral("Combo1"), QStringLiteral(u"查找班级")},
        {QStringLiteral("Text5"), QStringLiteral(u"查找班级的序号")},
        {QStringLiteral("UpDown4"), QStringLiteral(u"查找班级的序号")},
        {QStringLiteral("Tr3"), QStringLiteral(u"合班课组合")},
        {QStringLiteral("Combo3"), QStringLiteral(u"合班课列表")},
        {QStringLiteral("Text7"), QStringLiteral(u"合班课组号")},
        {QStringLiteral("Combo4"), QStringLiteral(u"固定课预排的班级")},
        {QStringLiteral("Text10"), QStringLiteral(u"固定课预排的班级序号")},
        {QStringLiteral("UpDown9"), QStringLiteral(u"固定课预排的班级序号")},
        {QStringLiteral("msgrid1"), QStringLiteral(u"固定课程表")},
        {QStringLiteral("Combo11"), QStringLiteral(u"选择固定课程")},
        {QStringLiteral("Combo6"), QStringLiteral(u"固定课程列表")},
        {QStringLiteral("Text9"), QStringLiteral(u"课程表标题")},
        {QStringLiteral("MSGrid"), QStringLiteral(u"全校课程总表")},
        {QStringLiteral("Combo2"), QStringLiteral(u"重课列表")},
        {QStringLiteral("Text3"), QStringLiteral(u"排课步骤")},
        // The class and teacher timetable window, whose controls share names with the main
        // window's: keyed by window and control.
        {QStringLiteral("Form2/Text1"), QStringLiteral(u"课程表标题")},
        {QStringLiteral("Form2/Frame1"), QStringLiteral(u"选择班级或教师")},
        {QStringLiteral("Form2/Combo1"), QStringLiteral(u"选择班级或教师")},
        {QStringLiteral("Form2/Text2"), QStringLiteral(u"班级或教师的序号")},
        {QStringLiteral("Form2/UpDown1"), QStringLiteral(u"班级或教师的序号")},
        {QStringLiteral("Form2/MSGrid"), QStringLiteral(u"班级或教师的一周课程表")},
        {QStringLiteral("Form2/printButton"), QStringLiteral(u"打印这张课程表")},
        {QStringLiteral("Form2/Command5"), QStringLiteral(u"返回")},
        // The arrows of a tab bar too narrow for its tabs.
        {QStringLiteral("ScrollLeftButton"), QStringLiteral(u"向左滚动选项卡")},
        {QStringLiteral("ScrollRightButton"), QStringLiteral(u"向右滚动选项卡")},
    };
    return names;
}

bool hasChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Han; });
}

// A name given where the control is made stays; Qt's own English names are replaced. A label
// is read as the text it shows, so its role goes into the description instead.
void name(QWidget* widget, const QString& text)
{
    if (text.isEmpty())
        return;
    if (qobject_cast<QLabel*>(widget)) {
        if (widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(text);
    } else if (!hasChinese(widget->accessibleName())) {
        widget->setAccessibleName(text);
    }
}

} // namespace

void nameForScreenReaders(QWidget* root)
{
    const QHash<QString, QString>& names = namesByObject();
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString inWindow = widget->window()->objectName() + u'/' + widget->objectName();
        name(widget, names.value(inWindow, names.value(widget->objectName())));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            name(button, plainCaption(button->text()));
    }
    // What is built from named parts takes its parts' names.
    for (auto* spin : root->findChildren<SpinButtons*>()) {
        name(spin->upButton(), QStringLiteral(u"增加") + spin->accessibleName());
        name(spin->downButton(), QStringLiteral(u"减少") + spin->accessibleName());
    }
    for (auto* combo : root->findChildren<QComboBox*>()) {
        name(combo->view(), combo->accessibleName());
        if (QLineEdit* edit = combo->lineEdit())
            name(edit, combo->accessibleName());
    }
    for (auto* tabs : root->findChildren<QTabWidget*>())
        name(tabs->tabBar(), tabs->accessibleName());
}

} // namespace orve::ui
