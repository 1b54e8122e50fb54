// Lookups of a class's course in the teaching plan: the teacher (cxm), the main/minor mark
// (czk) and the periods per week (cjs) of the first plan row of that class and course, and
// jsk, which sets that row's periods to "0". A class and course without a plan row give an
// empty text (jsk then does nothing).
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace orve::model {
class Grid;
}

namespace orve::scheduler {

// The first plan row (from row 1 down) whose class and course cells equal the names exactly.
std::optional<int> planRowOf(const model::Grid& jhb, QStringView className, QStringView course);

QString cxm(const model::Grid& jhb, QStringView className, QStringView course);
QString czk(const model::Grid& jhb, QStringView className, QStringView course);
QString cjs(const model::Grid& jhb, QStringView className, QStringView course);
void jsk(model::Grid& jhb, QStringView className, QStringView course);

} // namespace orve::scheduler
