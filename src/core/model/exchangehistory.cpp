#include "exchangehistory.h"

#include "grid.h"

namespace orve::model {

void ExchangeHistory::record(ExchangeStep step)
{
    if (step.exchanges.empty())
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

bool ExchangeHistory::undo(Grid& timetable)
{
    if (done_.empty())
        return false;
    const ExchangeStep& step = done_.back();
    {
        RedrawSuspender suspended(timetable);
        for (auto restyle = step.restyles.rbegin(); restyle != step.restyles.rend(); ++restyle)
            timetable.setTextStyle(restyle->cell, restyle->before);
        for (auto exchange = step.exchanges.rbegin(); exchange != step.exchanges.rend(); ++exchange)
            timetable.swapCells(exchange->first, exchange->second);
    }
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return true;
}

bool ExchangeHistory::redo(Grid& timetable)
{
    if (undone_.empty())
        return false;
    const ExchangeStep& step = undone_.back();
    {
        RedrawSuspender suspended(timetable);
        for (const CellExchange& exchange : step.exchanges)
            timetable.swapCells(exchange.first, exchange.second);
        for (const StyleChange& restyle : step.restyles)
            timetable.setTextStyle(restyle.cell, restyle.after);
    }
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return true;
}

void ExchangeHistory::clear()
{
    done_.clear();
    undone_.clear();
}

} // namespace orve::model
