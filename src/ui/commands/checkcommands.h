// Connects the double-booking check and the four distribution views of the menu 手动操作 to
// their core commands.
#pragma once

namespace orve::ui {

class MainWindow;

void connectCheckCommands(MainWindow& window);

} // namespace orve::ui
