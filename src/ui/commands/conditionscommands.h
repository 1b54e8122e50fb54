// The menu 特殊条件考虑 and the click on tab 2: the editors of the periods teachers and courses
// are kept out of, a class's blocked times, combined classes and the fixed-lesson editor.
#pragma once

class QObject;

namespace orve::ui {

struct CommandContext;

void bindConditionsCommands(const CommandContext& context, QObject* owner);

} // namespace orve::ui
