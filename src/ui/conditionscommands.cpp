#include "conditionscommands.h"

#include "conditions/blockedtimes.h"
#include "conditionspage.h"
#include "mainwindow.h"

#include <QAction>

namespace orve::ui {

void connectConditionsCommands(MainWindow& window, ConditionsPage& page)
{
    const auto on = [&window](const char* name, auto&& command) {
        QObject::connect(window.action(QString::fromLatin1(name)), &QAction::triggered, &window,
                         command);
    };
    on("kcbp", [&window] { conditions::kcbp(window.uiPort()); });
    on("bjbp", [&window] { conditions::bjbp(window.uiPort()); });
    on("jsbp", [&window] { conditions::jsbp(window.uiPort()); });
    on("hbk", [&page] { page.runHbk(); });
    on("gdkyp", [&page] { page.runGdkyp(); });
    QObject::connect(&window, &MainWindow::tabClicked, &page, [&page](int index) {
        if (index == int(MainTab::SpecialConditions))
            page.runGdkyp();
    });
}

} // namespace orve::ui
