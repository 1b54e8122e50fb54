// A window system that is not there, for headless runs of the commands (the command-line tool,
// benchmarks, the fuzz target): every request takes the port's default.
#pragma once

#include "uiport.h"

namespace orve {

class SilentUiPort : public UiPort
{
};

} // namespace orve
