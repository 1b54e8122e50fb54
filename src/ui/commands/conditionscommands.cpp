#include "conditionscommands.h"

#include "conditions/blockedtimes.h"
#include "pages/conditionspage.h"
#include "mainwindow.h"

#include <QAction>

namespace orve::ui {

void connectConditionsCommands(MainWindow& window, ConditionsPage& page)
{
    const auto on = [&window](const char* name, auto&& command) {
        QObject::connect(window.action(QString::fromLatin1(name)), &QAction::triggered, &window,
                         command);
    };
    on("blockCourses", [&window] { conditions::blockCourseTimes(window.uiPort()); });
    on("blockClasses", [&window] { conditions::blockClassTimes(window.uiPort()); });
    on("blockTeachers", [&window] { conditions::blockTeacherTimes(window.uiPort()); });
    on("combinedClasses", [&page] { page.runShowCombinedClasses(); });
    on("fixedLessons", [&page] { page.runPrepareFixedLessons(); });
    QObject::connect(&window, &MainWindow::tabClicked, &page, [&page](int index) {
        if (index == int(MainTab::SpecialConditions))
            page.runPrepareFixedLessons();
    });
}

} // namespace orve::ui
