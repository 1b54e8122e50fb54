#include "conditionscommands.h"

#include "commandcontext.h"

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
    bindAction(actions.blockCourses, owner, [&ui] { conditions::blockCourseTimes(ui); });
    bindAction(actions.blockClasses, owner, [&ui] { conditions::blockClassTimes(ui); });
    bindAction(actions.blockTeachers, owner, [&ui] { conditions::blockTeacherTimes(ui); });
    bindAction(actions.combinedClasses, owner,
               [&ws, &ui] { conditions::showCombinedClasses(ws, ui); });
    const auto prepareFixedLessons = [&ws, &ui] { conditions::prepareFixedLessons(ws, ui); };
    bindAction(actions.fixedLessons, owner, prepareFixedLessons);
    bindTabClick(context.views, int(MainTab::SpecialConditions), owner, prepareFixedLessons);
}

} // namespace orve::ui
