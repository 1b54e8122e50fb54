#include "timetablerules.h"

#include "doublebookings.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/school.h"
#include "model/slots.h"

#include <tuple>

namespace orve::scheduler {

namespace {

constexpr int NotCounted = -2;

} // namespace

TimetableRules::TimetableRules(const model::School& school, int periodsPerDay)
    : grid_(school.masterTimetable),
      book_(std::make_unique<conditions::RuleBook>(school, periodsPerDay)), groups_(school),
      tally_(std::make_unique<conditions::RuleTally>(
          *book_, std::max(grid_.rowCount() - model::FirstClassRow, 0),
          std::max(grid_.columnCount() - 1, 0))),
      columns_(grid_.columnCount()),
      counted_(std::size_t(grid_.rowCount()) * std::size_t(columns_),
               conditions::LessonFacts{0, NotCounted, -1, -1, -1})
{
}

conditions::LessonFacts TimetableRules::factsOf(model::CellRef at, const QString& text)
{
    // A run and a repair write the same few lessons into a row again and again; the class
    // names, the book and the groups stay as they were when these rules were made.
    const QPair<int, QString> key(at.row, text);
    if (const auto known = knownFacts_.constFind(key); known != knownFacts_.constEnd())
        return *known;
    const conditions::LessonFacts facts = readFacts(at, text);
    knownFacts_.insert(key, facts);
    return facts;
}

conditions::LessonFacts TimetableRules::readFacts(model::CellRef at, const QString& text)
{
    conditions::LessonFacts facts;
    facts.classIndex = model::classIndexOfRow(at.row);
    if (text.isEmpty() || text == model::FreePeriodText)
        return facts;
    const QString& className = grid_.text({at.row, model::ClassNameColumn});
    const QStringView course = model::coursePart(text);
    if (booksTeacher(text)) {
        const QString name = model::teacherPart(text).toString();
        const auto found = teachers_.constFind(name);
        facts.teacher = found != teachers_.constEnd() ? *found : int(teachers_.size());
        if (found == teachers_.constEnd()) {
            teachers_.insert(name, facts.teacher);
            tally_->nameTeacher(facts.teacher, name);
        }
    }
    if (!book_->empty()) {
        facts.course = book_->course(course.toString());
        facts.venue = book_->venueOf(className, course);
    }
    facts.unit = groups_.groupOf(className, course);
    return facts;
}

void TimetableRules::countAll()
{
    for (int c = 1; c < grid_.columnCount(); ++c)
        for (int r = model::FirstClassRow; r < grid_.rowCount(); ++r)
            enter({r, c});
}

conditions::LessonFacts* TimetableRules::countedAt(model::CellRef at)
{
    if (at.column < 1 || at.column >= columns_ || at.row < model::FirstClassRow ||
        at.row >= grid_.rowCount())
        return nullptr;
    return &counted_[std::size_t(at.row) * std::size_t(columns_) + std::size_t(at.column)];
}

void TimetableRules::enter(model::CellRef at)
{
    conditions::LessonFacts* counted = countedAt(at);
    if (!counted)
        return;
    if (counted->teacher != NotCounted)
        leave(at);
    *counted = factsOf(at, grid_.text(at));
    tally_->add(*counted, at.column - 1);
}

void TimetableRules::leave(model::CellRef at)
{
    conditions::LessonFacts* counted = countedAt(at);
    if (!counted || counted->teacher == NotCounted)
        return;
    tally_->remove(*counted, at.column - 1);
    counted->teacher = NotCounted;
}

conditions::LessonFacts TimetableRules::countedFacts(model::CellRef at)
{
    const conditions::LessonFacts* counted = countedAt(at);
    return counted && counted->teacher != NotCounted ? *counted : factsOf(at, grid_.text(at));
}

std::vector<conditions::RuleKind> TimetableRules::rulesBrokenAt(model::CellRef at) const
{
    const conditions::LessonFacts* counted = countedAt(at);
    if (!counted || counted->teacher == NotCounted)
        return {};
    return tally_->rulesBrokenBy(*counted, at.column - 1);
}

conditions::RuleCounts TimetableRules::changeOfSwaps(const std::vector<SlotSwap>& swaps)
{
    tally_->beginChange();
    for (const SlotSwap& swap : swaps)
        for (const int row : swap.rows) {
            const conditions::LessonFacts* a = countedAt({row, swap.columnA});
            const conditions::LessonFacts* b = countedAt({row, swap.columnB});
            for (const auto& [facts, from, into] : {std::tuple{a, swap.columnA, swap.columnB},
                                                    std::tuple{b, swap.columnB, swap.columnA}})
                if (facts && facts->teacher != NotCounted) {
                    tally_->noteChange(*facts, from - 1, -1);
                    tally_->noteChange(*facts, into - 1, +1);
                }
        }
    return tally_->change();
}

conditions::RuleCounts countRules(const model::School& school, int periodsPerDay)
{
    TimetableRules rules(school, periodsPerDay);
    rules.countAll();
    return rules.tally().counts();
}

} // namespace orve::scheduler
