#include "markreset.h"

#include "model/cellmarks.h"
#include "workspace.h"

namespace orve::views {

void dropPickAndColourMarks(Workspace& ws)
{
    if (ws.session.pick.count != 0) {
        ws.session.pick.count = 0;
        emit ws.notifier.pickChanged();
    }
    model::clearMarks(ws.school.masterTimetable, ws.session.normalColours);
}

} // namespace orve::views
