#include "blockedtimes.h"

#include "uiport.h"

namespace orve::conditions {

void kcbp(UiPort& ui)
{
    ui.showTab(MainTab::SpecialConditions);
}

void bjbp(UiPort& ui)
{
    ui.showTab(MainTab::SpecialConditions);
}

void jsbp(UiPort& ui)
{
    ui.showTab(MainTab::SpecialConditions);
}

} // namespace orve::conditions
