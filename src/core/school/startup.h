// What the program does to the tables when it starts, after the main window is shown.
#pragma once

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::school {

void startUp(Workspace& ws, UiPort& ui);

// The forced-swap mode switch shared by its menu item and toolbar button.
void toggleForcedSwapMode(Workspace& ws);

} // namespace orve::school
