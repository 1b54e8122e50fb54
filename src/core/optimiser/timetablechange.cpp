#include "timetablechange.h"

#include "timetableloader.h"

#include "model/cellmarks.h"
#include "model/grid.h"
#include "model/slots.h"

#include <QHash>
#include <QList>
#include <vector>

namespace orve::optimiser {

namespace {

// Which of the row's present cells each cell takes (its own where the text stays), and which
// cells must be written because no present cell holds their new text.
struct RowPlan
{
    std::vector<int> source;
    std::vector<char> written;
};

RowPlan planRow(const QStringList& before, const QStringList& after)
{
    const int slotCount = int(before.size());
    RowPlan plan{std::vector<int>(std::size_t(slotCount), -1),
                 std::vector<char>(std::size_t(slotCount), 0)};
    std::vector<char> used(std::size_t(slotCount), 0);
    for (int s = 0; s < slotCount; ++s)
        if (after.at(s) == before.at(s)) {
            plan.source[std::size_t(s)] = s;
            used[std::size_t(s)] = 1;
        }
    QHash<QString, QList<int>> unusedByText;
    for (int s = 0; s < slotCount; ++s)
        if (!used[std::size_t(s)])
            unusedByText[before.at(s)].append(s);
    for (int s = 0; s < slotCount; ++s) {
        if (plan.source[std::size_t(s)] >= 0)
            continue;
        QList<int>& candidates = unusedByText[after.at(s)];
        if (candidates.isEmpty())
            continue;
        plan.source[std::size_t(s)] = candidates.takeFirst();
        used[std::size_t(plan.source[std::size_t(s)])] = 1;
    }
    // What is left is written over whatever present cell is left.
    int next = 0;
    for (int s = 0; s < slotCount; ++s) {
        if (plan.source[std::size_t(s)] >= 0)
            continue;
        while (used[std::size_t(next)])
            ++next;
        used[std::size_t(next)] = 1;
        plan.source[std::size_t(s)] = next;
        plan.written[std::size_t(s)] = 1;
    }
    return plan;
}

} // namespace

model::ExchangeStep timetableChange(const model::Grid& timetable, const LoadedTimetable& loaded,
                                    const QString& caption)
{
    model::ExchangeStep step;
    step.caption = caption;
    const int slotCount = loaded.table.slotCount();
    QStringList before;
    QStringList after;
    for (int c = 0; c < loaded.table.classCount(); ++c) {
        const int row = model::classRow(c);
        before.clear();
        after.clear();
        for (int s = 0; s < slotCount; ++s) {
            before.append(timetable.text({row, s + 1}));
            after.append(loaded.cellText(c, s));
        }
        if (before == after)
            continue;
        const RowPlan plan = planRow(before, after);
        // The row's cells as they stand (by their present slot) and where each one is.
        std::vector<int> holding(static_cast<std::size_t>(slotCount));
        std::vector<int> position(static_cast<std::size_t>(slotCount));
        for (int s = 0; s < slotCount; ++s)
            holding[std::size_t(s)] = position[std::size_t(s)] = s;
        for (int s = 0; s < slotCount; ++s) {
            const int wanted = plan.source[std::size_t(s)];
            const int from = position[std::size_t(wanted)];
            if (from == s)
                continue;
            step.exchanges.push_back({{row, s + 1}, {row, from + 1}});
            const int displaced = holding[std::size_t(s)];
            holding[std::size_t(from)] = displaced;
            position[std::size_t(displaced)] = from;
            holding[std::size_t(s)] = wanted;
            position[std::size_t(wanted)] = s;
        }
        for (int s = 0; s < slotCount; ++s) {
            if (!plan.written[std::size_t(s)])
                continue;
            const int source = plan.source[std::size_t(s)];
            step.writes.push_back(
                {{row, s + 1},
                 before.at(source),
                 timetable.cell({row, source + 1}).style,
                 after.at(s),
                 loaded.combinedAt(c, s) ? model::FixedMark : model::TextStyle::Flat});
        }
    }
    return step;
}

} // namespace orve::optimiser
