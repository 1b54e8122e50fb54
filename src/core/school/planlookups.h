// Lookups of a class's course in the teaching plan: the teacher (planTeacher), the main/minor mark
// (planMainMark) and the periods per week (planPeriods) of the first plan row of that class and
// course. A class and course without a plan row give an empty text.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace orve::model {
class Grid;
}

namespace orve::school {

// The first plan row (from row 1 down) whose class and course cells equal the names exactly.
std::optional<int> planRowOf(const model::Grid& plan, QStringView className, QStringView course);

QString planTeacher(const model::Grid& plan, QStringView className, QStringView course);
QString planMainMark(const model::Grid& plan, QStringView className, QStringView course);
QString planPeriods(const model::Grid& plan, QStringView className, QStringView course);

} // namespace orve::school
