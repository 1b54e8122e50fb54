#include "checkcommands.h"

#include "mainwindow.h"
#include "views/distribution.h"
#include "views/doublebookingcheck.h"

#include <QAction>

namespace orve::ui {

void connectCheckCommands(MainWindow& window)
{
    const auto on = [&window](const char* name, auto&& command) {
        QObject::connect(window.action(QString::fromLatin1(name)), &QAction::triggered, &window,
                         command);
    };
    on("checkDoubleBookings",
       [&window] { views::checkDoubleBookings(window.workspace(), window.uiPort()); });
    const auto spread = [&window](views::SpreadKey key, views::SpreadScope scope) {
        return [&window, key, scope] {
            views::showDistribution(window.workspace(), window.uiPort(), key, scope);
        };
    };
    using views::SpreadKey;
    using views::SpreadScope;
    on("teacherSpreadSchool", spread(SpreadKey::Teacher, SpreadScope::School));
    on("teacherSpreadClass", spread(SpreadKey::Teacher, SpreadScope::Class));
    on("courseSpreadSchool", spread(SpreadKey::Course, SpreadScope::School));
    on("courseSpreadClass", spread(SpreadKey::Course, SpreadScope::Class));
}

} // namespace orve::ui
