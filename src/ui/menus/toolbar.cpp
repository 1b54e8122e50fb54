#include "toolbar.h"

#include "actions.h"
#include "platform/icons.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QToolBar>
#include <QWidget>
#include <vector>

namespace orve::ui {

namespace {

struct Button
{
    int number;
    const char16_t* tooltip;
    QAction* Actions::*command; // the menu item whose command the button runs
    QIcon icon;
};

std::vector<Button> buttons()
{
    QStyle* style = QApplication::style();
    const QColor file(70, 110, 170);
    const QColor lists(50, 140, 90);
    const QColor timetable(180, 100, 40);
    return {
        {2, u"新建课程设置文件", &Actions::newSchool, style->standardIcon(QStyle::SP_FileIcon)},
        {3, u"打开课程设置文件", &Actions::openSchool,
         style->standardIcon(QStyle::SP_DialogOpenButton)},
        {4, u"保存课程设置文件", &Actions::saveSchool,
         style->standardIcon(QStyle::SP_DialogSaveButton)},
        {6, u"打印预览", &Actions::printPreview, glyphIcon(QStringLiteral(u"览"), file)},
        {7, u"打印", &Actions::print, glyphIcon(QStringLiteral(u"印"), file)},
        {9, u"输入班级名单", &Actions::classList, glyphIcon(QStringLiteral(u"班"), lists)},
        {10, u"输入课程名单", &Actions::courseList, glyphIcon(QStringLiteral(u"课"), lists)},
        {11, u"输入教师名单", &Actions::teacherList, glyphIcon(QStringLiteral(u"师"), lists)},
        {12, u"设置教学计划", &Actions::teachingPlan, glyphIcon(QStringLiteral(u"计"), lists)},
        {15, u"自动排课", &Actions::autoSchedule, glyphIcon(QStringLiteral(u"排"), timetable)},
        {16, u"消除重课", &Actions::removeDoubleBookings,
         glyphIcon(QStringLiteral(u"消"), timetable)},
        {17, u"显示或调整课程总表", &Actions::masterTimetable,
         glyphIcon(QStringLiteral(u"总"), timetable)},
        {18, u"显示或调整班级课程表", &Actions::classTimetable,
         glyphIcon(QStringLiteral(u"班表"), timetable)},
        {19, u"显示教师任课表", &Actions::teacherTimetable,
         glyphIcon(QStringLiteral(u"师表"), timetable)},
        {21, u"智能追踪(强行调课)", nullptr, glyphIcon(QStringLiteral(u"追"), QColor(150, 60, 60))},
    };
}

} // namespace

ToolbarButtons buildToolbar(QToolBar* toolbar, const Actions& actions)
{
    ToolbarButtons result;
    const std::vector<Button> listed = buttons();
    auto next = listed.begin();
    for (int number = 1; number <= ToolbarButtons::Count; ++number) {
        if (next == listed.end() || next->number != number) {
            auto* spacer = new QWidget(toolbar);
            spacer->setFixedWidth(8);
            toolbar->addWidget(spacer);
            continue;
        }
        QAction* action = toolbar->addAction(next->icon, QString::fromUtf16(next->tooltip));
        action->setToolTip(QString::fromUtf16(next->tooltip));
        action->setObjectName(QStringLiteral("toolbarButton%1").arg(number));
        result.actions[std::size_t(number - 1)] = action;
        if (next->command)
            result.commands[std::size_t(number - 1)] = actions.*next->command;
        ++next;
    }
    result.button(ToolbarButtons::ForcedSwap)->setCheckable(true);
    return result;
}

} // namespace orve::ui
