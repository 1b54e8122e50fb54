#include "timetableloader.h"

#include "model/fixedlessonentry.h"
#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/school.h"
#include "model/slots.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/doublebookings.h"
#include "scheduler/runcontext.h"
#include "school/planrowindex.h"
#include "school/teachingplan.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <utility>

namespace orve::optimiser {

namespace {

constexpr int FreeCell = -1;
constexpr int KeptFree = -2; // "空课"

int periodsIn(QStringView text)
{
    return model::leadingInteger(text, 0, std::numeric_limits<qint16>::max());
}

struct Member
{
    int classIndex = 0;
    QString course;
    int planRow = 0;
    int counter = 0;
};

struct Group
{
    QString name;
    std::vector<Member> members;
    int lessons = 0; // periods per week
    bool main = false;
};

class Loader
{
public:
    Loader(const model::School& school, int periodsPerDay);
    LoadedTimetable load();

private:
    int textId(const QString& text);
    int teacherId(QStringView teacher);
    int counter(int classIndex, QStringView course);
    std::optional<int> planRow(const QString& className, QStringView course) const;
    std::vector<int> teachersOf(const std::vector<int>& texts);
    std::size_t at(int classIndex, int slot) const
    {
        return std::size_t(classIndex) * std::size_t(slots_) + std::size_t(slot);
    }
    const QString& gridText(int classIndex, int slot) const
    {
        return grid_.text({model::classRow(classIndex), slot + 1});
    }

    // Each member's facts for the rules, from the texts the lesson puts into its cells.
    void addFacts(Lesson& lesson);

    void readCells();
    void readFixedEntries();
    void readGroups();
    void addKeptFree();
    void addGroupLessons(const Group& group, int number);
    void addOrdinaryLessons();
    void addMissingLessons();

    const model::School& school_;
    std::unique_ptr<conditions::RuleBook> book_;
    scheduler::CombinedGroups together_; // which lessons are taught together
    const model::Grid& grid_;
    const model::Grid& plan_;
    int classes_;
    int slots_;
    int periodsPerDay_;
    QHash<QString, int> classIndex_;
    const school::PlanRowIndex planRows_;
    QHash<std::pair<int, QString>, int> counters_;
    QHash<QString, int> teacherIds_;
    QHash<QString, int> textIds_;
    QStringList texts_;
    std::vector<int> occupant_; // per cell: counter, FreeCell or KeptFree
    std::vector<char> pinned_;  // per cell: held by a fixed-lesson entry
    std::vector<int> present_;  // cells per counter
    std::vector<char> grouped_; // per counter: a member of a combined group
    std::vector<Group> groups_;
    std::vector<Lesson> lessons_;
};

Loader::Loader(const model::School& school, int periodsPerDay)
    : school_(school),
      book_(std::make_unique<conditions::RuleBook>(school, std::max(periodsPerDay, 1))),
      together_(school), grid_(school.masterTimetable), plan_(school.plan),
      classes_(std::max(grid_.rowCount() - model::FirstClassRow, 0)),
      slots_(std::max(grid_.columnCount() - 1, 0)), periodsPerDay_(std::max(periodsPerDay, 1)),
      planRows_(plan_), occupant_(std::size_t(classes_) * std::size_t(slots_), FreeCell),
      pinned_(occupant_.size(), 0)
{
    for (int c = 0; c < classes_; ++c)
        classIndex_.insert(grid_.text({model::classRow(c), model::ClassNameColumn}), c);
}

int Loader::textId(const QString& text)
{
    if (const auto found = textIds_.constFind(text); found != textIds_.constEnd())
        return *found;
    texts_.append(text);
    return *textIds_.insert(text, int(texts_.size()) - 1);
}

int Loader::teacherId(QStringView teacher)
{
    const QString name = teacher.toString();
    if (const auto found = teacherIds_.constFind(name); found != teacherIds_.constEnd())
        return *found;
    return *teacherIds_.insert(name, int(teacherIds_.size()));
}

int Loader::counter(int classIndex, QStringView course)
{
    const auto key = std::make_pair(classIndex, course.toString());
    if (const auto found = counters_.constFind(key); found != counters_.constEnd())
        return *found;
    present_.push_back(0);
    grouped_.push_back(0);
    return *counters_.insert(key, int(present_.size()) - 1);
}

std::optional<int> Loader::planRow(const QString& className, QStringView course) const
{
    return planRows_.first(className, course);
}

void Loader::addFacts(Lesson& lesson)
{
    lesson.facts.clear();
    for (std::size_t i = 0; i < lesson.classes.size(); ++i) {
        const QString& text = texts_.at(lesson.texts[i]);
        conditions::LessonFacts facts;
        facts.classIndex = lesson.classes[i];
        if (text != model::FreePeriodText) {
            const QString& className =
                grid_.text({model::classRow(lesson.classes[i]), model::ClassNameColumn});
            const QStringView course = model::coursePart(text);
            if (scheduler::booksTeacher(text))
                facts.teacher = teacherId(model::teacherPart(text));
            if (!book_->empty()) {
                facts.course = book_->course(course.toString());
                facts.venue = book_->venueOf(className, course);
            }
            facts.unit = lesson.combined ? lesson.group : -1;
        }
        // A group's members that no course rule tells apart count as one entry: the searches
        // weigh thousands of moves of them.
        const auto same = std::find_if(lesson.facts.begin(), lesson.facts.end(), [&](const auto& f) {
            return facts.unit >= 0 && facts.course < 0 && f.course < 0 && f.unit == facts.unit &&
                   f.teacher == facts.teacher && f.venue == facts.venue;
        });
        if (same != lesson.facts.end())
            ++same->cells;
        else
            lesson.facts.push_back(facts);
    }
}

std::vector<int> Loader::teachersOf(const std::vector<int>& texts)
{
    std::vector<int> teachers;
    for (const int text : texts)
        if (scheduler::booksTeacher(texts_.at(text)))
            teachers.push_back(teacherId(model::teacherPart(texts_.at(text))));
    std::sort(teachers.begin(), teachers.end());
    teachers.erase(std::unique(teachers.begin(), teachers.end()), teachers.end());
    return teachers;
}

void Loader::readCells()
{
    for (int c = 0; c < classes_; ++c)
        for (int s = 0; s < slots_; ++s) {
            const QString& text = gridText(c, s);
            if (text.isEmpty())
                continue;
            if (text == model::FreePeriodText) {
                occupant_[at(c, s)] = KeptFree;
                continue;
            }
            const int k = counter(c, model::coursePart(text));
            occupant_[at(c, s)] = k;
            ++present_[std::size_t(k)];
        }
}

void Loader::readFixedEntries()
{
    for (const QString& text : school_.fixedLessons) {
        const std::optional<model::FixedLessonEntry> entry = model::parseFixedEntry(text);
        if (!entry || entry->course == model::FreePeriodText || entry->period < 1 ||
            entry->period > periodsPerDay_ || entry->day < 1)
            continue;
        const auto cls = classIndex_.constFind(entry->className.toString());
        const int slot = (entry->day - 1) * periodsPerDay_ + entry->period - 1;
        // An entry whose lesson is not in its cell holds nothing there.
        if (cls == classIndex_.constEnd() || slot >= slots_ ||
            model::coursePart(gridText(*cls, slot)) != entry->course)
            continue;
        pinned_[at(*cls, slot)] = 1;
    }
}

void Loader::readGroups()
{
    for (const scheduler::CombinedGroups::Group& combined : together_.groups()) {
        const std::optional<int> lastRow = planRow(combined.last.className, combined.last.course);
        if (!lastRow)
            continue;
        Group group;
        group.name = combined.name;
        group.lessons = periodsIn(plan_.text({*lastRow, school::PeriodsColumn}));
        group.main = plan_.text({*lastRow, school::MainMarkColumn}) == school::MainCourseMark;
        for (const scheduler::CombinedGroups::Member& member : combined.members) {
            const auto cls = classIndex_.constFind(member.className);
            const std::optional<int> row = planRow(member.className, member.course);
            if (cls == classIndex_.constEnd() || !row)
                continue;
            const int k = counter(*cls, member.course);
            grouped_[std::size_t(k)] = 1;
            group.members.push_back({*cls, member.course, *row, k});
        }
        if (!group.members.empty())
            groups_.push_back(std::move(group));
    }
}

void Loader::addKeptFree()
{
    for (int c = 0; c < classes_; ++c)
        for (int s = 0; s < slots_; ++s)
            if (occupant_[at(c, s)] == KeptFree) {
                Lesson l;
                l.classes = {c};
                l.texts = {textId(model::FreePeriodText)};
                l.counters = {-1};
                l.fixed = true;
                l.slot = s;
                lessons_.push_back(std::move(l));
            }
}

void Loader::addGroupLessons(const Group& group, int number)
{
    int mostHeld = 0;
    for (const Member& m : group.members)
        mostHeld = std::max(mostHeld, present_[std::size_t(m.counter)]);
    for (int s = 0; s < slots_; ++s) {
        Lesson l;
        for (const Member& m : group.members) {
            const std::size_t cell = at(m.classIndex, s);
            if (occupant_[cell] != m.counter)
                continue;
            l.classes.push_back(m.classIndex);
            l.texts.push_back(textId(gridText(m.classIndex, s)));
            l.counters.push_back(m.counter);
            l.fixed = l.fixed || pinned_[cell];
            occupant_[cell] = FreeCell;
        }
        if (l.classes.empty())
            continue;
        l.teachers = teachersOf(l.texts);
        l.main = group.main;
        l.combined = true;
        l.group = number;
        l.slot = s;
        lessons_.push_back(std::move(l));
    }
    // Missing from every class of the group: lessons of the whole group.
    for (int missing = group.lessons - mostHeld; missing > 0; --missing) {
        Lesson l;
        for (const Member& m : group.members) {
            l.classes.push_back(m.classIndex);
            l.texts.push_back(textId(
                model::lessonCellText(m.course, plan_.text({m.planRow, school::TeacherColumn}))));
            l.counters.push_back(m.counter);
        }
        l.teachers = teachersOf(l.texts);
        l.main = group.main;
        l.combined = true;
        l.group = number;
        lessons_.push_back(std::move(l));
    }
}

void Loader::addOrdinaryLessons()
{
    for (int c = 0; c < classes_; ++c) {
        const QString& className = grid_.text({model::classRow(c), model::ClassNameColumn});
        for (int s = 0; s < slots_; ++s) {
            const int k = occupant_[at(c, s)];
            if (k < 0)
                continue;
            const QString& text = gridText(c, s);
            const std::optional<int> row = planRow(className, model::coursePart(text));
            Lesson l;
            l.classes = {c};
            l.texts = {textId(text)};
            l.counters = {k};
            l.teachers = teachersOf(l.texts);
            l.main = row && plan_.text({*row, school::MainMarkColumn}) == school::MainCourseMark;
            l.fixed = pinned_[at(c, s)];
            l.slot = s;
            lessons_.push_back(std::move(l));
        }
    }
}

void Loader::addMissingLessons()
{
    for (int r = school::PlanHeaderRow + 1; r < plan_.rowCount(); ++r) {
        const QString& className = plan_.text({r, school::ClassColumn});
        const QString& course = plan_.text({r, school::CourseColumn});
        const auto cls = classIndex_.constFind(className);
        if (cls == classIndex_.constEnd() || planRow(className, course) != r)
            continue;
        const int k = counter(*cls, course);
        if (grouped_[std::size_t(k)])
            continue;
        const int missing =
            periodsIn(plan_.text({r, school::PeriodsColumn})) - present_[std::size_t(k)];
        for (int i = 0; i < missing; ++i) {
            Lesson l;
            l.classes = {*cls};
            l.texts = {
                textId(model::lessonCellText(course, plan_.text({r, school::TeacherColumn})))};
            l.counters = {k};
            l.teachers = teachersOf(l.texts);
            l.main = plan_.text({r, school::MainMarkColumn}) == school::MainCourseMark;
            lessons_.push_back(std::move(l));
        }
    }
}

LoadedTimetable Loader::load()
{
    readCells();
    readFixedEntries();
    readGroups();
    addKeptFree();
    for (std::size_t g = 0; g < groups_.size(); ++g)
        addGroupLessons(groups_[g], int(g));
    addOrdinaryLessons();
    addMissingLessons();
    for (Lesson& lesson : lessons_)
        addFacts(lesson);
    const conditions::RuleBook& book = *book_;
    LoadedTimetable loaded{std::move(book_),
                           LessonTable(book, classes_, slots_, periodsPerDay_,
                                       school_.week.morningPeriods(), int(teacherIds_.size())),
                           texts_,
                           {}};
    for (auto teacher = teacherIds_.constBegin(); teacher != teacherIds_.constEnd(); ++teacher)
        loaded.table.nameTeacher(teacher.value(), teacher.key());
    for (const Group& group : groups_)
        loaded.groupNames.append(group.name);
    for (Lesson& lesson : lessons_)
        loaded.table.addLesson(std::move(lesson));
    loaded.table.finishBuilding();
    return loaded;
}

} // namespace

QString LoadedTimetable::cellText(int classIndex, int slot) const
{
    const int id = table.cell(classIndex, slot);
    if (id < 0)
        return {};
    const Lesson& l = table.lesson(id);
    const auto member = std::find(l.classes.begin(), l.classes.end(), classIndex);
    return texts.at(l.texts[std::size_t(member - l.classes.begin())]);
}

bool LoadedTimetable::combinedAt(int classIndex, int slot) const
{
    const int id = table.cell(classIndex, slot);
    return id >= 0 && table.lesson(id).combined;
}

QStringList LoadedTimetable::unplacedCombined() const
{
    std::vector<int> left(std::size_t(groupNames.size()), 0);
    for (const int id : table.unplacedLessons())
        if (const int group = table.lesson(id).group; group >= 0)
            ++left[std::size_t(group)];
    QStringList entries;
    for (std::size_t g = 0; g < left.size(); ++g)
        if (left[g] > 0)
            entries.append(scheduler::unplacedCombinedEntry(groupNames.at(qsizetype(g)), left[g]));
    return entries;
}

LoadedTimetable loadTimetable(const model::School& school, int periodsPerDay)
{
    return Loader(school, periodsPerDay).load();
}

} // namespace orve::optimiser
