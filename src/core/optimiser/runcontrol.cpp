#include "runcontrol.h"

#include "lessontable.h"

#include <algorithm>

namespace orve::optimiser {

RunControl::RunControl(const LessonTable& table, qint64 stepBudget, qint64 timeLimitMs,
                       quint64 seed, Progress* progress)
    : table_(table), stepBudget_(std::max<qint64>(stepBudget, 0)),
      timeLimitMs_(std::max<qint64>(timeLimitMs, 0)), progress_(progress), random_(seed),
      phaseEndStep_(stepBudget_)
{
    clock_.start();
}

bool RunControl::step()
{
    if (stopped())
        return false;
    if (steps_ >= stepBudget_) {
        reason_ = StopReason::StepBudget;
        return false;
    }
    if (steps_ >= phaseEndStep_) {
        phaseReason_ = StopReason::StepBudget;
        return false;
    }
    if (steps_ % StepsPerClockRead == 0) {
        const qint64 now = clock_.elapsed();
        if (now >= timeLimitMs_) {
            reason_ = StopReason::TimeLimit;
            return false;
        }
        if (progress_ && now - lastReportMs_ >= ReportMs) {
            lastReportMs_ = now;
            const qint64 percent = std::max(steps_ * 100 / std::max<qint64>(stepBudget_, 1),
                                            now * 100 / std::max<qint64>(timeLimitMs_, 1));
            if (!progress_->carryOn(held_ ? heldDoubleBookings_ : table_.doubleBookings(),
                                    held_ ? heldUnplaced_ : table_.unplacedPeriods(),
                                    int(percent))) {
                reason_ = StopReason::Cancelled;
                return false;
            }
        }
    }
    ++steps_;
    return true;
}

void RunControl::moved()
{
    if (progress_)
        progress_->moved(table_);
}

void RunControl::restored()
{
    if (progress_)
        progress_->restored(table_);
}

void RunControl::limitPhase(qint64 steps)
{
    phaseReason_ = StopReason::Finished;
    phaseEndStep_ = std::min(stepBudget_, steps_ + std::max<qint64>(steps, 0));
}

void RunControl::unlimitPhase()
{
    phaseReason_ = StopReason::Finished;
    phaseEndStep_ = stepBudget_;
}

void RunControl::holdFigures(int doubleBookings, int unplacedPeriods)
{
    held_ = true;
    heldDoubleBookings_ = doubleBookings;
    heldUnplaced_ = unplacedPeriods;
}

int RunControl::below(int bound)
{
    return std::min(int(random_.next() * bound), bound - 1);
}

} // namespace orve::optimiser
