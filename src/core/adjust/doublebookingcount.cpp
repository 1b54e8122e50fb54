#include "doublebookingcount.h"

#include "model/grid.h"
#include "model/slots.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/combinedlessons.h"
#include "scheduler/teacherindex.h"
#include "scheduler/timetablerules.h"
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

int DoubleBookingCount::count() const
{
    return rules_->tally().counts().doubleBookings;
}

int DoubleBookingCount::violations() const
{
    return rules_->tally().counts().violationTotal();
}

DoubleBookingCount::Figures DoubleBookingCount::figures() const
{
    return {count(), violations(), splits_, !rules_->book().empty()};
}

QString DoubleBookingCount::text() const
{
    QString text = QStringLiteral(u"重课 %1 处").arg(count());
    if (figures().withRules || violations() > 0)
        text += QStringLiteral(u"，违规 %1 处").arg(violations());
    if (splits_ > 0)
        text += QStringLiteral(u"，合班课未同时上课 %1 处").arg(splits_);
    return text;
}

void DoubleBookingCount::recount()
{
    const Figures before = rules_ ? figures() : Figures{0, 0, 0, false};
    top_ = -1;
    index_.reset();
    rules_ = std::make_unique<scheduler::TimetableRules>(ws_.school, ws_.periodsPerDay());
    index_ = std::make_unique<scheduler::TeacherIndex>(ws_.school.masterTimetable,
                                                       scheduler::CellReading::Bookings);
    index_->attachRules(*rules_);
    recountSplits();
    announce(before);
}

void DoubleBookingCount::recountSplits()
{
    const scheduler::CombinedGroups& groups = rules_->groups();
    splits_ = groups.empty() ? 0
                             : int(scheduler::CombinedLessons(ws_.school.masterTimetable, groups)
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
    // Class names decide groups, venues and rules of a row: counted afresh.
    if (left == model::ClassNameColumn) {
        recount();
        return;
    }
    const Figures before = figures();
    for (int c = std::max(left, 1); c <= right; ++c)
        for (int r = top; r <= bottom; ++r)
            index_->reread({r, c});
    if (!rules_->groups().empty())
        recountSplits();
    announce(before);
}

void DoubleBookingCount::announce(const Figures& before)
{
    if (!(figures() == before))
        emit changed();
}

} // namespace orve::adjust
