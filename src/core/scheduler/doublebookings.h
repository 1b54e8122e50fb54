// What a double booking is, in one place: a teacher with two or more lessons in one slot
// column, where the classes of one combined group taught together in that slot are one lesson.
// A lesson books a teacher when its cell holds a course, two spaces and a name; "空课" and a
// lesson without a teacher book nobody.
#pragma once

#include "model/cellref.h"

#include <QStringView>
#include <vector>

namespace orve::model {
class Grid;
}

namespace orve::scheduler {

class CombinedGroups;
class TeacherIndex;

bool booksTeacher(QStringView cell);

// The lessons the class rows `rows` of one column make, all holding one teacher: the rows
// taught together, each lesson's rows and the lessons in the order of `rows`.
std::vector<std::vector<int>> lessonsOf(const model::Grid& timetable, const std::vector<int>& rows,
                                        int column, const CombinedGroups& groups);

// How many lessons lessonsOf finds.
int lessonsTaught(const model::Grid& timetable, const std::vector<int>& rows, int column,
                  const CombinedGroups& groups);

// Whether the lesson at `at` shares its teacher with another lesson in its column.
bool isDoubleBooked(const TeacherIndex& index, const CombinedGroups& groups, model::CellRef at);

// Whether the teacher has two lessons or more in the column; the index reads bookings.
bool teacherDoubleBooked(const TeacherIndex& index, const CombinedGroups& groups, int teacher,
                         int column);

// The (slot column, teacher) pairs with two lessons or more.
int countDoubleBookings(const model::Grid& timetable, const CombinedGroups& groups);

} // namespace orve::scheduler
