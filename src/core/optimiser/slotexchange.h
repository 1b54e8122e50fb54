// The optimiser's one move: two slots a and b change places in a set of class rows. Seeded by
// one class, the set is closed under combined groups: a group's lesson found in a or b brings
// all its member classes, so a group moves as a whole. Inside one row with a free cell in a or
// b the move is a move into a free period. A move that would shift a fixed lesson or break the
// main-course rule is refused.
#pragma once

#include "lessontable.h"

#include <climits>
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

// What a change costs the search: a rule broken anew refuses it, even where it mends another
// (rules are hard; a double period broken up is one); otherwise a violation mended outweighs
// any number of double bookings.
inline constexpr int RefusedMove = INT_MAX;
inline constexpr int ViolationCost = 100000;
int moveCost(const conditions::RuleCounts& change);

class SlotExchangeBuilder
{
public:
    explicit SlotExchangeBuilder(LessonTable& table);

    // False when the move is not allowed or moves nothing.
    bool build(int seedClass, int a, int b, SlotExchange& out);

    // The move's cost (moveCost) if it were made; of two moves on four different slots made
    // together.
    int cost(const SlotExchange& move);
    int cost(const SlotExchange& move, const SlotExchange& with);

private:
    unsigned nextStamp();
    // Whether the moves surely break a rule kept class by class, weighed row by row.
    bool breaksClassRule(const SlotExchange& move, const SlotExchange* with);
    void addRowMoves(int cls, const SlotExchange& exchange);

    LessonTable& table_;
    std::vector<unsigned> classMark_;
    std::vector<unsigned> lessonMark_;
    std::vector<unsigned> withMark_; // the classes of the second of two moves
    unsigned stamp_ = 0;
    std::vector<conditions::RuleTally::ClassMove> rowMoves_;
    std::vector<std::pair<int, int>> moved_; // scratch of cost: (lesson, slot it goes to)
};

void applyExchange(LessonTable& table, const SlotExchange& move);

} // namespace orve::optimiser
