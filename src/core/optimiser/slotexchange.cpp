#include "slotexchange.h"

#include <algorithm>

namespace orve::optimiser {

SlotExchangeBuilder::SlotExchangeBuilder(const LessonTable& table)
    : table_(table), classMark_(std::size_t(table.classCount()), 0),
      lessonMark_(std::size_t(table.lessonCount()), 0),
      changeAt_(std::size_t(table.teacherCount()) * std::size_t(table.slotCount()), 0),
      changeMark_(changeAt_.size(), 0)
{
}

bool SlotExchangeBuilder::build(int seedClass, int a, int b, SlotExchange& out)
{
    out.a = a;
    out.b = b;
    out.classes.assign(1, seedClass);
    out.lessons.clear();
    if (++stamp_ == 0) { // the stamp went round: clear the marks once
        std::fill(classMark_.begin(), classMark_.end(), 0);
        std::fill(lessonMark_.begin(), lessonMark_.end(), 0);
        stamp_ = 1;
    }
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

void SlotExchangeBuilder::change(int key, int by)
{
    const std::size_t k = std::size_t(key);
    if (changeMark_[k] == deltaStamp_) {
        changes_[std::size_t(changeAt_[k])].second += by;
        return;
    }
    changeMark_[k] = deltaStamp_;
    changeAt_[k] = int(changes_.size());
    changes_.emplace_back(key, by);
}

int SlotExchangeBuilder::delta(const SlotExchange& move)
{
    const int slotCount = table_.slotCount();
    changes_.clear();
    if (++deltaStamp_ == 0) { // the stamp went round: clear the marks once
        std::fill(changeMark_.begin(), changeMark_.end(), 0);
        deltaStamp_ = 1;
    }
    for (const int id : move.lessons) {
        const Lesson& l = table_.lesson(id);
        const int to = l.slot == move.a ? move.b : move.a;
        for (const int t : l.teachers) {
            change(t * slotCount + l.slot, -1);
            change(t * slotCount + to, +1);
        }
    }
    int result = 0;
    for (const auto& [key, by] : changes_) {
        const int now = table_.busy(key / slotCount, key % slotCount);
        result += int(now + by >= 2) - int(now >= 2);
    }
    return result;
}

void applyExchange(LessonTable& table, const SlotExchange& move)
{
    table.exchange(move.classes, move.a, move.b, move.lessons);
}

} // namespace orve::optimiser
