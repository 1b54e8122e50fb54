#include "conditionscommands.h"

#include "conditions/blockedtimes.h"
#include "conditionspage.h"
#include "keptoutperiodsdialog.h"
#include "mainwindow.h"

#include <QAction>

namespace orve::ui {

void connectConditionsCommands(MainWindow& window, ConditionsPage& page)
{
    const auto on = [&window](const char* name, auto&& command) {
        QObject::connect(window.action(QString::fromLatin1(name)), &QAction::triggered, &window,
                         command);
    };
    const auto editKeptOutPeriods = [&window](conditions::KeptOutSubject subject) {
        auto* editor = new KeptOutPeriodsDialog(window.workspace(), subject, &window);
        editor->setAttribute(Qt::WA_DeleteOnClose);
        editor->open();
    };
    on("blockCourses",
       [editKeptOutPeriods] { editKeptOutPeriods(conditions::KeptOutSubject::Course); });
    on("blockClasses", [&window] { conditions::blockClassTimes(window.uiPort()); });
    on("blockTeachers",
       [editKeptOutPeriods] { editKeptOutPeriods(conditions::KeptOutSubject::Teacher); });
    on("combinedClasses", [&page] { page.runShowCombinedClasses(); });
    on("fixedLessons", [&page] { page.runPrepareFixedLessons(); });
    QObject::connect(&window, &MainWindow::tabClicked, &page, [&page](int index) {
        if (index == int(MainTab::SpecialConditions))
            page.runPrepareFixedLessons();
    });
}

} // namespace orve::ui
