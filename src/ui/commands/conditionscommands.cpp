#include "conditionscommands.h"

#include "commandcontext.h"

#include "windows/keptoutperiodsdialog.h"

#include "conditions/blockedtimes.h"
#include "conditions/combinedclasses.h"
#include "conditions/fixedlessons.h"
#include "uiport.h"

namespace orve::ui {

void bindConditionsCommands(const CommandContext& context, QObject* owner)
{
    Workspace& ws = context.ws;
    UiPort& ui = context.ui;
    const Actions& actions = context.actions;
    QWidget* window = context.views.window;
    const auto editKeptOutPeriods = [&ws, window](conditions::KeptOutSubject subject) {
        auto* editor = new KeptOutPeriodsDialog(ws, subject, window);
        editor->setAttribute(Qt::WA_DeleteOnClose);
        editor->open();
    };
    bindAction(actions.blockCourses, owner,
               [editKeptOutPeriods] { editKeptOutPeriods(conditions::KeptOutSubject::Course); });
    bindAction(actions.blockClasses, owner, [&ui] { conditions::blockClassTimes(ui); });
    bindAction(actions.blockTeachers, owner,
               [editKeptOutPeriods] { editKeptOutPeriods(conditions::KeptOutSubject::Teacher); });
    bindAction(actions.combinedClasses, owner,
               [&ws, &ui] { conditions::showCombinedClasses(ws, ui); });
    const auto prepareFixedLessons = [&ws, &ui] { conditions::prepareFixedLessons(ws, ui); };
    bindAction(actions.fixedLessons, owner, prepareFixedLessons);
    bindTabClick(context.views, int(MainTab::SpecialConditions), owner, prepareFixedLessons);
}

} // namespace orve::ui
