// The double-booking check and the four distribution views of the menu 手动操作.
#pragma once

class QObject;

namespace orve::ui {

struct CommandContext;

void bindCheckCommands(const CommandContext& context, QObject* owner);

} // namespace orve::ui
