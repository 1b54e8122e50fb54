#include "doublebookingcount.h"

#include "model/grid.h"
#include "model/slots.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/combinedlessons.h"
#include "scheduler/doublebookings.h"
#include "scheduler/teacherindex.h"
#include "workspace.h"

#include <algorithm>
#include <utility>

namespace orve::adjust {

DoubleBookingCount::DoubleBookingCount(Workspace& ws, QObject* parent) : QObject(parent), ws_(ws)
{
    model::GridSignals& grid = ws_.school.masterTimetable.changes();
    connect(&grid, &model::GridSignals::structureChanged, this, &DoubleBookingCount::recount);
    connect(&grid, &model::GridSignals::cellsChanged, this, &DoubleBookingCount::noteCells);
    // The grid tells which cells changed first, then whether texts or only formats did.
    connect(&grid, &model::GridSignals::textsChanged, this, &DoubleBookingCount::readNotedCells);
    connect(&grid, &model::GridSignals::formatsChanged, this, [this] { top_ = -1; });
    connect(&ws_.notifier, &Notifier::conditionsChanged, this, &DoubleBookingCount::recount);
    connect(&ws_.notifier, &Notifier::schoolReplaced, this, &DoubleBookingCount::recount);
    recount();
}

DoubleBookingCount::~DoubleBookingCount() = default;

void DoubleBookingCount::recount()
{
    const int before = count_;
    const int splitsBefore = splits_;
    top_ = -1;
    index_ = std::make_unique<scheduler::TeacherIndex>(ws_.school.masterTimetable,
                                                       scheduler::CellReading::Bookings);
    groups_ = std::make_unique<scheduler::CombinedGroups>(ws_.school);
    doubled_.assign(std::size_t(index_->teacherCount()) * std::size_t(index_->columns()), 0);
    count_ = 0;
    for (int teacher = 0; teacher < index_->teacherCount(); ++teacher)
        for (int c = 1; c < index_->columns(); ++c)
            reassess(teacher, c);
    recountSplits();
    announce(before, splitsBefore);
}

void DoubleBookingCount::recountSplits()
{
    splits_ = groups_->empty() ? 0
                               : int(scheduler::CombinedLessons(ws_.school.masterTimetable, *groups_)
                                         .splitLessons()
                                         .size());
}

void DoubleBookingCount::noteCells(int top, int left, int bottom, int right)
{
    if (top_ < 0) {
        top_ = top;
        left_ = left;
        bottom_ = bottom;
        right_ = right;
        return;
    }
    top_ = std::min(top_, top);
    left_ = std::min(left_, left);
    bottom_ = std::max(bottom_, bottom);
    right_ = std::max(right_, right);
}

void DoubleBookingCount::readNotedCells()
{
    if (top_ < 0)
        return;
    const int top = std::max(top_, model::FirstClassRow);
    const int bottom = std::min(bottom_, index_->rows() - 1);
    const int left = left_;
    const int right = std::min(right_, index_->columns() - 1);
    top_ = -1;
    if (top > bottom || right < left)
        return;
    // Class names decide which lessons of a combined group are taught together.
    if (left == model::ClassNameColumn && !groups_->empty()) {
        recount();
        return;
    }
    // Every cell is read before any pair is judged, so no judgement sees a cell not yet read.
    // With combined groups a changed course can join or split a lesson of one teacher, so the
    // pairs of unchanged teachers are judged too.
    std::vector<std::pair<int, int>> pairs;
    for (int c = std::max(left, 1); c <= right; ++c)
        for (int r = top; r <= bottom; ++r) {
            const int was = index_->teacherAt({r, c});
            index_->reread({r, c});
            const int now = index_->teacherAt({r, c});
            if (now != was || !groups_->empty()) {
                pairs.emplace_back(was, c);
                pairs.emplace_back(now, c);
            }
        }
    const int before = count_;
    const int splitsBefore = splits_;
    for (const auto& [teacher, column] : pairs)
        reassess(teacher, column);
    if (!groups_->empty())
        recountSplits();
    announce(before, splitsBefore);
}

void DoubleBookingCount::reassess(int teacher, int column)
{
    char& known = doubled(teacher, column);
    const bool now = scheduler::teacherDoubleBooked(*index_, *groups_, teacher, column);
    count_ += int(now) - int(known);
    known = char(now);
}

char& DoubleBookingCount::doubled(int teacher, int column)
{
    const std::size_t at =
        std::size_t(teacher) * std::size_t(index_->columns()) + std::size_t(column);
    if (at >= doubled_.size())
        doubled_.resize(std::size_t(index_->teacherCount()) * std::size_t(index_->columns()), 0);
    return doubled_[at];
}

void DoubleBookingCount::announce(int before, int splitsBefore)
{
    if (count_ != before || splits_ != splitsBefore)
        emit changed();
}

} // namespace orve::adjust
