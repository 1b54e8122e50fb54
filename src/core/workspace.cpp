#include "workspace.h"

namespace orve {

namespace {
constexpr int PlanColumns = 9;
}

Workspace::Workspace()
    : jhb(1, PlanColumns, 1, 0), msgrid1(6, 6, 1, 1), MSGrid(2, 26, 2, 1)
{
}

} // namespace orve
