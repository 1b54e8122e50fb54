// How many double bookings and rule violations the master timetable holds, kept in step with
// it by the rule model's tally (scheduler/timetablerules.h). It follows the grid's change
// signals and reads again only the cells that changed, so a swap costs a few cells, not a scan
// of the whole timetable; a new layout, another school or other conditions are counted afresh.
// Beside them it counts the combined lessons found split (combinedlessons.h), which a change
// of any cell may make or mend.
#pragma once

#include "model/cellref.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace orve {
struct Workspace;
}

namespace orve::scheduler {
class TeacherIndex;
class TimetableRules;
} // namespace orve::scheduler

namespace orve::adjust {

class DoubleBookingCount : public QObject
{
    Q_OBJECT

public:
    explicit DoubleBookingCount(Workspace& ws, QObject* parent = nullptr);
    ~DoubleBookingCount() override;

    int count() const;
    int violations() const;
    int splits() const { return splits_; }
    // What the status bar shows: "重课 N 处", "，违规 M 处" when the school has rules or a
    // lesson breaks one, "，合班课未同时上课 K 处" when a group is split.
    QString text() const;

signals:
    // Either figure changed.
    void changed();

private:
    // What text() shows: the figures, and whether the school has rules at all.
    struct Figures
    {
        int doubleBookings;
        int violations;
        int splits;
        bool withRules;
        bool operator==(const Figures& other) const
        {
            return doubleBookings == other.doubleBookings && violations == other.violations &&
                   splits == other.splits && withRules == other.withRules;
        }
    };
    Figures figures() const;
    void recount();
    void recountSplits();
    void noteCells(int top, int left, int bottom, int right);
    void readNotedCells();
    void announce(const Figures& before);

    Workspace& ws_;
    std::unique_ptr<scheduler::TimetableRules> rules_;
    std::unique_ptr<scheduler::TeacherIndex> index_;
    int splits_ = 0;
    // Cells changed since the grid last told: read once the change proves to touch texts.
    int top_ = -1;
    int left_ = 0;
    int bottom_ = 0;
    int right_ = 0;
};

} // namespace orve::adjust
