// Editing the teaching plan by pressing its cells: a press toggles a marker, empties the cell
// or asks for a chooser over the cell; a pick in a chooser writes the cell.
#pragma once

#include <QString>
#include <Qt>
#include <optional>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::school {

enum class PlanChooser {
    None,
    Teacher,  // column 2
    Periods,  // column 4 (and column 8)
    Venue,    // column 7
    CopyPlan, // over a class or course cell
};

// What the window shows after a press: at most one chooser, every other one hidden. Offsets
// and widths are in twips relative to the pressed cell.
struct ChooserRequest
{
    PlanChooser chooser = PlanChooser::None;
    int row = 0;
    int column = 0;
    QString text;                       // the chooser's text
    int leftOffset = 0;                 // from the cell's left edge
    // The copy-plan chooser takes the cell's left edge as measured inside the table for its
    // left on the page; the others add the table's own left.
    bool leftInsideTable = false;
    std::optional<int> extraWidth;      // beyond the cell's width; none: the chooser's own width
    int fontSize = 0;                   // points
};

// "请选择与哪班教学计划相同", the text of the copy-plan chooser.
QString copyPlanPrompt();

// A mouse press on cell (row, column) of plan, which becomes the current cell. Shift, Ctrl or
// Alt empty the cell; a press on the header row only hides the choosers.
ChooserRequest pressPlanCell(Workspace& ws, int row, int column, Qt::KeyboardModifiers modifiers);

// A pick in a chooser. The teacher and venue choosers write the current cell; the count
// chooser writes the current cell and the periods backup of its row; the copy-plan chooser
// copies the chosen class's plan onto the class of the current row.
void pickChooser(Workspace& ws, UiPort& ui, PlanChooser chooser, const QString& text);

} // namespace orve::school
