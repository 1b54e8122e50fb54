// The plan rows of each class and course, looked up in constant time. A long command that
// asks for many rows (a scheduling run with many fixed lessons or combined groups) builds it
// once; it stays valid while the plan's class and course columns stay as they were.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

namespace orve::model {
class Grid;
}

namespace orve::school {

class PlanRowIndex
{
public:
    explicit PlanRowIndex(const model::Grid& plan);

    // Every row (from row 1 down) whose class and course cells equal the names exactly.
    const QList<int>& rows(QStringView className, QStringView course) const;
    // The first of them, as planRowOf finds it.
    std::optional<int> first(QStringView className, QStringView course) const;

private:
    QHash<std::pair<QString, QString>, QList<int>> rows_; // by class and course
};

} // namespace orve::school
