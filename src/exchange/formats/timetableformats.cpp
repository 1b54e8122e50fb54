#include "timetableformats.h"

namespace orve::exchange {

const std::vector<const fileio::TableFormat*>& timetableFormats()
{
    static const std::vector<const fileio::TableFormat*> formats{&fileio::csvTables(),
                                                                 &fileio::htmlTables()};
    return formats;
}

} // namespace orve::exchange
