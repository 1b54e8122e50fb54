// The rule model: what each rule counts and bars, a combined group's lesson counted once, and
// the tally kept in step by random additions and removals against a recount from scratch.
#include "../scheduler/schedulerfixture.h"

#include "conditions/rulebook.h"
#include "conditions/ruletally.h"
#include "scheduler/rulefit.h"
#include "scheduler/randomsource.h"
#include "school/teachingplan.h"

#include <QTest>
#include <algorithm>

using namespace orve;
using namespace orve::conditions;
using namespace Qt::StringLiterals;

namespace {

int violations(const RuleTally& tally, RuleKind kind)
{
    return tally.counts().violations[std::size_t(kind)];
}

// Two classes, courses 语文 体育, days of 2 morning and 2 afternoon periods.
void makeSchool(Workspace& ws, int days = 1)
{
    test::makeSchool(ws, {u"一班"_s, u"二班"_s}, {u"语文"_s, u"体育"_s}, 2, 2, days);
    for (int c = 0; c < 2; ++c) {
        test::setPlan(ws, c, 0, {u"张三"_s, 3, true});
        test::setPlan(ws, c, 1, {u"李四"_s, 2, false});
        ws.school.plan.setText({school::planRow(c, 1, 2), school::VenueColumn}, u"操场"_s);
    }
}

} // namespace

class TestRuleTally : public QObject
{
    Q_OBJECT

    Workspace ws;

private slots:
    void init() { makeSchool(ws); }

    // Each rule counts what breaks it and bars the lesson that would; a lesson of the
    // combined group (unit 7) joining its group's lesson adds no teacher or venue lesson.
    void eachRuleCountsAndBars()
    {
        model::Rules& rules = ws.school.rules;
        rules.teacherUnavailable = {{u"张三"_s, 1, 4}};
        rules.courseUnavailable = {{u"体育"_s, 1, 1}};
        rules.venueCapacities = {{u"操场"_s, 1}};
        rules.courseDailyLimits = {{u"语文"_s, 2}};
        rules.teacherDailyLimits = {{u"李四"_s, 1}};
        const RuleBook book(ws.school, 4);
        RuleTally tally(book, 2, 4);
        tally.nameTeacher(0, u"张三"_s);
        tally.nameTeacher(1, u"李四"_s);
        const int chinese = book.course(u"语文"_s);
        const int pe = book.course(u"体育"_s);
        const int field = book.venueOf(u"一班"_s, u"体育");
        QVERIFY(field >= 0);
        const LessonFacts chineseOne{0, 0, chinese, -1, -1};
        const LessonFacts peOne{0, 1, pe, field, 7};
        const LessonFacts peTwo{1, 1, pe, field, 7};

        QCOMPARE(tally.ruleBrokenIfAdded(chineseOne, 3), RuleKind::TeacherUnavailable);
        QCOMPARE(tally.ruleBrokenIfAdded(peOne, 0), RuleKind::CourseUnavailable);
        tally.add(peOne, 1);
        QVERIFY(!tally.ruleBrokenIfAdded(peTwo, 1)); // joins the group's lesson
        QVERIFY(!tally.doubleBooksIfAdded(peTwo, 1));
        tally.add(peTwo, 1);
        QCOMPARE(tally.counts().doubleBookings, 0);
        QCOMPARE(tally.lessonsOf(1, 1), 1);
        QCOMPARE(tally.ruleBrokenIfAdded({1, 1, pe, field, -1}, 2), RuleKind::TeacherDailyLimit);
        tally.add({1, 1, pe, field, -1}, 2);
        QCOMPARE(violations(tally, RuleKind::TeacherDailyLimit), 1);
        QCOMPARE(violations(tally, RuleKind::VenueCapacity), 0); // another slot
        tally.add({0, -1, -1, field, -1}, 1);
        QCOMPARE(violations(tally, RuleKind::VenueCapacity), 1);

        tally.add(chineseOne, 0);
        tally.add(chineseOne, 2);
        QCOMPARE(tally.ruleBrokenIfAdded(chineseOne, 3), RuleKind::TeacherUnavailable);
        QCOMPARE(tally.ruleBrokenIfAdded({0, -1, chinese, -1, -1}, 3), RuleKind::CourseDailyLimit);
        tally.add(chineseOne, 3);
        QCOMPARE(violations(tally, RuleKind::CourseDailyLimit), 1);
        QCOMPARE(violations(tally, RuleKind::TeacherUnavailable), 1);
        const std::vector<RuleKind> broken = tally.rulesBrokenBy(chineseOne, 3);
        QCOMPARE(broken.size(), std::size_t(2));
        tally.remove(chineseOne, 3);
        QCOMPARE(tally.counts().violationTotal(), 2); // the teacher's day, the venue
    }

    // A double period is two adjacent periods of one part of the day; each lesson serves one.
    void doublePeriodsStayWithinAPartOfTheDay()
    {
        ws.school.rules.doublePeriods = {{u"全体班级"_s, u"语文"_s, 1}, {u"二班"_s, u"语文"_s, 2}};
        const RuleBook book(ws.school, 4);
        QCOMPARE(book.doublePeriods(0, book.course(u"语文"_s)), 1);
        QCOMPARE(book.doublePeriods(1, book.course(u"语文"_s)), 2);
        RuleTally tally(book, 2, 4);
        QCOMPARE(violations(tally, RuleKind::DoublePeriods), 3);
        const LessonFacts one{0, -1, book.course(u"语文"_s), -1, -1};
        tally.add(one, 1);
        tally.add(one, 2); // periods 2 and 3: morning and afternoon
        QCOMPARE(violations(tally, RuleKind::DoublePeriods), 3);
        tally.add(one, 0);
        QCOMPARE(violations(tally, RuleKind::DoublePeriods), 2);
        const LessonFacts two{1, -1, book.course(u"语文"_s), -1, -1};
        for (int slot = 0; slot < 4; ++slot)
            tally.add(two, slot);
        QCOMPARE(violations(tally, RuleKind::DoublePeriods), 0);
        // Two lessons changing places one after the other: for a moment both stand in one
        // slot, and the one that leaves takes no period of the pair with it.
        tally.add(one, 0);
        tally.remove(one, 0);
        QCOMPARE(violations(tally, RuleKind::DoublePeriods), 0);
        QCOMPARE(tally.changeOf({{one, 1}}, {{one, 0}}).violations[std::size_t(RuleKind::DoublePeriods)], 1);
    }

    // Before a run, each case the rules cannot hold is named once.
    void theRulesThatCannotHoldAreNamed()
    {
        model::Rules& rules = ws.school.rules;
        for (int period = 1; period <= 3; ++period)
            rules.teacherUnavailable.push_back({u"张三"_s, 1, period}); // 3 lessons, 1 period
        rules.venueCapacities = {{u"操场"_s, 1}}; // 6 lessons, 4 periods
        rules.courseDailyLimits = {{u"体育"_s, 2}}; // 3 a week, one day
        for (int c = 0; c < 2; ++c)
            test::setPlan(ws, c, 1, {u"李四"_s, 3, false});
        rules.doublePeriods = {{u"一班"_s, u"语文"_s, 1}}; // 张三 free in one period
        ws.school.fixedLessons = {u"一班 语文 1 2"_s};
        const QStringList cases = scheduler::rulesThatCannotHold(ws.school, 4);
        QCOMPARE(cases.size(), 6);
        QVERIFY(cases.at(0).contains(u"张三"_s));
        QVERIFY(cases.at(1).contains(u"操场"_s));
        QVERIFY(cases.at(2).startsWith(u"一班的体育"_s));
        QCOMPARE(cases.at(4), u"一班的语文每周要排 1 次连堂，但能上课的相邻两节只够 0 次"_s);
        QVERIFY(cases.at(5).contains(u"一班 语文 1 2"_s));
        QVERIFY(scheduler::rulesThatCannotHoldMessage(cases).contains(cases.at(3)));
    }

    // Random lessons come and go; the kept counts always equal a recount of the lessons that
    // stand, and a trial change leaves the tally as it was.
    void keptCountsEqualARecount()
    {
        makeSchool(ws, 2);
        constexpr int Slots = 8;
        model::Rules& rules = ws.school.rules;
        rules.teacherUnavailable = {{u"张三"_s, 1, 2}, {u"李四"_s, 1, 3}};
        rules.courseUnavailable = {{u"体育"_s, 1, 4}};
        rules.venueCapacities = {{u"操场"_s, 1}};
        rules.courseDailyLimits = {{u"语文"_s, 2}, {u"体育"_s, 1}};
        rules.teacherDailyLimits = {{u"张三"_s, 2}};
        rules.doublePeriods = {{u"全体班级"_s, u"体育"_s, 1}};
        const RuleBook book(ws.school, 4);
        const QStringList teachers = {u"张三"_s, u"李四"_s, u"王五"_s};
        struct Standing
        {
            LessonFacts lesson;
            int slot;
        };
        const auto tallyOf = [&](const std::vector<Standing>& standing) {
            RuleTally fresh(book, 2, Slots);
            for (int t = 0; t < teachers.size(); ++t)
                fresh.nameTeacher(t, teachers.at(t));
            for (const Standing& s : standing)
                fresh.add(s.lesson, s.slot);
            return fresh;
        };
        const auto recount = [&](const std::vector<Standing>& standing) {
            return tallyOf(standing).counts();
        };
        RuleTally tally(book, 2, Slots);
        for (int t = 0; t < teachers.size(); ++t)
            tally.nameTeacher(t, teachers.at(t));
        scheduler::SeededRandom random(5);
        const auto draw = [&](int bound) { return int(random.next() * bound); };
        std::vector<Standing> standing;
        for (int step = 0; step < 2000; ++step) {
            if (!standing.empty() && draw(3) == 0) {
                const std::size_t k = std::size_t(draw(int(standing.size())));
                tally.remove(standing[k].lesson, standing[k].slot);
                standing.erase(standing.begin() + qsizetype(k));
            } else {
                const int course = draw(2);
                const LessonFacts lesson{draw(2), draw(4) - 1, course,
                                         course == 1 ? book.venue(u"操场"_s) : -1,
                                         course == 1 && draw(2) ? 3 : -1};
                const Standing placed{lesson, draw(Slots)};
                // A class holds one lesson a slot.
                if (std::any_of(standing.begin(), standing.end(), [&](const Standing& s) {
                        return s.slot == placed.slot &&
                               s.lesson.classIndex == placed.lesson.classIndex;
                    }))
                    continue;
                const RuleCounts before = tally.counts();
                const RuleCounts change = tally.changeOf({}, {{placed.lesson, placed.slot}});
                QCOMPARE(tally.counts(), before);
                tally.add(placed.lesson, placed.slot);
                standing.push_back(placed);
                QCOMPARE(tally.counts() - before, change);
            }
            QCOMPARE(tally.counts(), recount(standing));

            // A move of up to three lessons to slots their classes have free: what changeOf
            // says is what making the move does.
            std::vector<RuleTally::Placed> leaving;
            std::vector<RuleTally::Placed> coming;
            std::vector<Standing> after = standing;
            for (int k = 0; k < 3 && !standing.empty(); ++k) {
                const std::size_t which = std::size_t(draw(int(after.size())));
                const int to = draw(Slots);
                const bool taken = std::any_of(after.begin(), after.end(), [&](const Standing& s) {
                    return s.slot == to && s.lesson.classIndex == after[which].lesson.classIndex;
                });
                if (taken)
                    continue;
                leaving.push_back({after[which].lesson, after[which].slot});
                coming.push_back({after[which].lesson, to});
                after[which].slot = to;
            }
            const RuleCounts said = tally.changeOf(leaving, coming);
            const RuleTally moved = tallyOf(after);
            QCOMPARE(said, moved.counts() - tally.counts());
            for (int t = 0; t < teachers.size(); ++t) {
                int squares = 0;
                for (int s = 0; s < Slots; ++s)
                    squares += moved.lessonsOf(t, s) * moved.lessonsOf(t, s) -
                               tally.lessonsOf(t, s) * tally.lessonsOf(t, s);
                QCOMPARE(tally.squaredLessonsChange(t), squares);
            }

            // The quick test of a class's moves is sure only of what the weighing refuses.
            for (int cls = 0; cls < 2; ++cls) {
                std::vector<RuleTally::ClassMove> moves;
                for (std::size_t k = 0; k < leaving.size(); ++k)
                    if (leaving[k].lesson.classIndex == cls)
                        moves.push_back({&leaving[k].lesson, leaving[k].slot, coming[k].slot});
                if (tally.classMovesBreakRule(moves))
                    QVERIFY(said.violations[std::size_t(RuleKind::CourseDailyLimit)] > 0 ||
                            said.violations[std::size_t(RuleKind::DoublePeriods)] > 0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRuleTally)
#include "tst_ruletally.moc"
