// How the name-list commands keep the teaching plan in step with the class and course lists:
// one row per class and course, class by class in class-list order and course-list order
// inside each class block, and a placeholder row per class while there are no courses.
#pragma once

#include <QString>

namespace orve {
class UiPort;
}

namespace orve::model {
class Grid;
struct School;
} // namespace orve::model

namespace orve::school {

// The course cell of a class's placeholder row while the course list is empty.
QString placeholderCourse();

// Appends the block of the class added at the end of the list: one row per course, or one
// placeholder row when there are no courses.
void appendClassBlock(model::School& school, UiPort& ui, const QString& className);

// Inserts the block of the class now at list position `position`, right after the block of
// the class before it: one row per course, or one placeholder row when there are no courses.
void insertClassBlock(model::School& school, UiPort& ui, int position, const QString& className);

// Gives every class block a row for a course added at the end of the course list, then removes
// the placeholder rows.
void appendCourseRows(model::School& school, UiPort& ui, const QString& course);

// Gives every class block a row for the course now at list position `position`, at that
// position inside the block.
void insertCourseRows(model::School& school, UiPort& ui, int position, const QString& course);

// Writes `replacement` into every plan-row cell of the column that equals `text` exactly.
void replaceInColumn(model::Grid& plan, UiPort& ui, int column, const QString& text,
                     const QString& replacement);

// Removes every plan row whose cell in the column equals `text` exactly.
void removeRowsWith(model::Grid& plan, UiPort& ui, int column, const QString& text);

} // namespace orve::school
