// Connects the menu 特殊条件考虑 and the click on tab 2 to the special-conditions commands.
#pragma once

namespace orve::ui {

class ConditionsPage;
class MainWindow;

void connectConditionsCommands(MainWindow& window, ConditionsPage& page);

} // namespace orve::ui
