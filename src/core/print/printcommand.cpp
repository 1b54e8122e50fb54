#include "printcommand.h"

#include "masterprint.h"
#include "timetablebook.h"

#include "uiport.h"
#include "workspace.h"

namespace orve::print {

QString printKindName(PrintKind kind)
{
    switch (kind) {
    case PrintKind::MasterTimetable:
        return QStringLiteral(u"总课表");
    case PrintKind::ClassTimetable:
        return QStringLiteral(u"班级课程表");
    case PrintKind::TeacherTimetable:
        return QStringLiteral(u"教师任课表");
    }
    return {};
}

void printMasterTimetable(PrintWindowPort& window, model::Grid& masterTimetable, int days,
                          int periodsPerDay, const QString& title,
                          const std::function<void()>& letEventsRun)
{
    SheetCalls& sheet = window.startPreparation();
    sheet.setPageLabelVisible(false);
    {
        const model::RedrawSuspender suspended(masterTimetable);
        window.showWindow();
        fillMasterTimetable(sheet, masterTimetable, days, periodsPerDay, title, letEventsRun);
    }
    sheet.redrawAll();
}

void printTimetable(Workspace& ws, PrintWindowPort& window, UiPort& ui)
{
    ws.session.printKind = PrintKind::MasterTimetable;
    printMasterTimetable(window, ws.school.masterTimetable, ws.school.week.daysPerWeek(),
                         ws.session.periodsPerDay, ws.school.title, [&ui] { ui.processEvents(); });
}

void printClassTimetables(Workspace& ws, PrintWindowPort& window, UiPort& ui,
                          const QStringList& classes)
{
    if (classes.isEmpty()) {
        ui.message(QStringLiteral(u"班级名单是空的，没有班级课程表可打印。"));
        return;
    }
    ws.session.printKind = PrintKind::ClassTimetable;
    window.showSheets(classTimetableSheets(ws.school, ws.session.periodsPerDay, classes),
                      ws.school.title);
}

void printTeacherTimetables(Workspace& ws, PrintWindowPort& window, UiPort& ui,
                            const QStringList& teachers)
{
    if (teachers.isEmpty()) {
        ui.message(QStringLiteral(u"教师名单是空的，没有教师任课表可打印。"));
        return;
    }
    ws.session.printKind = PrintKind::TeacherTimetable;
    window.showSheets(teacherTimetableSheets(ws.school, ws.session.periodsPerDay, teachers),
                      ws.school.title);
}

} // namespace orve::print
