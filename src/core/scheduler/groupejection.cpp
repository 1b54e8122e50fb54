#include "groupejection.h"

#include "leftoutbound.h"
#include "runcontext.h"

#include "workspace.h"

#include <algorithm>
#include <climits>
#include <random>

namespace orve::scheduler {

namespace {

// Tabu tenure: TenureBase plus one step for every group with lessons missing.
constexpr int TenureBase = 7;
constexpr int Free = -1;
constexpr int Blocked = -2;

class GroupEjection
{
public:
    GroupEjection(RunContext& ctx, std::vector<GroupLessons>& groups);
    void run();

private:
    int& owner(int row, int column)
    {
        return owners_[std::size_t(row) * std::size_t(columns_) + std::size_t(column)];
    }
    int owner(int row, int column) const
    {
        return owners_[std::size_t(row) * std::size_t(columns_) + std::size_t(column)];
    }
    int& tabu(int group, int column)
    {
        return tabuUntil_[std::size_t(group) * std::size_t(columns_) + std::size_t(column)];
    }
    // Whether the position in the day and the cells that never move let a lesson of the group
    // stand in the column.
    bool mayStand(int group, int column) const;
    // The class periods ejected less those placed when the group's lesson goes into the
    // column (the ejected groups into ejected_); INT_MAX where it cannot go or where it would
    // cost more than `limit`.
    int cost(int group, int column, int limit = INT_MAX - 1);
    int periods(int group) const { return int(rows_[std::size_t(group)].size()); }
    // The column where a lesson of the group costs least, not tabu unless it makes the fewest
    // periods missing yet (ties drawn at random); -1 when there is none.
    int cheapestColumn(int group, int step, int best);
    // Puts a lesson of the group into the column, ejecting what stands there, unless a rule
    // keeps it out; what moves may not come back there until `tenure`.
    void move(int group, int column, int tenure);
    // The search's own state; the timetable follows in writeChanges().
    void put(int group, int column);
    void take(int group, int column);
    void noteChanged(int group);
    // Writes into the timetable what moved since the last call: the rules weigh a lesson
    // against it, and it ends with the best arrangement.
    void writeChanges();
    int missingPeriods() const;
    // The groups as the bound of lessons left out takes them, and their rows' open cells.
    std::vector<LessonKind> kinds() const;
    std::vector<int> openCells() const;
    void restore(const std::vector<std::vector<int>>& movable);

    RunContext& ctx_;
    std::vector<GroupLessons>& groups_;
    int columns_;
    int perDay_;
    // The class rows of each group's members: a lesson of the group misses one period a row.
    std::vector<std::vector<int>> rows_;
    std::vector<int> owners_; // per cell: the group whose movable lesson stands there
    std::vector<int> tabuUntil_;
    std::vector<int> ejected_;
    int floor_ = 0; // class periods that miss in every arrangement (leftoutbound.h)
    std::vector<std::vector<int>> written_; // each group's movable columns in the timetable
    std::vector<int> changed_;              // groups moved since writeChanges()
    std::vector<char> isChanged_;
    // Draws among equally good moves of its own, so that the run's draws stay as they were.
    std::minstd_rand draws_;
};

GroupEjection::GroupEjection(RunContext& ctx, std::vector<GroupLessons>& groups)
    : ctx_(ctx), groups_(groups), columns_(ctx.columns()), perDay_(ctx.ws.session.periodsPerDay),
      owners_(std::size_t(ctx.ws.school.masterTimetable.rowCount()) * std::size_t(columns_), Free),
      tabuUntil_(groups.size() * std::size_t(columns_), 0), isChanged_(groups.size(), 0)
{
    const model::Grid& timetable = ctx.ws.school.masterTimetable;
    for (const GroupLessons& group : groups_) {
        std::vector<int>& rows = rows_.emplace_back();
        for (const GroupMember& member : group.members) {
            if (!member.row)
                continue;
            rows.push_back(*member.row);
            for (int c = 1; c < columns_; ++c)
                if (!timetable.text({*member.row, c}).isEmpty())
                    owner(*member.row, c) = Blocked;
        }
    }
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        written_.push_back(groups_[g].movable);
        for (const int c : groups_[g].movable)
            for (const int row : rows_[g])
                owner(row, c) = int(g);
    }
    floor_ = leftOutLowerBound(kinds(), openCells());
}

std::vector<int> GroupEjection::openCells() const
{
    std::vector<int> open(owners_.size() / std::size_t(columns_), 0);
    for (const std::vector<int>& rows : rows_)
        for (const int row : rows)
            if (open[std::size_t(row)] == 0)
                for (int c = 1; c < columns_; ++c)
                    open[std::size_t(row)] += owner(row, c) == Blocked ? 0 : 1;
    return open;
}

std::vector<LessonKind> GroupEjection::kinds() const
{
    LessonKinds kinds(columns_ - 1);
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        LessonKind& kind = kinds.of(rows_[g]);
        kind.lessons += groups_[g].missing + int(groups_[g].movable.size());
        for (int c = 1; c < columns_; ++c)
            if (mayStand(int(g), c))
                kind.usable[std::size_t(c - 1)] = 1;
    }
    return kinds.all();
}

bool GroupEjection::mayStand(int group, int column) const
{
    const bool main = groups_[std::size_t(group)].main;
    const std::vector<int>& rows = rows_[std::size_t(group)];
    return positionAccepted(column, perDay_, relaxedLimit(main, perDay_), main) &&
           std::none_of(rows.begin(), rows.end(),
                        [&](int row) { return owner(row, column) == Blocked; });
}

int GroupEjection::cost(int group, int column, int limit)
{
    if (!mayStand(group, column))
        return INT_MAX;
    ejected_.clear();
    int change = -periods(group);
    for (const int row : rows_[std::size_t(group)]) {
        const int there = owner(row, column);
        if (there == group)
            return INT_MAX;
        if (there == Free || std::find(ejected_.begin(), ejected_.end(), there) != ejected_.end())
            continue;
        ejected_.push_back(there);
        change += periods(there);
        if (change > limit)
            return INT_MAX;
    }
    return change;
}

void GroupEjection::put(int group, int column)
{
    GroupLessons& lessons = groups_[std::size_t(group)];
    for (const int row : rows_[std::size_t(group)])
        owner(row, column) = group;
    lessons.movable.push_back(column);
    --lessons.missing;
    noteChanged(group);
}

void GroupEjection::take(int group, int column)
{
    GroupLessons& lessons = groups_[std::size_t(group)];
    for (const int row : rows_[std::size_t(group)])
        owner(row, column) = Free;
    lessons.movable.erase(std::find(lessons.movable.begin(), lessons.movable.end(), column));
    ++lessons.missing;
    noteChanged(group);
}

void GroupEjection::noteChanged(int group)
{
    if (!isChanged_[std::size_t(group)]) {
        isChanged_[std::size_t(group)] = 1;
        changed_.push_back(group);
    }
}

void GroupEjection::writeChanges()
{
    const auto lacks = [](const std::vector<int>& columns, int column) {
        return std::find(columns.begin(), columns.end(), column) == columns.end();
    };
    // Every lesson out before any comes in: a lesson may come into a cell another left.
    for (const int g : changed_)
        for (const int c : written_[std::size_t(g)])
            if (lacks(groups_[std::size_t(g)].movable, c))
                takeGroupLesson(ctx_, groups_[std::size_t(g)].members, c);
    for (const int g : changed_) {
        for (const int c : groups_[std::size_t(g)].movable)
            if (lacks(written_[std::size_t(g)], c))
                putGroupLesson(ctx_, groups_[std::size_t(g)].members, c);
        written_[std::size_t(g)] = groups_[std::size_t(g)].movable;
        isChanged_[std::size_t(g)] = 0;
    }
    changed_.clear();
}

int GroupEjection::missingPeriods() const
{
    int missing = 0;
    for (std::size_t g = 0; g < groups_.size(); ++g)
        missing += groups_[g].missing * periods(int(g));
    return missing;
}

void GroupEjection::restore(const std::vector<std::vector<int>>& movable)
{
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const std::vector<int> now = groups_[g].movable;
        for (const int c : now)
            take(int(g), c);
        for (const int c : movable[g])
            put(int(g), c);
    }
    writeChanges();
}

int GroupEjection::cheapestColumn(int group, int step, int best)
{
    const int current = missingPeriods();
    int cheapest = INT_MAX;
    int chosen = -1;
    int ties = 0;
    for (int c = 1; c < columns_; ++c) {
        const int change = cost(group, c, cheapest);
        // A tabu column only when it makes the fewest periods missing yet.
        if (change == INT_MAX || change > cheapest ||
            (tabu(group, c) > step && current + change >= best))
            continue;
        ties = change < cheapest ? 1 : ties + 1;
        cheapest = change;
        if (ties == 1 || draws_() % unsigned(ties) == 0)
            chosen = c;
    }
    return chosen;
}

void GroupEjection::move(int group, int column, int tenure)
{
    cost(group, column);
    const std::vector<int> ejected = ejected_;
    for (const int there : ejected) {
        take(there, column);
        tabu(there, column) = tenure;
    }
    // The rules weigh the lesson with the ejected ones gone.
    if (!ctx_.rules.book().empty())
        writeChanges();
    if (ruleAllowsAll(ctx_, groups_[std::size_t(group)].members, column)) {
        put(group, column);
        return;
    }
    for (const int there : ejected)
        put(there, column);
    tabu(group, column) = tenure;
}

void GroupEjection::run()
{
    int best = missingPeriods();
    std::vector<std::vector<int>> bestMovable;
    for (const GroupLessons& group : groups_)
        bestMovable.push_back(group.movable);
    int missingLessons = 0;
    for (const GroupLessons& group : groups_)
        missingLessons += group.missing;
    const int stallSteps =
        std::clamp(GroupEjectionStallStepsPerLesson * missingLessons,
                   GroupEjectionMinimumStallSteps, GroupEjectionStallSteps);
    std::vector<int> waiting;
    for (int step = 1, lastImprovement = 0;
         best > floor_ && step - lastImprovement <= stallSteps; ++step) {
        if (!ctx_.carryOn())
            return;
        waiting.clear();
        for (int g = 0; g < int(groups_.size()); ++g)
            if (groups_[std::size_t(g)].missing > 0)
                waiting.push_back(g);
        // One waiting group at random: the cheapest move over all of them is mostly an even
        // exchange of two groups' lessons, which would keep the search on its plateau.
        const int group = waiting[draws_() % waiting.size()];
        const int column = cheapestColumn(group, step, best);
        if (column < 0)
            continue;
        move(group, column, step + TenureBase + int(waiting.size()));
        if (const int now = missingPeriods(); now < best) {
            best = now;
            lastImprovement = step;
            for (std::size_t g = 0; g < groups_.size(); ++g)
                bestMovable[g] = groups_[g].movable;
        }
    }
    restore(bestMovable);
}

} // namespace

void placeMissingGroupLessons(RunContext& ctx, std::vector<GroupLessons>& groups)
{
    if (std::any_of(groups.begin(), groups.end(),
                    [](const GroupLessons& group) { return group.missing > 0; }))
        GroupEjection(ctx, groups).run();
}

} // namespace orve::scheduler
