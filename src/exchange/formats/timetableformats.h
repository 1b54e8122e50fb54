// The formats of the timetables as table files, in the order 打印输出 offers them: the menu,
// its export command and orve-cli (--csv DIR, --html DIR, …) all read this one table, so a
// format is added as one row of it.
#pragma once

#include "fileio/timetablefiles.h"

#include <vector>

namespace orve::exchange {

const std::vector<const fileio::TableFormat*>& timetableFormats();

} // namespace orve::exchange
