// The teaching plan plan: its nine columns, the block layout of its rows (one row per class and
// course, class by class) and the skeleton builder rebuildPlanSkeleton.
#pragma once

#include <QString>

namespace orve::model {
class Grid;
struct School;
} // namespace orve::model

namespace orve::school {

enum PlanColumn {
    ClassColumn = 0,
    CourseColumn = 1,
    TeacherColumn = 2,
    MainMarkColumn = 3,   // "主" for a main course
    PeriodsColumn = 4,    // periods per week still to place
    ProgressColumn = 5,   // "一致"
    CombinedColumn = 6,   // "合班"
    VenueColumn = 7,
    PeriodsBackupColumn = 8,
    PlanColumnCount = 9,
};

// The mark of a main course in the main/minor column.
inline const QString MainCourseMark = QStringLiteral(u"主");
// The mark of a row taught together with other classes.
inline const QString CombinedMark = QStringLiteral(u"合班");

inline constexpr int PlanHeaderRow = 0;
inline constexpr int PlanFontSize = 12;
// Rows tall enough for the 12-point text; rows added later take their neighbour's height.
inline constexpr int PlanRowHeight = 360; // twips

// Plan row of class i and course k (both from 0) with C courses.
inline constexpr int planRow(int classIndex, int courseIndex, int courseCount)
{
    return classIndex * courseCount + courseIndex + 1;
}

QString planHeader(int column);

// The most periods a week a plan row may have: the period slots of the master timetable as it
// is laid out, the count chooser's last entry.
int maxPeriodsPerWeek(const model::School& school);

// Header texts and column widths: (table width / 40) x w for w = 3 9 9 5 4 4 6 7 4.
void setPlanHeader(model::Grid& plan);

// Builds the header row and the class and course columns from the class and course lists;
// other cells keep what they hold.
void rebuildPlanSkeleton(model::School& school);

} // namespace orve::school
