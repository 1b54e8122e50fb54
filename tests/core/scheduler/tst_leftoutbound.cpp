// The bound of lessons left out: groups that pairwise share a class need a slot each, and
// cliques that share a group are covered together; never above the fewest periods any
// arrangement leaves out.
#include "scheduler/leftoutbound.h"

#include <QRandomGenerator>
#include <QTest>
#include <climits>
#include <functional>

using namespace orve::scheduler;

namespace {

LessonKind kind(std::vector<int> classes, int lessons, int slotCount)
{
    return {std::move(classes), lessons, std::vector<char>(std::size_t(slotCount), 1)};
}

// The fewest class periods left out, by trying every slot (or none) for every lesson.
int fewestLeftOut(const std::vector<LessonKind>& kinds, int classes, int slotCount)
{
    std::vector<int> lessons; // kind of each lesson
    for (std::size_t k = 0; k < kinds.size(); ++k)
        lessons.insert(lessons.end(), std::size_t(kinds[k].lessons), int(k));
    std::vector<int> used(std::size_t(classes * slotCount), 0);
    int best = INT_MAX;
    const std::function<void(std::size_t, int)> place = [&](std::size_t i, int out) {
        if (out >= best)
            return;
        if (i == lessons.size()) {
            best = out;
            return;
        }
        const LessonKind& k = kinds[std::size_t(lessons[i])];
        for (int s = 0; s < slotCount; ++s) {
            if (!k.usable[std::size_t(s)] ||
                std::any_of(k.classes.begin(), k.classes.end(),
                            [&](int c) { return used[std::size_t(c * slotCount + s)]; }))
                continue;
            for (const int c : k.classes)
                used[std::size_t(c * slotCount + s)] = 1;
            place(i + 1, out);
            for (const int c : k.classes)
                used[std::size_t(c * slotCount + s)] = 0;
        }
        place(i + 1, out + int(k.classes.size()));
    };
    place(0, 0);
    return best;
}

} // namespace

class TestLeftOutBound : public QObject
{
    Q_OBJECT

private slots:
    void cliquesThatShareAGroupAreCoveredTogether()
    {
        // One slot; two triangles of two-class groups share {a,b}: each must lose two lessons,
        // and losing {a,b} helps both, so six class periods at least, as the best arrangement.
        const int a = 0, b = 1, c = 2, d = 3;
        const std::vector<LessonKind> kinds{kind({a, b}, 1, 1), kind({b, c}, 1, 1),
                                            kind({a, c}, 1, 1), kind({b, d}, 1, 1),
                                            kind({a, d}, 1, 1)};
        QCOMPARE(leftOutLowerBound(kinds, {1, 1, 1, 1}), 6);
        QCOMPARE(fewestLeftOut(kinds, 4, 1), 6);
    }

    void neverAboveTheFewestLeftOut()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 300; ++round) {
            const int classes = 2 + int(random.bounded(3));
            const int slotCount = 1 + int(random.bounded(3));
            std::vector<LessonKind> kinds;
            for (int k = 0, count = 2 + int(random.bounded(4)); k < count; ++k) {
                std::vector<int> members;
                for (int c = 0; c < classes; ++c)
                    if (random.bounded(2) == 0)
                        members.push_back(c);
                if (members.empty())
                    members.push_back(int(random.bounded(classes)));
                kinds.push_back(kind(members, 1 + int(random.bounded(2)), slotCount));
                // Some slotCount closed to the kind, as fixed lessons and rules close them.
                if (random.bounded(3) == 0)
                    kinds.back().usable[std::size_t(random.bounded(slotCount))] = 0;
            }
            const int fewest = fewestLeftOut(kinds, classes, slotCount);
            QVERIFY2(leftOutLowerBound(kinds, std::vector<int>(std::size_t(classes), slotCount)) <=
                         fewest,
                     qPrintable(QString::number(round)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLeftOutBound)
#include "tst_leftoutbound.moc"
