// The address of one cell of a grid: row, then column, everywhere in the program.
#pragma once

namespace orve::model {

struct CellRef
{
    int row = 0;
    int column = 0;

    friend constexpr bool operator==(CellRef a, CellRef b)
    {
        return a.row == b.row && a.column == b.column;
    }
    friend constexpr bool operator!=(CellRef a, CellRef b) { return !(a == b); }
};

} // namespace orve::model
