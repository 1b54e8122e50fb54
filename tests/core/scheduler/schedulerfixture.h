// Shared by the scheduler tests: a small school built in a few lines, and a random source
// that hands out scripted draws first, so a test can force the slot a search takes.
#pragma once

#include "model/layouts.h"
#include "model/lessoncell.h"
#include "scheduler/firststage.h"
#include "scheduler/randomsource.h"
#include "school/teachingplan.h"
#include "school/weekcommands.h"
#include "workspace.h"

#include <QList>
#include <QStringList>

namespace orve::test {

// Draws from the script in order, then from a seeded generator; counts every draw.
class ScriptedRandom : public scheduler::RandomSource
{
public:
    explicit ScriptedRandom(QList<double> script = {}, quint64 seed = 1)
        : script_(std::move(script)), rest_(seed)
    {
    }
    double next() override
    {
        ++draws;
        return script_.isEmpty() ? rest_.next() : script_.takeFirst();
    }
    void add(double x) { script_.append(x); }
    int scriptedLeft() const { return int(script_.size()); }
    int draws = 0;

private:
    QList<double> script_;
    scheduler::SeededRandom rest_;
};

// The draw that makes floor(range x) + offset give `value`: the middle of its interval.
inline double drawFor(int value, int offset, int range)
{
    return (value - offset + 0.5) / range;
}

struct PlanLine
{
    QString teacher;
    int periods = 0;
    bool main = false;
};

// A school of the given classes and courses and week; every plan row starts without teacher
// and with 0 periods. The master timetable is laid out with the class names.
inline void makeSchool(Workspace& ws, const QStringList& classes, const QStringList& courses,
                       int morning, int afternoon, int days)
{
    ws.school.classes = classes;
    ws.school.courses = courses;
    ws.school.week.morning = QString::number(morning);
    ws.school.week.afternoon = QString::number(afternoon);
    ws.school.week.evening = QStringLiteral("0");
    ws.school.week.days = QString::number(days);
    ws.session.periodsPerDay = ws.school.week.periodsPerDay();
    ws.school.plan.clearCells();
    ws.school.plan.setRowCount(1);
    school::rebuildPlanSkeleton(ws.school);
    for (int r = 1; r < ws.school.plan.rowCount(); ++r) {
        ws.school.plan.setText({r, school::PeriodsColumn}, QStringLiteral("0"));
        ws.school.plan.setText({r, school::PeriodsBackupColumn}, QStringLiteral("0"));
    }
    ws.school.combinedGroups.reset();
    ws.school.rules = {};
    ws.school.fixedLessons.clear();
    ws.session.conflicts.clear();
    ws.school.masterTimetable.clearCells();
    ws.forgetHandChanges();
    school::layOutEmptyMasterTimetable(ws);
    scheduler::writeClassNames(ws);
}

inline void setPlan(Workspace& ws, int classIndex, int courseIndex, const PlanLine& line)
{
    const int row = school::planRow(classIndex, courseIndex, int(ws.school.courses.size()));
    const QString periods = QString::number(line.periods);
    ws.school.plan.setText({row, school::TeacherColumn}, line.teacher);
    ws.school.plan.setText({row, school::MainMarkColumn},
                           line.main ? QStringLiteral(u"主") : QString());
    ws.school.plan.setText({row, school::PeriodsColumn}, periods);
    ws.school.plan.setText({row, school::PeriodsBackupColumn}, periods);
}

inline QString lesson(const QString& course, const QString& teacher)
{
    return model::lessonText(course, teacher);
}

// The lesson texts of a class row, sorted: the row's multiset of lessons.
inline QStringList lessonsOfRow(const model::Grid& grid, int row)
{
    QStringList lessons;
    for (int c = 1; c < grid.columnCount(); ++c)
        if (!grid.text({row, c}).isEmpty())
            lessons.append(grid.text({row, c}));
    lessons.sort();
    return lessons;
}

} // namespace orve::test
