// Where a timetable holds the lessons of the combined groups (combinedgroups.h). A slot cell
// holds a group's lesson when its class and course belong to the group; the lesson is held
// together when every class of the group holds its own lesson in that slot, and split
// otherwise. The fixed marks put back after Open, the swaps that move a group as one and the
// figures that report a split group all read it from here.
#pragma once

#include "model/cellref.h"

#include <QHash>
#include <QString>
#include <vector>

namespace orve::model {
class Grid;
}

namespace orve::scheduler {

class CombinedGroups;

// The lessons of one group found apart in one slot column: the rows holding them.
struct SplitLesson
{
    int column = 0;
    std::vector<int> rows;
};

class CombinedLessons
{
public:
    // Reads the group of every class-row slot cell once; the grid and the groups must outlive
    // it and the grid must not change meanwhile.
    CombinedLessons(const model::Grid& timetable, const CombinedGroups& groups);

    // The group the cell's lesson belongs to; CombinedGroups::NoGroup for any other cell.
    int groupAt(model::CellRef at) const;
    bool heldTogether(model::CellRef at) const;
    bool isSplit(model::CellRef at) const;
    // The rows whose lesson in the cell's column is taught together with the cell's (one
    // group's), the cell's own row first; only that row for any other lesson.
    std::vector<int> rowsTaughtWith(model::CellRef at) const;

    // Every split lesson, column by column; the rows of one group in a column are one lesson.
    std::vector<SplitLesson> splitLessons() const;

private:
    // The class row of each class name, the first from the top.
    int rowOfClass(const QString& name) const;

    const model::Grid& timetable_;
    const CombinedGroups& combined_;
    std::vector<int> groups_;  // per flat cell index
    QHash<QString, int> rowOfClass_;
};

} // namespace orve::scheduler
