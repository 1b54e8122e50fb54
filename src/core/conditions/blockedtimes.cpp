#include "blockedtimes.h"

#include "uiport.h"

namespace orve::conditions {

void blockClassTimes(UiPort& ui)
{
    ui.showTab(MainTab::SpecialConditions);
}

} // namespace orve::conditions
