// What the program does to the tables when it starts, after the main window is shown.
#pragma once

namespace orve {
struct Workspace;
class UiPort;

void startUp(Workspace& ws, UiPort& ui);

// The forced-swap mode switch shared by the menu item qxtk and toolbar button 21.
void toggleForcedSwapMode(Workspace& ws);

} // namespace orve
