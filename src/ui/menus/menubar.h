// The main window's menu bar, built from one table of items (design names, captions,
// shortcuts, separators). Commands are connected by the main window through the item names.
#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

namespace orve::ui {

// Menu item actions by their design names ("newSchool", "openSchool", … "about").
using MenuActions = QHash<QString, QAction*>;

MenuActions buildMenuBar(QMenuBar* bar);

} // namespace orve::ui
