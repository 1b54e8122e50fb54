// The main window's toolbar: 21 buttons numbered from 1, the unlisted ones spacers.
#pragma once

#include <array>

class QAction;
class QToolBar;

namespace orve::ui {

struct Actions;

struct ToolbarButtons
{
    static constexpr int Count = 21;
    static constexpr int ForcedSwap = 21;
    // Index 0 is button 1; spacers are null.
    std::array<QAction*, Count> actions{};
    // The menu item whose command each button runs (null for spacers and button 21).
    std::array<QAction*, Count> commands{};

    QAction* button(int number) const { return actions.at(std::size_t(number - 1)); }
};

ToolbarButtons buildToolbar(QToolBar* toolbar, const Actions& actions);

} // namespace orve::ui
