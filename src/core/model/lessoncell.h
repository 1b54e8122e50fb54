// The text of a lesson in the master timetable: course, two spaces, teacher.
#pragma once

#include <QString>
#include <QStringView>

namespace orve::model {

inline constexpr QStringView LessonSeparator = u"  ";
// A period that a fixed-lesson entry keeps free.
inline const QString FreePeriodText = QStringLiteral(u"空课");

QString lessonText(QStringView course, QStringView teacher);
// The cell of a lesson: as lessonText, but a lesson without a teacher is the bare course name.
QString lessonCellText(QStringView course, QStringView teacher);

// The text after the first two spaces with leading blanks removed; the whole text (leading
// blanks removed) when it holds no two spaces. A slice of `cell`: no copy is made.
QStringView teacherPart(QStringView cell);

// The text before the first two spaces; the whole text when it holds none.
QStringView coursePart(QStringView cell);

} // namespace orve::model
