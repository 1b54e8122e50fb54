#include "slotexchange.h"

#include <algorithm>

namespace orve::optimiser {

int moveCost(const conditions::RuleCounts& change)
{
    if (change.firstRaised())
        return RefusedMove;
    return change.doubleBookings + change.violationTotal() * ViolationCost;
}

SlotExchangeBuilder::SlotExchangeBuilder(LessonTable& table)
    : table_(table), classMark_(std::size_t(table.classCount()), 0),
      lessonMark_(std::size_t(table.lessonCount()), 0),
      withMark_(std::size_t(table.classCount()), 0)
{
}

unsigned SlotExchangeBuilder::nextStamp()
{
    if (++stamp_ == 0) { // the stamp went round: clear the marks once
        for (auto* marks : {&classMark_, &lessonMark_, &withMark_})
            std::fill(marks->begin(), marks->end(), 0);
        stamp_ = 1;
    }
    return stamp_;
}

bool SlotExchangeBuilder::build(int seedClass, int a, int b, SlotExchange& out)
{
    out.a = a;
    out.b = b;
    out.classes.assign(1, seedClass);
    out.lessons.clear();
    nextStamp();
    classMark_[std::size_t(seedClass)] = stamp_;
    // The list grows while it is walked: every group met brings its other members.
    for (std::size_t i = 0; i < out.classes.size(); ++i) {
        const int cls = out.classes[i];
        for (const int from : {a, b}) {
            const int id = table_.cell(cls, from);
            if (id < 0 || lessonMark_[std::size_t(id)] == stamp_)
                continue;
            lessonMark_[std::size_t(id)] = stamp_;
            const Lesson& l = table_.lesson(id);
            if (l.fixed || !table_.mayPut(id, from == a ? b : a))
                return false;
            out.lessons.push_back(id);
            for (const int member : l.classes)
                if (classMark_[std::size_t(member)] != stamp_) {
                    classMark_[std::size_t(member)] = stamp_;
                    out.classes.push_back(member);
                }
        }
    }
    return !out.lessons.empty();
}

void SlotExchangeBuilder::addRowMoves(int cls, const SlotExchange& exchange)
{
    for (const auto& [from, to] :
         {std::pair(exchange.a, exchange.b), std::pair(exchange.b, exchange.a)}) {
        const int id = table_.cell(cls, from);
        if (id < 0)
            continue;
        // A member no course rule tells apart from the others has no facts of its own.
        const std::vector<conditions::LessonFacts>& facts = table_.lesson(id).facts;
        const auto own = std::find_if(facts.begin(), facts.end(), [&](const auto& f) {
            return f.classIndex == cls;
        });
        if (own != facts.end())
            rowMoves_.push_back({&*own, from, to});
    }
}

bool SlotExchangeBuilder::breaksClassRule(const SlotExchange& move, const SlotExchange* with)
{
    if (!table_.tally().hasClassRules())
        return false;
    const unsigned stamp = nextStamp();
    if (with)
        for (const int cls : with->classes)
            withMark_[std::size_t(cls)] = stamp;
    for (const SlotExchange* exchange : {&move, with}) {
        if (!exchange)
            continue;
        for (const int cls : exchange->classes) {
            if (classMark_[std::size_t(cls)] == stamp)
                continue;
            classMark_[std::size_t(cls)] = stamp;
            rowMoves_.clear();
            if (exchange == &move)
                addRowMoves(cls, move);
            if (with && withMark_[std::size_t(cls)] == stamp)
                addRowMoves(cls, *with);
            if (table_.tally().classMovesBreakRule(rowMoves_))
                return true;
        }
    }
    return false;
}

int SlotExchangeBuilder::cost(const SlotExchange& move)
{
    if (breaksClassRule(move, nullptr))
        return RefusedMove;
    moved_.clear();
    for (const int id : move.lessons)
        moved_.emplace_back(id, table_.lesson(id).slot == move.a ? move.b : move.a);
    return moveCost(table_.changeOf(moved_));
}

int SlotExchangeBuilder::cost(const SlotExchange& move, const SlotExchange& with)
{
    if (breaksClassRule(move, &with))
        return RefusedMove;
    moved_.clear();
    for (const SlotExchange* exchange : {&move, &with})
        for (const int id : exchange->lessons)
            moved_.emplace_back(id, table_.lesson(id).slot == exchange->a ? exchange->b
                                                                         : exchange->a);
    return moveCost(table_.changeOf(moved_));
}

void applyExchange(LessonTable& table, const SlotExchange& move)
{
    table.exchange(move.classes, move.a, move.b, move.lessons);
}

} // namespace orve::optimiser
