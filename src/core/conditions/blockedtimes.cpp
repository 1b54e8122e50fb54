#include "blockedtimes.h"

#include "uiport.h"

namespace orve::conditions {

void blockCourseTimes(UiPort& ui)
{
    ui.showTab(MainTab::SpecialConditions);
}

void blockClassTimes(UiPort& ui)
{
    ui.showTab(MainTab::SpecialConditions);
}

void blockTeacherTimes(UiPort& ui)
{
    ui.showTab(MainTab::SpecialConditions);
}

} // namespace orve::conditions
