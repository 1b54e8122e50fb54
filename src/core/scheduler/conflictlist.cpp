#include "conflictlist.h"

#include "model/fixedlessonentry.h"
#include "model/numbers.h"

#include <limits>
#include <optional>

namespace orve::scheduler {

namespace {

int entryNumber(const std::optional<QStringView>& field)
{
    return field ? model::leadingInteger(*field, std::numeric_limits<qint16>::min(),
                                         std::numeric_limits<qint16>::max())
                 : 0;
}

} // namespace

QString conflictEntry(model::CellRef at, QStringView className, QStringView lesson)
{
    return QStringLiteral(u"%1 %2  %3：%4")
        .arg(at.row)
        .arg(at.column)
        .arg(className.toString(), lesson.toString());
}

model::CellRef conflictCell(QStringView entry)
{
    return {entryNumber(model::entryField(entry, 1)), entryNumber(model::entryField(entry, 2))};
}

} // namespace orve::scheduler
