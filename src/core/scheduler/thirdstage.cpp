#include "thirdstage.h"

#include "entryfields.h"
#include "runcontext.h"
#include "secondstage.h"
#include "timetablecount.h"

#include "model/grid.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "uiport.h"
#include "workspace.h"

#include <array>
#include <limits>
#include <vector>

namespace orve::scheduler {

namespace {

using Repair = bool (*)(RunContext&, int, int);
// True when a repair of (row, column) can only fail as long as the timetable around it stays.
using Hopeless = bool (*)(const RunContext&, int, int);

// What a repair's outcome depends on: the recorded lesson's row, the row whose lesson would
// move, the column and where its teacher teaches.
using Stamp = std::array<quint64, 4>;

struct EntryPlace
{
    int row = 0;
    int column = 0;
};

int entryNumber(const std::optional<QStringView>& field)
{
    return field ? model::leadingInteger(*field, std::numeric_limits<qint16>::min(),
                                         std::numeric_limits<qint16>::max())
                 : 0;
}

EntryPlace entryPlace(const QString& entry)
{
    return {entryNumber(qzf(entry, 1)), entryNumber(qzf(entry, 2))};
}

Stamp stampOf(const RunContext& ctx, int row, int column)
{
    const SlotBook& book = ctx.book;
    const std::optional<int> mover = movableRow(ctx, row, column);
    return {book.rowVersion(row), mover ? book.rowVersion(*mover) : 0, book.columnVersion(column),
            book.teacherVersion(book.teacherAt({row, column}))};
}

// Every pass starts again from the first entry after a success, as failed entries may now
// succeed. An entry that failed with no possible exchange at all is not searched again until
// something it depends on has changed: that search could only fail again.
void workOff(RunContext& ctx, Repair repair, Hopeless hopeless)
{
    QStringList& list = ctx.ws.Combo2;
    std::vector<EntryPlace> places;
    places.reserve(std::size_t(list.size()));
    for (const QString& entry : list)
        places.push_back(entryPlace(entry));
    std::vector<std::optional<Stamp>> failed(places.size());
    std::size_t i = 0;
    while (i < places.size()) {
        const EntryPlace place = places[i];
        if (failed[i] && *failed[i] == stampOf(ctx, place.row, place.column)) {
            ++i;
            continue;
        }
        ctx.ui.processEvents();
        if (repair(ctx, place.row, place.column)) {
            list.removeAt(qsizetype(i));
            places.erase(places.begin() + std::ptrdiff_t(i));
            failed.erase(failed.begin() + std::ptrdiff_t(i));
            i = 0;
            continue;
        }
        failed[i].reset();
        if (hopeless(ctx, place.row, place.column))
            failed[i] = stampOf(ctx, place.row, place.column);
        ++i;
    }
}

// Whether some partner column offers what the repair looks for; `accepts` judges one.
template <typename Accepts>
bool noPartner(const RunContext& ctx, int row, int column, Accepts accepts)
{
    const SlotBook& book = ctx.book;
    const int teacher = book.teacherAt({row, column});
    if (teacher < 0 || column < 1 || !ctx.hasClash(row, column))
        return false;
    const std::optional<int> mover = movableRow(ctx, row, column);
    if (!mover)
        return true;
    for (int partner = 1; partner < book.columns(); ++partner)
        if (partner != column && !book.isFixed({*mover, partner}) &&
            accepts(*mover, partner, teacher))
            return false;
    return true;
}

bool clzkHopeless(const RunContext& ctx, int row, int column)
{
    const SlotBook& book = ctx.book;
    return noPartner(ctx, row, column, [&](int mover, int partner, int teacher) {
        return !book.busy(teacher, partner) && !book.busy(book.teacherAt({mover, partner}), column);
    });
}

bool znclhsHopeless(const RunContext& ctx, int row, int column)
{
    const SlotBook& book = ctx.book;
    return noPartner(ctx, row, column, [&](int mover, int partner, int teacher) {
        if (book.teacherAt({mover, partner}) == teacher)
            return false;
        const int code = book.swapConflict({mover, column}, {mover, partner});
        return code == 0 || (code == 1 && RepairDepthLimit > 1);
    });
}

bool inTimetable(const RunContext& ctx, int row, int column)
{
    return ctx.book.teacherAt({row, column}) >= 0 && column >= 1;
}

// After the lesson of `mover` left the column: the recorded lesson itself was moved, or (it
// being fixed) its clash is gone.
bool resolved(const RunContext& ctx, int row, int column, int mover)
{
    return mover == row || !ctx.hasClash(row, column);
}

bool zncl1(RunContext& ctx, int row, int column)
{
    const qint64 columns = ctx.columns();
    ctx.startRepairCall(qint64(RepairDrawsPerCall) * columns * columns);
    return znclhs(ctx, row, column, 0);
}

// The forced exchange of znclhs: the lesson at (row, column) goes to `partner`, whose lesson
// comes in and clashes there; the first other class holding that teacher is repaired next.
bool forceAndRepair(RunContext& ctx, int row, int column, int partner, int depth)
{
    ctx.book.swapCells({row, column}, {row, partner});
    const int incoming = ctx.book.teacherAt({row, column});
    const std::optional<int> other = ctx.book.firstRow(incoming, column, row);
    return other && znclhs(ctx, *other, column, depth + 1);
}

} // namespace

std::optional<int> movableRow(const RunContext& ctx, int row, int column)
{
    const SlotBook& book = ctx.book;
    if (!book.isFixed({row, column}))
        return row;
    const int teacher = book.teacherAt({row, column});
    for (int r = model::FirstClassRow; r < book.rows(); ++r)
        if (r != row && book.teacherAt({r, column}) == teacher && !book.isFixed({r, column}))
            return r;
    return std::nullopt;
}

bool clzk(RunContext& ctx, int row, int column)
{
    if (!inTimetable(ctx, row, column))
        return false;
    SlotBook& book = ctx.book;
    const int teacher = book.teacherAt({row, column});
    if (!ctx.hasClash(row, column))
        return true;
    const std::optional<int> mover = movableRow(ctx, row, column);
    if (!mover)
        return false;
    const int limit = 4 * ctx.columns();
    for (int k = 0;; ++k) {
        const int partner = ctx.drawSlotColumn();
        if (partner != column && !book.isFixed({*mover, partner})) {
            const int other = book.teacherAt({*mover, partner});
            if (!book.busy(teacher, partner) && !book.busy(other, column)) {
                book.swapCells({*mover, partner}, {*mover, column});
                return resolved(ctx, row, column, *mover);
            }
            ctx.ui.processEvents();
        }
        if (k > limit)
            return false;
    }
}

bool znclhs(RunContext& ctx, int row, int column, int depth)
{
    if (!inTimetable(ctx, row, column) || depth >= RepairDepthLimit)
        return false;
    SlotBook& book = ctx.book;
    const int teacher = book.teacherAt({row, column});
    if (!ctx.hasClash(row, column))
        return true;
    const std::optional<int> found = movableRow(ctx, row, column);
    if (!found)
        return false;
    const int mover = *found;
    const int columns = ctx.columns();
    const bool mayForce = depth + 1 < RepairDepthLimit;
    int lastCode = 0;
    int lastCandidate = 0;
    for (int n = 0;;) {
        if (!ctx.spendRepairDraw())
            return false;
        const int partner = ctx.drawSlotColumn();
        // Two lessons of one teacher never change places; the teacher compared is the one
        // first met here, even after a forced exchange brought another lesson in.
        if (!book.isFixed({mover, partner}) && book.teacherAt({mover, partner}) != teacher &&
            partner != column) {
            lastCode = book.swapConflict({mover, column}, {mover, partner});
            lastCandidate = partner;
            if (lastCode == 0) {
                book.swapCells({mover, column}, {mover, partner});
                return resolved(ctx, row, column, mover);
            }
        }
        ++n;
        if (n < 3 * columns)
            continue;
        if (mayForce && lastCode == 1 && forceAndRepair(ctx, mover, column, lastCandidate, depth))
            return resolved(ctx, row, column, mover);
        ++n;
        if (n > 6 * columns)
            return false;
    }
}

void listRemainingClashes(RunContext& ctx)
{
    const SlotBook& book = ctx.book;
    const model::Grid& grid = book.grid();
    QStringList& list = ctx.ws.Combo2;
    std::vector<bool> listed(std::size_t(book.rows()) * std::size_t(book.columns()), false);
    QStringList remaining;
    for (const QString& entry : std::as_const(list)) {
        const EntryPlace place = entryPlace(entry);
        if (!inTimetable(ctx, place.row, place.column) ||
            !booksTeacher(grid.text({place.row, place.column})) ||
            !ctx.hasClash(place.row, place.column))
            continue;
        auto seen = listed.begin() + grid.flatIndex({place.row, place.column});
        if (!*seen)
            remaining.append(entry);
        *seen = true;
    }
    for (int c = 1; c < book.columns(); ++c)
        for (int r = model::FirstClassRow; r < book.rows(); ++r)
            if (!listed[std::size_t(grid.flatIndex({r, c}))] && booksTeacher(grid.text({r, c})) &&
                ctx.hasClash(r, c))
                remaining.append(
                    conflictEntry(r, c, grid.text({r, model::ClassNameColumn}), grid.text({r, c})));
    list = remaining;
}

void zkcl(RunContext& ctx)
{
    workOff(ctx, &clzk, &clzkHopeless);
}

void zncl(RunContext& ctx)
{
    workOff(ctx, &zncl1, &znclhsHopeless);
}

} // namespace orve::scheduler
