// A second bound of lessons left out, for groups that overlap. Kinds that pairwise share a
// class need a slot each: every such set (a clique) with more lessons than the slots its kinds
// may use, and every class with more lessons than open cells, must miss the excess among its
// kinds. The fewest class periods whose missing lessons cover every excess at once is found
// exactly for each set of overlapping cliques; it counts a kind missed by several cliques once,
// where class-disjoint blocks cannot take two cliques that share a group.
#pragma once

#include "leftoutbound.h"

#include <vector>

namespace orve::scheduler {

// 0 when the cliques are too many to list; of a set of overlapping cliques too large to solve
// exactly, the largest excesses.
int cliqueCoverBound(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells);

} // namespace orve::scheduler
