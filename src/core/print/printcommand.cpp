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

namespace {

// One class's or teacher's week to a page; an empty list is told and changes nothing.
template <typename Sheets>
void printWeeks(Workspace& ws, PrintWindowPort& window, UiPort& ui, const QStringList& names,
                PrintKind kind, const QString& emptyMessage, Sheets sheets)
{
    if (names.isEmpty()) {
        ui.message(emptyMessage);
        return;
    }
    ws.session.printKind = kind;
    window.showSheets(sheets(ws.school, ws.session.periodsPerDay, names), ws.school.title);
}

} // namespace

void printClassTimetables(Workspace& ws, PrintWindowPort& window, UiPort& ui,
                          const QStringList& classes)
{
    printWeeks(ws, window, ui, classes, PrintKind::ClassTimetable,
               QStringLiteral(u"班级名单是空的，没有班级课程表可打印。"), classTimetableSheets);
}

void printTeacherTimetables(Workspace& ws, PrintWindowPort& window, UiPort& ui,
                            const QStringList& teachers)
{
    printWeeks(ws, window, ui, teachers, PrintKind::TeacherTimetable,
               QStringLiteral(u"教师名单是空的，没有教师任课表可打印。"), teacherTimetableSheets);
}

} // namespace orve::print
