#include "printmaster.h"

#include "printwindow.h"

#include "model/grid.h"
#include "print/masterprint.h"
#include "print/sheetcalls.h"

namespace orve::ui {

void printMasterTimetable(PrintWindow& window, model::Grid& masterTimetable, int days,
                          int periodsPerDay, const QString& title,
                          const std::function<void()>& letEventsRun)
{
    print::SheetCalls& sheet = window.startPreparation();
    sheet.setPageLabelVisible(false);
    {
        const model::RedrawSuspender suspended(masterTimetable);
        window.setEnabled(false);
        window.show();
        window.raise();
        window.activateWindow();
        print::fillMasterTimetable(sheet, masterTimetable, days, periodsPerDay, title,
                                   letEventsRun);
    }
    window.setEnabled(true);
    sheet.redrawAll();
}

} // namespace orve::ui
