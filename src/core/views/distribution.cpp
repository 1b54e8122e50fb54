#include "distribution.h"

#include "markreset.h"

#include "model/cellmarks.h"
#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::views {

QStringView teacherKey(QStringView cell)
{
    const qsizetype at = cell.indexOf(model::LessonSeparator);
    return at < 0 ? cell : cell.mid(at + 1);
}

QStringView courseKey(QStringView cell)
{
    const qsizetype at = cell.indexOf(u' ');
    return at < 0 ? QStringView() : cell.left(at + 1);
}

void showDistribution(Workspace& ws, UiPort& ui, SpreadKey key, SpreadScope scope)
{
    ui.showTab(MainTab::Scheduling);
    model::Grid& timetable = ws.school.masterTimetable;
    const model::CellRef selected = timetable.currentCell();
    model::RedrawSuspender suspended(timetable);
    dropPickAndColourMarks(ws);

    const auto keyOf = key == SpreadKey::Teacher ? teacherKey : courseKey;
    const QStringView wanted = keyOf(timetable.text(selected));
    int first = model::FirstClassRow;
    int last = timetable.rowCount() - 1;
    if (scope == SpreadScope::Class) {
        // Outside the class rows there is no class to show.
        if (selected.row < model::FirstClassRow)
            return;
        first = last = selected.row;
    }
    for (int r = first; r <= last; ++r)
        for (int c = 1; c < timetable.columnCount(); ++c)
            if (keyOf(timetable.text({r, c})) == wanted)
                timetable.setBackColour({r, c}, model::HighlightColour);
    timetable.setCurrentCell(selected);
}

} // namespace orve::views
