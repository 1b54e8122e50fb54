#include "timetablebook.h"

#include "masterprint.h"
#include "weekprint.h"

#include "conditions/rulebook.h"
#include "model/school.h"
#include "scheduler/combinedgroups.h"
#include "views/weektimetable.h"

#include <algorithm>
#include <iterator>

namespace orve::print {

ReportSheet masterTimetableSheet(const model::School& school, int periodsPerDay)
{
    ReportSheet sheet;
    sheet.setPageLabelVisible(false);
    fillMasterTimetable(sheet, school.masterTimetable, school.week.daysPerWeek(), periodsPerDay,
                        school.title, [] {});
    sheet.setHeading(MasterTimetableCaption);
    return sheet;
}

std::vector<ReportSheet> classTimetableSheets(const model::School& school, int periodsPerDay,
                                              const QStringList& classes)
{
    const conditions::RuleBook rules(school, periodsPerDay);
    std::vector<ReportSheet> sheets;
    sheets.reserve(std::size_t(classes.size()));
    for (const QString& name : classes) {
        const int row = views::findClassRow(school.masterTimetable, name);
        sheets.push_back(
            weekSheet(views::classWeek(school.masterTimetable, row, periodsPerDay, &rules),
                      views::classTimetableCaption(name)));
    }
    return sheets;
}

std::vector<ReportSheet> teacherTimetableSheets(const model::School& school, int periodsPerDay,
                                                const QStringList& teachers)
{
    const scheduler::CombinedGroups groups(school);
    const conditions::RuleBook rules(school, periodsPerDay);
    const std::vector<views::WeekTimetable> weeks =
        views::teacherWeeks(school.masterTimetable, teachers, periodsPerDay, groups,
                            views::TeacherCellText::CourseAndClasses, &rules);
    std::vector<ReportSheet> sheets;
    sheets.reserve(weeks.size());
    for (std::size_t i = 0; i < weeks.size(); ++i)
        sheets.push_back(
            weekSheet(weeks[i], views::teacherTimetableCaption(teachers.at(qsizetype(i)))));
    return sheets;
}

std::vector<ReportSheet> timetableBook(const model::School& school, int periodsPerDay,
                                       TimetableSelection selection)
{
    std::vector<ReportSheet> book;
    if (selection.master)
        book.push_back(masterTimetableSheet(school, periodsPerDay));
    if (selection.classes) {
        auto classes = classTimetableSheets(school, periodsPerDay, school.classes);
        std::move(classes.begin(), classes.end(), std::back_inserter(book));
    }
    if (selection.teachers) {
        auto teachers = teacherTimetableSheets(school, periodsPerDay, school.teachers);
        std::move(teachers.begin(), teachers.end(), std::back_inserter(book));
    }
    return book;
}

} // namespace orve::print
