#include "checkcommands.h"

#include "commandcontext.h"

#include "views/distribution.h"
#include "views/doublebookingcheck.h"

namespace orve::ui {

void bindCheckCommands(const CommandContext& context, QObject* owner)
{
    Workspace& ws = context.ws;
    UiPort& ui = context.ui;
    const Actions& actions = context.actions;
    bindAction(actions.checkDoubleBookings, owner,
               [&ws, &ui] { views::checkDoubleBookings(ws, ui); });
    using views::SpreadKey;
    using views::SpreadScope;
    const auto spread = [&](QAction* action, SpreadKey key, SpreadScope scope) {
        bindAction(action, owner,
                   [&ws, &ui, key, scope] { views::showDistribution(ws, ui, key, scope); });
    };
    spread(actions.teacherSpreadSchool, SpreadKey::Teacher, SpreadScope::School);
    spread(actions.teacherSpreadClass, SpreadKey::Teacher, SpreadScope::Class);
    spread(actions.courseSpreadSchool, SpreadKey::Course, SpreadScope::School);
    spread(actions.courseSpreadClass, SpreadKey::Course, SpreadScope::Class);
}

} // namespace orve::ui
