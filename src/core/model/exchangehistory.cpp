#include "exchangehistory.h"

#include "grid.h"

namespace orve::model {

void doStep(const ExchangeStep& step, Grid& timetable)
{
    if (step.replacement)
        timetable = step.replacement->after;
    RedrawSuspender suspended(timetable);
    for (const CellExchange& exchange : step.exchanges)
        timetable.swapCells(exchange.first, exchange.second);
    for (const CellWrite& write : step.writes) {
        timetable.setText(write.at, write.textAfter);
        timetable.setTextStyle(write.at, write.styleAfter);
    }
}

void undoStep(const ExchangeStep& step, Grid& timetable)
{
    RedrawSuspender suspended(timetable);
    for (auto write = step.writes.rbegin(); write != step.writes.rend(); ++write) {
        timetable.setText(write->at, write->textBefore);
        timetable.setTextStyle(write->at, write->styleBefore);
    }
    for (auto exchange = step.exchanges.rbegin(); exchange != step.exchanges.rend(); ++exchange)
        timetable.swapCells(exchange->first, exchange->second);
    if (step.replacement)
        timetable = step.replacement->before;
}

void ExchangeHistory::record(ExchangeStep step)
{
    if (step.empty())
        return;
    done_.push_back(std::move(step));
    undone_.clear();
}

QString ExchangeHistory::undoCaption() const
{
    return done_.empty() ? QString() : done_.back().caption;
}

QString ExchangeHistory::redoCaption() const
{
    return undone_.empty() ? QString() : undone_.back().caption;
}

const ExchangeStep* ExchangeHistory::undo(Grid& timetable)
{
    if (done_.empty())
        return nullptr;
    undoStep(done_.back(), timetable);
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return &undone_.back();
}

const ExchangeStep* ExchangeHistory::redo(Grid& timetable)
{
    if (undone_.empty())
        return nullptr;
    doStep(undone_.back(), timetable);
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return &done_.back();
}

void ExchangeHistory::clear()
{
    done_.clear();
    undone_.clear();
}

} // namespace orve::model
