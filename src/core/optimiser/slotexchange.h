// The optimiser's one move: two slots a and b change places in a set of class rows. Seeded by
// one class, the set is closed under combined groups: a group's lesson found in a or b brings
// all its member classes, so a group moves as a whole. Inside one row with a free cell in a or
// b the move is a move into a free period. A move that would shift a fixed lesson or break the
// main-course rule is refused.
#pragma once

#include "lessontable.h"

#include <utility>
#include <vector>

namespace orve::optimiser {

struct SlotExchange
{
    int a = -1;
    int b = -1;
    std::vector<int> classes; // rows whose cells a and b change places
    std::vector<int> lessons; // lessons that change slot
};

class SlotExchangeBuilder
{
public:
    explicit SlotExchangeBuilder(const LessonTable& table);

    // False when the move is not allowed or moves nothing.
    bool build(int seedClass, int a, int b, SlotExchange& out);

    // How the number of double bookings would change if the move were made.
    int delta(const SlotExchange& move);

private:
    void change(int key, int by);

    const LessonTable& table_;
    std::vector<unsigned> classMark_;
    std::vector<unsigned> lessonMark_;
    unsigned stamp_ = 0;
    std::vector<std::pair<int, int>> changes_; // (teacher x slots + slot, change)
    // Where each key stands in changes_ while deltaStamp_ marks it: a long chain of a large
    // school touches hundreds of keys, too many to search the list for each.
    std::vector<int> changeAt_;
    std::vector<unsigned> changeMark_;
    unsigned deltaStamp_ = 0;
};

void applyExchange(LessonTable& table, const SlotExchange& move);

} // namespace orve::optimiser
