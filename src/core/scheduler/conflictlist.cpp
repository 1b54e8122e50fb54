#include "conflictlist.h"

#include "doublebookings.h"
#include "teacherindex.h"
#include "timetablerules.h"

#include "model/fixedlessonentry.h"
#include "model/grid.h"
#include "model/slots.h"
#include "model/numbers.h"

#include <limits>
#include <optional>
#include <vector>

namespace orve::scheduler {

namespace {

int entryNumber(const std::optional<QStringView>& field)
{
    return field ? model::leadingInteger(*field, std::numeric_limits<qint16>::min(),
                                         std::numeric_limits<qint16>::max())
                 : 0;
}

// The first rule the cell's lesson breaks where it stands; none without rules attached. A
// missing double period is a need of the course, not a fault of one lesson.
std::optional<conditions::RuleKind> ruleBrokenAt(const TeacherIndex& index, model::CellRef at)
{
    const TimetableRules* rules = index.rules();
    if (!rules || rules->book().empty())
        return std::nullopt;
    for (const conditions::RuleKind kind : rules->rulesBrokenAt(at))
        if (kind != conditions::RuleKind::DoublePeriods)
            return kind;
    return std::nullopt;
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

QStringList updateConflictList(QStringList& list, const TeacherIndex& index,
                               const CombinedGroups& groups)
{
    const model::Grid& timetable = index.grid();
    std::vector<bool> listed(std::size_t(index.rows()) * std::size_t(index.columns()), false);
    const auto inSlots = [&](model::CellRef at) {
        return at.row >= model::FirstClassRow && at.row < index.rows() && at.column >= 1 &&
               at.column < index.columns();
    };
    // The entry of a lesson double-booked or breaking a rule; empty for one doing neither.
    const auto entryFor = [&](model::CellRef at) {
        QString entry;
        if (isDoubleBooked(index, groups, at))
            entry = conflictEntry(at, timetable.text({at.row, model::ClassNameColumn}),
                                  timetable.text(at));
        else if (const auto broken = ruleBrokenAt(index, at))
            entry = conflictEntry(at, timetable.text({at.row, model::ClassNameColumn}),
                                  timetable.text(at)) +
                    QStringLiteral(u"（违反“%1”）").arg(conditions::ruleKindCaption(*broken));
        if (!entry.isEmpty())
            listed[std::size_t(timetable.flatIndex(at))] = true;
        return entry;
    };
    QStringList kept;
    for (const QString& entry : std::as_const(list)) {
        const model::CellRef at = conflictCell(entry);
        if (inSlots(at) && !listed[std::size_t(timetable.flatIndex(at))])
            if (const QString now = entryFor(at); !now.isEmpty())
                kept.append(now);
    }
    QStringList added;
    for (int c = 1; c < index.columns(); ++c)
        for (int r = model::FirstClassRow; r < index.rows(); ++r)
            if (!listed[std::size_t(timetable.flatIndex({r, c}))])
                if (const QString now = entryFor({r, c}); !now.isEmpty())
                    added.append(now);
    list = kept + added;
    return added;
}

} // namespace orve::scheduler
