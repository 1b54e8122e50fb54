// A message box of a command lets events run; a click or key then must not start another
// command on the half-changed tables. The commands of one group share one of these.
#pragma once

#include <QScopedValueRollback>

namespace orve::ui {

class OneAtATime
{
public:
    // Runs `command` unless one of this group is still running.
    template <typename Command> void run(Command&& command)
    {
        if (running_)
            return;
        const QScopedValueRollback<bool> running(running_, true);
        command();
    }

    bool running() const { return running_; }

private:
    bool running_ = false;
};

} // namespace orve::ui
