// Shared by the check and distribution tests: four classes over two days of three periods,
// the master timetable laid out, lessons written in a line each.
#pragma once

#include "model/combinedlesson.h"
#include "model/grid.h"
#include "model/layouts.h"
#include "model/lessoncell.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QStringList>

namespace orve::test {

inline QStringList classNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(QStringLiteral(u"初一(%1)").arg(i));
    return names;
}

inline void makeTimetable(Workspace& ws, const QStringList& teachers, int classes = 4, int days = 2,
                          int periodsPerDay = 3)
{
    const QStringList names = classNames(classes);
    ws.school.classes = names;
    ws.school.teachers = teachers;
    ws.school.combinedGroups.reset();
    ws.session.periodsPerDay = periodsPerDay;
    ws.school.masterTimetable = model::Grid();
    model::layOutMasterFrame(ws.school.masterTimetable, names, periodsPerDay, days,
                             model::masterDayName, true);
    ws.markSaved();
}

inline void put(Workspace& ws, int row, int column, const QString& course, const QString& teacher,
                model::TextStyle style = model::TextStyle::Flat)
{
    ws.school.masterTimetable.setText({row, column}, model::lessonCellText(course, teacher));
    ws.school.masterTimetable.setTextStyle({row, column}, style);
}

// Adds a combined group of the given classes' lessons of one course, with plan rows that give
// the course a period, as a group needs to be combined.
inline void combine(Workspace& ws, const QString& course, const QStringList& classes)
{
    auto& tree = ws.school.combinedGroups;
    const QString name = QStringLiteral(u"合班课%1").arg(tree.children(0).size() + 1);
    const int group = tree.addChild(0, name, name);
    model::Grid& plan = ws.school.plan;
    for (const QString& className : classes) {
        tree.addChild(group, QString::number(tree.nodeCount()) + QStringLiteral("nkey"),
                      model::combinedLessonEntry(className, course));
        const int row = plan.rowCount();
        plan.setRowCount(row + 1);
        plan.setText({row, school::ClassColumn}, className);
        plan.setText({row, school::CourseColumn}, course);
        plan.setText({row, school::PeriodsColumn}, QStringLiteral("1"));
    }
}

} // namespace orve::test
