// How many double bookings the master timetable holds, kept in step with it: the (slot
// column, teacher) pairs with two lessons or more, as doublebookings.h defines them. It
// follows the grid's change signals and reads again only the cells that changed, so a swap
// costs a few cells, not a scan of the whole timetable; a new layout, another school or other
// combined groups are counted afresh. Beside them it counts the combined lessons found split
// (combinedlessons.h), which a change of any cell may make or mend.
#pragma once

#include "model/cellref.h"

#include <QObject>
#include <memory>
#include <vector>

namespace orve {
struct Workspace;
}

namespace orve::scheduler {
class CombinedGroups;
class TeacherIndex;
} // namespace orve::scheduler

namespace orve::adjust {

class DoubleBookingCount : public QObject
{
    Q_OBJECT

public:
    explicit DoubleBookingCount(Workspace& ws, QObject* parent = nullptr);
    ~DoubleBookingCount() override;

    int count() const { return count_; }
    int splits() const { return splits_; }

signals:
    // Either figure changed.
    void changed();

private:
    void recount();
    void recountSplits();
    void noteCells(int top, int left, int bottom, int right);
    void readNotedCells();
    // Brings the pair's share of the count up to date.
    void reassess(int teacher, int column);
    char& doubled(int teacher, int column);
    void announce(int before, int splitsBefore);

    Workspace& ws_;
    std::unique_ptr<scheduler::TeacherIndex> index_;
    std::unique_ptr<scheduler::CombinedGroups> groups_;
    // Whether each (teacher, column) pair is double-booked, teacher by teacher.
    std::vector<char> doubled_;
    int count_ = 0;
    int splits_ = 0;
    // Cells changed since the grid last told: read once the change proves to touch texts.
    int top_ = -1;
    int left_ = 0;
    int bottom_ = 0;
    int right_ = 0;
};

} // namespace orve::adjust
