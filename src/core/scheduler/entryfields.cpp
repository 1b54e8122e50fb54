#include "entryfields.h"

namespace orve::scheduler {

std::optional<QStringView> qzf(QStringView entry, int field)
{
    const qsizetype first = entry.indexOf(u' ');
    if (first < 0)
        return std::nullopt;
    if (field == 1)
        return entry.left(first + 1);
    const qsizetype second = entry.indexOf(u' ', first + 1);
    if (second < 0)
        return std::nullopt;
    if (field == 2)
        return entry.mid(first + 1, second - first);
    if (field == 3)
        return entry.mid(second + 1, 2);
    return std::nullopt;
}

QStringView entryPeriodText(QStringView entry)
{
    return entry.right(2);
}

} // namespace orve::scheduler
