// The school's timetables as report sheets, ready to print or export: the master timetable,
// one sheet per class and one per teacher. The print window, the PDF, CSV and HTML files and
// orve-cli all take them from here, so they show the same.
#pragma once

#include "reportsheet.h"

#include <QStringList>
#include <vector>

namespace orve::model {
struct School;
}

namespace orve::print {

// Which timetables an export holds.
struct TimetableSelection
{
    bool master = true;
    bool classes = true;
    bool teachers = true;

    bool isEmpty() const { return !master && !classes && !teachers; }
};

// The heading of the master timetable's pages in an export.
inline const QString MasterTimetableCaption = QStringLiteral(u"全校课程表");

// The master timetable as the print command lays it out, for the days of the days field;
// headed "全校课程表".
ReportSheet masterTimetableSheet(const model::School& school, int periodsPerDay);

// One sheet per class named, in the given order: the class's lessons with their full texts.
// A class the timetable has no row for gets an empty week.
std::vector<ReportSheet> classTimetableSheets(const model::School& school, int periodsPerDay,
                                              const QStringList& classes);

// One sheet per teacher named: each lesson's course and classes.
std::vector<ReportSheet> teacherTimetableSheets(const model::School& school, int periodsPerDay,
                                                const QStringList& teachers);

// The selected timetables in the order master, classes, teachers; all classes and teachers
// of the lists.
std::vector<ReportSheet> timetableBook(const model::School& school, int periodsPerDay,
                                       TimetableSelection selection);

} // namespace orve::print
